#include "model/DayReadout.h"

#include <cmath>
#include <cstdlib>

#include "model/Biorhythm.h"
#include "model/CycleMarks.h"
#include "model/TextPattern.h"

namespace lunasoma {

namespace {

// The chart's offsets are truncated to whole pixels of its amplitude. Taken at an amplitude this
// fine, the truncation lies far below the percent, so the read-out does not change with the size
// of the window while still coming from the very function the curves are drawn with.
constexpr int FineAmplitude = 1'000'000;

int percentOf(double offset) { return static_cast<int>(std::lround(offset * 100.0 / FineAmplitude)); }

std::string percentText(int percent, const ReadoutTexts& texts) {
  return fillIn(texts.percent, {{"percent", std::to_string(percent)}});
}

std::string percentWords(int percent, const ReadoutTexts& texts) {
  return fillIn(percent < 0 ? texts.minusPercentWords : texts.percentWords,
                {{"percent", std::to_string(std::abs(percent))}});
}

}  // namespace

DayPercentages dayPercentages(int daysSinceBirth) {
  const int physical = cycleOffset(Physical, daysSinceBirth, FineAmplitude);
  const int emotional = cycleOffset(Emotional, daysSinceBirth, FineAmplitude);
  const int mental = cycleOffset(Mental, daysSinceBirth, FineAmplitude);
  DayPercentages values;
  values.physical = percentOf(physical);
  values.emotional = percentOf(emotional);
  values.mental = percentOf(mental);
  values.overall = percentOf((static_cast<double>(physical) + emotional + mental) / 3.0);
  return values;
}

std::string dayReadoutText(DayNumber date, int daysSinceBirth, const DateLocale& locale, bool markCritical,
                           const ReadoutTexts& texts) {
  const std::string dateText = formatDate(date, locale.longDatePattern, locale);
  if (dateText.empty()) return {};
  const DayPercentages values = dayPercentages(daysSinceBirth);
  const auto cycleText = [&](const Cycle& cycle, int percent) {
    std::string text = percentText(percent, texts);
    if (markCritical && isCriticalDay(cycle, daysSinceBirth)) text += texts.critical;
    return text;
  };
  // In the legend's order, so that the read-out names the curves as the chart does.
  return fillIn(texts.dayReadout, {{"date", dateText},
                                   {"physical", cycleText(Physical, values.physical)},
                                   {"mental", cycleText(Mental, values.mental)},
                                   {"emotional", cycleText(Emotional, values.emotional)},
                                   {"overall", percentText(values.overall, texts)}});
}

std::string chartDescriptionText(DayNumber birth, DayNumber start, DayNumber today, const DateLocale& locale,
                                 const ReadoutTexts& texts) {
  const std::string birthText = birth > 1 ? formatDate(birth, locale.longDatePattern, locale) : std::string();
  const std::string startText = start > 1 ? formatDate(start, locale.longDatePattern, locale) : std::string();
  if (birthText.empty() || startText.empty()) return texts.noChart;
  std::string text = fillIn(texts.chartFor, {{"birth", birthText}, {"start", startText}});
  const std::string todayText = formatDate(today, locale.longDatePattern, locale);
  if (todayText.empty()) return text;
  const DayPercentages values = dayPercentages(daysBetween(birth, today));
  return text + fillIn(texts.todayValues, {{"date", todayText},
                                           {"physical", percentWords(values.physical, texts)},
                                           {"mental", percentWords(values.mental, texts)},
                                           {"emotional", percentWords(values.emotional, texts)},
                                           {"overall", percentWords(values.overall, texts)}});
}

}  // namespace lunasoma
