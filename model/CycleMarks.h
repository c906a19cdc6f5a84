#pragma once
// What the chart marks beside the cycles themselves: the days a cycle crosses its zero line, how
// alike two people's cycles run, and the shown days as a table. Pure functions: the dates come in
// as arguments.

#include <array>
#include <string>

#include "model/Biorhythm.h"
#include "model/Calendar.h"

namespace lunasoma {

// The three cycles in the order the table and the comparison line name them.
inline constexpr std::array<const Cycle*, 3> ComparedCycles{&Physical, &Emotional, &Mental};

// A day is critical for a cycle when its curve meets the zero line between that day and the next:
// the sines of the day and the next differ in sign, or the day's own sine is zero. Judged on the
// exact position within the period, so that the zero days of even periods are found exactly.
bool isCriticalDay(const Cycle& cycle, int daysSinceBirth);

// 100 cos^2(pi * daysApart / period), rounded half away from zero: 100 for two births in phase,
// 0 for births half a period apart; daysApart may have either sign.
int compatibilityPercent(const Cycle& cycle, int daysApart);

// The days from `start` on, one row each, as comma-separated text with LF line ends:
// "Date,Physical,Emotional,Mental,Overall" (and ",Critical" with the critical cycles of the day,
// named and separated by spaces), then the date as YYYY-MM-DD and each value as the read-out's
// whole percentage. Empty when a day lies outside the calendar.
std::string dayTableCsv(DayNumber birth, DayNumber start, int days, bool withCritical);

}  // namespace lunasoma
