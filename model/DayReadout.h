#pragma once
// The values of one chart day as whole percentages of the curves' amplitude, and the texts that
// read them out: the pointer's read-out of a day column and the chart's description for screen
// readers. Pure functions: the dates, "today" and the locale come in as arguments.

#include <string>

#include "model/Calendar.h"
#include "model/DateText.h"

namespace lunasoma {

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
// date in the locale's long form and the day's values. Empty when the date cannot be written.
std::string dayReadoutText(DayNumber date, int daysSinceBirth, const DateLocale& locale);

// A few sentences that say what the chart shows: the birth date, the first chart day and today's
// values in words. Dates of 1 or less (what a field holding no date gives) are not charted, and
// the text says so.
std::string chartDescriptionText(DayNumber birth, DayNumber start, DayNumber today, const DateLocale& locale);

}  // namespace lunasoma
