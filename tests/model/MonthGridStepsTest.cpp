#include "model/CalendarSteps.h"

#include <gtest/gtest.h>

#include <optional>

namespace lunasoma {
namespace {

testing::AssertionResult isDate(CivilDate actual, CivilDate expected) {
  if (actual == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure() << actual.year << "-" << actual.month << "-" << actual.day;
}

// The button steps are checked through the pop-up's buttons, which is where they are used.
TEST(CalendarSteps, ClampDayLeavesMonthsWithoutDaysAlone) {
  EXPECT_TRUE(isDate(clampDay({1900, 2, 31}), {1900, 2, 28}));
  EXPECT_TRUE(isDate(clampDay({2026, 5, 0}), {2026, 5, 1}));
  EXPECT_TRUE(isDate(clampDay({2026, 13, 40}), {2026, 13, 40}));
  EXPECT_TRUE(isDate(clampDay({0, 2, 31}), {0, 2, 31}));
}

TEST(CalendarSteps, DayStepsCrossMonthAndYearEndsButNeverLeaveTheCalendar) {
  struct Row {
    const char* name;
    CivilDate from;
    int days;
    std::optional<CivilDate> expected;
  };
  for (const Row& r : {Row{"left over a month end", {2026, 2, 1}, -1, CivilDate{2026, 1, 31}},
                       Row{"right over a year end", {2026, 12, 31}, 1, CivilDate{2027, 1, 1}},
                       Row{"up into February", {2026, 3, 3}, -7, CivilDate{2026, 2, 24}},
                       Row{"up onto the first day", {1, 1, 8}, -7, CivilDate{1, 1, 1}},
                       Row{"left before the year 1", {1, 1, 1}, -1, std::nullopt},
                       Row{"down after 9999", {9999, 12, 25}, 7, std::nullopt},
                       Row{"from a day the month lacks", {2026, 2, 30}, 1, std::nullopt}}) {
    const auto moved = stepDays(r.from, r.days);
    ASSERT_EQ(moved.has_value(), r.expected.has_value()) << r.name;
    if (moved) {
      EXPECT_TRUE(isDate(*moved, *r.expected)) << r.name;
    }
  }
}

}  // namespace
}  // namespace lunasoma
