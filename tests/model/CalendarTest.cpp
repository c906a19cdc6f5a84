#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "model/Calendar.h"

namespace lunasoma {
namespace {

struct KnownDay {
  std::string name;
  CivilDate date;
  DayNumber number;
  int weekday;  // 1 = Sunday
};

TEST(Calendar, KnownDayNumbersAndWeekdays) {
  const KnownDay rows[] = {
      {"epoch", {1899, 12, 30}, 0, 7},
      {"day one", {1899, 12, 31}, 1, 1},
      {"first day of 1900", {1900, 1, 1}, 2, 2},
      {"1900 has no 29 February", {1900, 3, 1}, 61, 5},
      {"2000 has a 29 February", {2000, 2, 29}, 36585, 3},
      {"5 March 2026", {2026, 3, 5}, 46086, 5},
      {"first supported day", {1, 1, 1}, -693593, 2},
      {"last supported day", {9999, 12, 31}, 2958465, 6},
      {"before the epoch", {1600, 3, 1}, -109511, 4},
  };
  for (const KnownDay& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(encodeDate(row.date.year, row.date.month, row.date.day), row.number);
    EXPECT_EQ(decodeDate(row.number), row.date);
    EXPECT_EQ(dayOfWeek(row.number), row.weekday);
  }
  EXPECT_EQ(encodeDate(1, 1, 1), firstDayNumber);
  EXPECT_EQ(encodeDate(9999, 12, 31), lastDayNumber);
}

TEST(Calendar, RejectsWhatIsNoDate) {
  const struct {
    std::string name;
    CivilDate date;
  } rows[] = {
      {"year 0", {0, 1, 1}},
      {"year 10000", {10000, 1, 1}},
      {"month 0", {2024, 0, 1}},
      {"month 13", {2024, 13, 1}},
      {"day 0", {2024, 1, 0}},
      {"32 January", {2024, 1, 32}},
      {"31 April", {2024, 4, 31}},
      {"29 February 2023", {2023, 2, 29}},
      {"29 February 1900", {1900, 2, 29}},
      {"30 February 2000", {2000, 2, 30}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(isValidDate(row.date.year, row.date.month, row.date.day));
    EXPECT_FALSE(encodeDate(row.date.year, row.date.month, row.date.day).has_value());
  }
}

// Every day of the supported span against the standard library's civil calendar, which shares
// no code with ours: encoding, decoding and the weekday must agree on all of them.
TEST(Calendar, AgreesWithStandardCalendarOnEveryDay) {
  using namespace std::chrono;
  const sys_days epoch = sys_days{1899y / December / 30};
  int mismatches = 0;
  for (sys_days day = sys_days{year{1} / January / 1}; day <= sys_days{year{9999} / December / 31}; day += days{1}) {
    const year_month_day ymd{day};
    const CivilDate civil{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                          static_cast<int>(static_cast<unsigned>(ymd.day()))};
    const DayNumber number = (day - epoch).count();
    const bool ok = encodeDate(civil.year, civil.month, civil.day) == number && decodeDate(number) == civil &&
                    dayOfWeek(number) == static_cast<int>(weekday{day}.c_encoding()) + 1;
    if (!ok && ++mismatches <= 5) ADD_FAILURE() << civil.year << '-' << civil.month << '-' << civil.day;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Calendar, DecodesTheWholePartTruncatedTowardZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    std::string name;
    DayNumber number;
    CivilDate date;
    int whole;
  } rows[] = {
      {"time of day is ignored", 2.75, {1900, 1, 1}, 2},
      {"half a day before the epoch stays on day 0", -0.5, {1899, 12, 30}, 0},
      {"negative fraction truncates up", -1.5, {1899, 12, 29}, -1},
      {"fraction on the last day", lastDayNumber + 0.9, {9999, 12, 31}, 2958465},
      {"after the span clamps to its end", lastDayNumber + 400, {9999, 12, 31}, 2958465},
      {"before the span clamps to its start", -1e300, {1, 1, 1}, -693593},
      {"positive infinity", inf, {9999, 12, 31}, 2958465},
      {"NaN counts as day 0", nan, {1899, 12, 30}, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(wholeDay(row.number), row.whole);
    EXPECT_EQ(decodeDate(row.number), row.date);
  }
  EXPECT_EQ(dayOfWeek(-0.5), 7);
  EXPECT_EQ(dayOfWeek(nan), 7);
}

}  // namespace
}  // namespace lunasoma
