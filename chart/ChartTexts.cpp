#include "chart/ChartTexts.h"

namespace lunasoma {

std::string fillIn(std::string_view pattern,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> parts) {
  std::string text;
  text.reserve(pattern.size() + 32);
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = pattern.find('{', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = pattern.find('}', open + 1);
    if (close == std::string_view::npos) break;
    text.append(pattern.substr(at, open - at));
    const std::string_view key = pattern.substr(open + 1, close - open - 1);
    const std::pair<std::string_view, std::string_view>* part = nullptr;
    for (const auto& candidate : parts) {
      if (candidate.first == key) part = &candidate;
    }
    if (part) {
      text.append(part->second);
    } else {
      text.append(pattern.substr(open, close - open + 1));
    }
    at = close + 1;
  }
  text.append(pattern.substr(at));
  return text;
}

}  // namespace lunasoma
