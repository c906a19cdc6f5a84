#include "model/Calendar.h"

#include <cmath>

namespace lunasoma {

namespace {

// The conversions count days from 1 January 1970, the epoch the civil-date algorithm below is
// usually stated against; day number 0 (30 December 1899) lies this many days before it.
constexpr int epochOffset = 25569;

// Days since 1 January 1970 for a civil date. Years are counted from 1 March so that the leap
// day falls at the end of the counting year, and in eras of 400 years, which repeat exactly.
constexpr int daysFromCivil(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr CivilDate civilFromDays(int days) {
  const int z = days + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int dayOfEra = z - era * 146097;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

static_assert(daysFromCivil(1899, 12, 30) + epochOffset == 0);
static_assert(daysFromCivil(1, 1, 1) + epochOffset == static_cast<int>(firstDayNumber));
static_assert(daysFromCivil(9999, 12, 31) + epochOffset == static_cast<int>(lastDayNumber));

}  // namespace

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
  static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

std::optional<DayNumber> encodeDate(int year, int month, int day) {
  if (!isValidDate(year, month, day)) return std::nullopt;
  return daysFromCivil(year, month, day) + epochOffset;
}

int wholeDay(DayNumber date) {
  if (std::isnan(date)) return 0;
  if (date <= firstDayNumber) return static_cast<int>(firstDayNumber);
  if (date >= lastDayNumber) return static_cast<int>(lastDayNumber);
  return static_cast<int>(date);
}

CivilDate decodeDate(DayNumber date) { return civilFromDays(wholeDay(date) - epochOffset); }

int dayOfWeek(DayNumber date) {
  // Day 0 was a Saturday; the offset keeps the remainder non-negative before the epoch.
  const int whole = wholeDay(date);
  return 1 + (whole % 7 + 13) % 7;
}

}  // namespace lunasoma
