#pragma once
// Day numbers and civil dates of the proleptic Gregorian calendar, years 1 to 9999.
// It knows nothing of today or of the locale: callers pass them in.

#include <optional>

namespace lunasoma {

// Whole days since 30 December 1899 (day 1 is 31 December 1899); a fraction is a time of day
// and is ignored everywhere.
using DayNumber = double;

// The supported span: 1 January 0001 and 31 December 9999.
inline constexpr DayNumber firstDayNumber = -693593;
inline constexpr DayNumber lastDayNumber = 2958465;

struct CivilDate {
  int year;
  int month;
  int day;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool isValidDate(int year, int month, int day);
int daysInMonth(int year, int month);  // 0 for a month outside 1..12
bool isLeapYear(int year);
std::optional<DayNumber> encodeDate(int year, int month, int day);  // nullopt when not a valid date

// The whole part of a day number, truncated toward zero. A day number can come from a hand-edited
// store, so anything outside the supported span is clamped to its nearer end and NaN counts as
// day 0; the result therefore always fits an int and always names a valid date.
int wholeDay(DayNumber date);

// Both work on wholeDay(date): a day number outside the supported span decodes as the span's
// nearer end, NaN as 30 December 1899.
CivilDate decodeDate(DayNumber date);  // whole part, truncated toward zero
int dayOfWeek(DayNumber date);         // 1 = Sunday .. 7 = Saturday

}  // namespace lunasoma
