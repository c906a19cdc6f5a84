// Feeds arbitrary bytes to parseDateText under three locale forms and several current years.
// Whatever the input, the result is either the fallback or a whole day inside the supported
// span whose display text reads back as that very day under the same locale and current year.
// That round trip holds for every current year: a year of 1..99 can only come out of the parser
// when the current century is 0, and then its zero-padded display text gets no century either.
// Blanks in front of or behind the text never change the result.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/DateText.h"

namespace {

using namespace lunasoma;

// Not a whole number, so it can never be confused with a parsed day.
constexpr DayNumber fallback = 0.5;

DateLocale makeLocale(std::string pattern, char separator) {
  DateLocale locale;
  locale.shortDatePattern = std::move(pattern);
  locale.dateSeparator = separator;
  return locale;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const DateLocale locales[] = {makeLocale("m/d/yy", '/'), makeLocale("dd.MM.yy", '.'),
                                       makeLocale("yyyy-MM-dd", '-')};
  static const std::string displayPatterns[] = {displayDatePattern(locales[0].shortDatePattern),
                                                displayDatePattern(locales[1].shortDatePattern),
                                                displayDatePattern(locales[2].shortDatePattern)};
  if (size < 3) return 0;
  const std::size_t form = data[0] % 3;
  const int yearByte = data[1] | (data[2] << 8);
  int currentYear = 2026;
  switch (data[0] / 3 % 4) {
    case 0:
      break;
    case 1:
      currentYear = static_cast<std::int16_t>(yearByte);
      break;
    case 2:
      currentYear = INT_MAX - (yearByte & 0xff);
      break;
    default:
      currentYear = INT_MIN + (yearByte & 0xff);
      break;
  }
  const DateLocale& locale = locales[form];
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

  const DayNumber parsed = parseDateText(text, fallback, locale, currentYear);
  check(parseDateText(" " + std::string(text) + " ", fallback, locale, currentYear) == parsed);
  if (parsed == fallback) return 0;

  check(parsed == static_cast<DayNumber>(static_cast<long long>(parsed)));
  check(parsed >= firstDayNumber && parsed <= lastDayNumber);
  const std::string display = formatDate(parsed, displayPatterns[form], locale);
  check(!display.empty());
  check(parseDateText(display, fallback, locale, currentYear) == parsed);
  return 0;
}
