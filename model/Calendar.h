#pragma once
// Day numbers and civil dates of the proleptic Gregorian calendar, years 1 to 9999.
// It knows nothing of today or of the locale: callers pass them in.

#include <optional>

namespace lunasoma {

// Whole days since 30 December 1899 (day 1 is 31 December 1899); a fraction is a time of day
// and is ignored everywhere.
using DayNumber = double;

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
CivilDate decodeDate(DayNumber date);                               // whole part, truncated toward zero
int dayOfWeek(DayNumber date);                                      // 1 = Sunday .. 7 = Saturday

}  // namespace lunasoma
