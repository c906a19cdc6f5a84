#include "model/DayReadout.h"

#include <cmath>

#include "model/Biorhythm.h"

namespace lunasoma {

namespace {

// The chart's offsets are truncated to whole pixels of its amplitude. Taken at an amplitude this
// fine, the truncation lies far below the percent, so the read-out does not change with the size
// of the window while still coming from the very function the curves are drawn with.
constexpr int FineAmplitude = 1'000'000;

int percentOf(double offset) { return static_cast<int>(std::lround(offset * 100.0 / FineAmplitude)); }

std::string percentText(int percent) { return std::to_string(percent) + "%"; }

std::string percentWords(int percent) {
  return (percent < 0 ? "minus " + std::to_string(-percent) : std::to_string(percent)) + " percent";
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

std::string dayReadoutText(DayNumber date, int daysSinceBirth, const DateLocale& locale) {
  const std::string dateText = formatDate(date, locale.longDatePattern, locale);
  if (dateText.empty()) return {};
  const DayPercentages values = dayPercentages(daysSinceBirth);
  // In the legend's order, so that the read-out names the curves as the chart does.
  return dateText + " / Physical " + percentText(values.physical) + " / Mental " + percentText(values.mental) +
         " / Emotional " + percentText(values.emotional) + " / Overall " + percentText(values.overall);
}

std::string chartDescriptionText(DayNumber birth, DayNumber start, DayNumber today, const DateLocale& locale) {
  const std::string birthText = birth > 1 ? formatDate(birth, locale.longDatePattern, locale) : std::string();
  const std::string startText = start > 1 ? formatDate(start, locale.longDatePattern, locale) : std::string();
  if (birthText.empty() || startText.empty()) {
    return "No chart: the birth date or the start date is not a valid date.";
  }
  std::string text = "Biorhythm chart for a birth on " + birthText + ", starting on " + startText + ".";
  const std::string todayText = formatDate(today, locale.longDatePattern, locale);
  if (todayText.empty()) return text;
  const DayPercentages values = dayPercentages(daysBetween(birth, today));
  return text + " Today, " + todayText + ": Physical " + percentWords(values.physical) + ", Mental " +
         percentWords(values.mental) + ", Emotional " + percentWords(values.emotional) + ", Overall " +
         percentWords(values.overall) + ".";
}

}  // namespace lunasoma
