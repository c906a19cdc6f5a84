// How fast the model answers the calls the chart and the date fields make most often.
#include <array>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "model/Biorhythm.h"
#include "model/DateText.h"

namespace {

using namespace lunasoma;

// Texts as a user types them into a date field, partial ones included.
constexpr std::array<std::string_view, 8> typedTexts{
    "3/5/2026", "12/25", "1/2/03", " 11 / 30 / 1987 ", "2/29/2004", "2/30/2003", "1/2/2003x", "10/1/19",
};

void parseTypicalTexts(benchmark::State& state) {
  const DateLocale locale;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parseDateText(typedTexts[i], 0, locale, 2026));
    i = (i + 1) % typedTexts.size();
  }
}
BENCHMARK(parseTypicalTexts);

void parseDayMonthYear(benchmark::State& state) {
  DateLocale locale;
  locale.shortDatePattern = "dd.MM.yy";
  locale.dateSeparator = '.';
  for (auto _ : state) benchmark::DoNotOptimize(parseDateText("05.03.2026", 0, locale, 2026));
}
BENCHMARK(parseDayMonthYear);

void formatDisplayPattern(benchmark::State& state) {
  const DateLocale locale;
  const std::string pattern = displayDatePattern(locale.shortDatePattern);
  DayNumber date = encodeDate(2026, 3, 5).value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatDate(date, pattern, locale));
    date += 37;
    if (date > 2958000) date = 0;
  }
}
BENCHMARK(formatDisplayPattern);

void formatLongDate(benchmark::State& state) {
  const DateLocale locale;
  const DayNumber date = encodeDate(2026, 9, 23).value();
  for (auto _ : state) benchmark::DoNotOptimize(formatDate(date, locale.longDatePattern, locale));
}
BENCHMARK(formatLongDate);

void cycleOffsetOneDay(benchmark::State& state) {
  int day = 9000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cycleOffset(Emotional, day, 180));
    day = day < 40000 ? day + 1 : -40000;
  }
}
BENCHMARK(cycleOffsetOneDay);

}  // namespace

BENCHMARK_MAIN();
