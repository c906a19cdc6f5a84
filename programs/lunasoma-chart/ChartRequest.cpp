#include "programs/lunasoma-chart/ChartRequest.h"

#include <charconv>
#include <string_view>

#include "chart/qt/ChartFile.h"

namespace lunasoma {

namespace {

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// YYYY-MM-DD, nothing else, so that a script's typo is not read as some other date.
std::optional<DayNumber> isoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = wholeNumber(text.substr(0, 4));
  const auto month = wholeNumber(text.substr(5, 2));
  const auto day = wholeNumber(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  return encodeDate(*year, *month, *day);
}

ChartRequestParse failure(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ChartRequestParse parseChartRequest(const std::vector<std::string>& arguments) {
  ChartRequest request;
  bool haveBirth = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    const bool takesValue = name == "--birth" || name == "--start" || name == "--weeks" || name == "--style" ||
                            name == "--size" || name == "--out" || name == "--compare" || name == "--person";
    if (takesValue && i + 1 >= arguments.size()) return failure(name + ": a value is missing");
    const std::string value = takesValue ? arguments[++i] : std::string();

    if (name == "--birth" || name == "--start") {
      const auto date = isoDate(value);
      if (!date) return failure(name + ": not a date in the form YYYY-MM-DD: " + value);
      if (name == "--birth") {
        request.birth = *date;
        haveBirth = true;
      } else {
        request.start = *date;
      }
    } else if (name == "--weeks") {
      const auto weeks = wholeNumber(value);
      if (!weeks || *weeks < 1 || *weeks > 8) return failure("--weeks: not a number from 1 to 8: " + value);
      request.weeks = *weeks;
    } else if (name == "--style") {
      if (value == "line") {
        request.style = ChartStyle::Line;
      } else if (value == "highlow") {
        request.style = ChartStyle::HighLow;
      } else {
        return failure("--style: neither line nor highlow: " + value);
      }
    } else if (name == "--size") {
      // As large as any screen, while the bitmap stays at no more than 256 MB.
      const auto cross = value.find('x');
      const auto width =
          cross == std::string::npos ? std::nullopt : wholeNumber(std::string_view(value).substr(0, cross));
      const auto height =
          cross == std::string::npos ? std::nullopt : wholeNumber(std::string_view(value).substr(cross + 1));
      if (!width || !height || *width < 1 || *height < 1 || *width > 8192 || *height > 8192)
        return failure("--size: not WIDTHxHEIGHT with each from 1 to 8192: " + value);
      request.width = *width;
      request.height = *height;
    } else if (name == "--out") {
      if (!chartFileFormatOf(QString::fromStdString(value)))
        return failure("--out: the file name must end in " + chartFileEndings().toStdString() + ": " + value);
      request.outFile = value;
    } else if (name == "--compare") {
      const auto date = isoDate(value);
      if (!date) return failure(name + ": not a date in the form YYYY-MM-DD: " + value);
      request.compare = *date;
      request.compareText = value;
    } else if (name == "--person") {
      request.person = value;
    } else if (name == "--critical") {
      request.critical = true;
    } else if (name == "--today") {
      request.today = true;
    } else if (name == "--lines") {
      request.lines = true;
    } else if (name == "--stored") {
      request.stored = true;
    } else if (name == "--ops") {
      request.ops = true;
    } else {
      return failure("unknown argument: " + name);
    }
  }
  if (!haveBirth) return failure("--birth: required");
  if (request.ops == !request.outFile.empty()) return failure("--out/--ops: give exactly one of them");
  return {request, {}};
}

BiorhythmSettings settingsForRequest(const ChartRequest& request, BiorhythmSettings base, DayNumber today) {
  base.Birth = request.birth;
  base.Start = request.start.value_or(today);
  if (request.weeks) base.Range = static_cast<std::uint8_t>(*request.weeks - 1);
  if (request.style) base.Style = *request.style;
  if (request.lines) base.ShowLines = true;
  base.ShowPhysical = lineWidth(base.WidthPhysical) != 0;
  base.ShowMental = lineWidth(base.WidthMental) != 0;
  base.ShowEmotional = lineWidth(base.WidthEmotional) != 0;
  base.ShowOverall = lineWidth(base.WidthOverall) != 0;
  return base;
}

ChartExtras extrasForRequest(const ChartRequest& request, DayNumber today) {
  ChartExtras extras;
  extras.personName = request.person;
  extras.compareBirth = request.compare;
  extras.compareName = request.compareText;
  extras.markCritical = request.critical;
  extras.markToday = request.today;
  extras.today = today;
  return extras;
}

}  // namespace lunasoma
