#pragma once
// The values of one chart day as whole percentages of the curves' amplitude, and the texts that
// read them out: the pointer's read-out of a day column and the chart's description for screen
// readers. Pure functions: the dates, "today" and the locale come in as arguments.

#include <string>

#include "model/Calendar.h"
#include "model/DateText.h"

namespace lunasoma {

// The words of the read-out and the description, handed in as data so that a caller may speak
// another language; the defaults are the program's own English texts. Parts in braces are filled in.
struct ReadoutTexts {
  std::string dayReadout = "{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}";
  std::string percent = "{percent}%";
  // After the percentage of a cycle on a critical day, while those days are marked.
  std::string critical = " (critical)";
  std::string noChart = "No chart: the birth date or the start date is not a valid date.";
  std::string chartFor = "Biorhythm chart for a birth on {birth}, starting on {start}.";
  std::string todayValues =
      " Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.";
  std::string percentWords = "{percent} percent";
  std::string minusPercentWords = "minus {percent} percent";
};

struct DayPercentages {
  int physical = 0;
  int mental = 0;
  int emotional = 0;
  int overall = 0;  // the mean of the other three, as the chart's overall curve takes it
  friend bool operator==(const DayPercentages&, const DayPercentages&) = default;
};

// The offsets of the three cycles (and their mean) for the day `daysSinceBirth` days after birth,
// in percent of the amplitude, rounded to whole numbers (halves away from zero).
DayPercentages dayPercentages(int daysSinceBirth);

// "Tuesday, December 8, 2026 / Physical 52% / Mental 98% / Emotional -90% / Overall 20%": the
// date in the locale's long form and the day's values. Empty when the date cannot be written. With
// markCritical, a cycle critical on that day has texts.critical (" (critical)") after its percentage.
std::string dayReadoutText(DayNumber date, int daysSinceBirth, const DateLocale& locale, bool markCritical = false,
                           const ReadoutTexts& texts = ReadoutTexts{});

// A few sentences that say what the chart shows: the birth date, the first chart day and today's
// values in words. Dates of 1 or less (what a field holding no date gives) are not charted, and
// the text says so.
std::string chartDescriptionText(DayNumber birth, DayNumber start, DayNumber today, const DateLocale& locale,
                                 const ReadoutTexts& texts = ReadoutTexts{});

}  // namespace lunasoma
