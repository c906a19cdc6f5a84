#include "model/CalendarSteps.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace lunasoma {

static void PrintTo(const CivilDate& date, std::ostream* out) {
  *out << date.year << "-" << date.month << "-" << date.day;
}

namespace {

constexpr CivilDate today{2026, 6, 15};

struct ButtonCase {
  const char* name;
  CivilDate from;
  CalendarStep step;
  CivilDate expected;  // after the day has been clamped to the month
};

class ButtonStep : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonStep, MovesAndKeepsTheDayWithinTheMonth) {
  const ButtonCase& c = GetParam();
  EXPECT_EQ(clampDay(stepCalendar(c.from, c.step, today)), c.expected);
}

using S = CalendarStep;
INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonStep,
    ::testing::Values(ButtonCase{"MonthBackFromMarch31", {2026, 3, 31}, S::MonthBack, {2026, 2, 28}},
                      ButtonCase{"MonthForeIntoLeapFebruary", {2024, 1, 31}, S::MonthFore, {2024, 2, 29}},
                      ButtonCase{"YearForeFromLeapDay", {2024, 2, 29}, S::YearFore, {2025, 2, 28}},
                      ButtonCase{"YearBackFromLeapDay", {2024, 2, 29}, S::YearBack, {2023, 2, 28}},
                      ButtonCase{"MonthBackOverTheYearEnd", {2026, 1, 15}, S::MonthBack, {2025, 12, 15}},
                      ButtonCase{"MonthForeOverTheYearEnd", {2026, 12, 15}, S::MonthFore, {2027, 1, 15}},
                      ButtonCase{"MonthForeToMay31KeepsTheDay", {2026, 4, 30}, S::MonthFore, {2026, 5, 30}},
                      ButtonCase{"YearBackStopsInYearOne", {1, 7, 4}, S::YearBack, {1, 7, 4}},
                      ButtonCase{"MonthBackStopsInAnyMonthOfYearOne", {1, 7, 4}, S::MonthBack, {1, 7, 4}},
                      ButtonCase{"MonthBackFromJanuaryOfYearOne", {1, 1, 4}, S::MonthBack, {1, 1, 4}},
                      ButtonCase{"MonthBackIntoYearOne", {2, 1, 31}, S::MonthBack, {1, 12, 31}},
                      ButtonCase{"YearBackIntoYearOne", {2, 3, 1}, S::YearBack, {1, 3, 1}},
                      ButtonCase{"YearForeStopsIn3000", {3000, 5, 5}, S::YearFore, {3000, 5, 5}},
                      ButtonCase{"MonthForeStopsInAnyMonthOf3000", {3000, 1, 5}, S::MonthFore, {3000, 1, 5}},
                      ButtonCase{"MonthForeInto3000", {2999, 12, 5}, S::MonthFore, {3000, 1, 5}},
                      ButtonCase{"TodayFromFarAway", {1, 1, 1}, S::Today, today}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ClampDay, StepsBackToTheMonthsLastDayAndLeavesImpossibleMonthsAlone) {
  struct Row {
    const char* name;
    CivilDate from;
    CivilDate expected;
  };
  for (const Row& r : {Row{"valid date unchanged", {2026, 3, 31}, {2026, 3, 31}},
                       Row{"April has 30 days", {2026, 4, 31}, {2026, 4, 30}},
                       Row{"1900 is no leap year", {1900, 2, 31}, {1900, 2, 28}},
                       Row{"2000 is a leap year", {2000, 2, 30}, {2000, 2, 29}},
                       Row{"day 0 becomes the first", {2026, 5, 0}, {2026, 5, 1}},
                       Row{"month 13 has no days", {2026, 13, 40}, {2026, 13, 40}},
                       Row{"year 0 has no days", {0, 2, 31}, {0, 2, 31}}}) {
    EXPECT_EQ(clampDay(r.from), r.expected) << r.name;
  }
}

TEST(StepDays, MovesAcrossMonthAndYearEndsButNeverLeavesTheCalendar) {
  struct Row {
    const char* name;
    CivilDate from;
    int days;
    std::optional<CivilDate> expected;
  };
  for (const Row& r : {Row{"left over a month end", {2026, 2, 1}, -1, CivilDate{2026, 1, 31}},
                       Row{"right over a year end", {2026, 12, 31}, 1, CivilDate{2027, 1, 1}},
                       Row{"up a week into February", {2026, 3, 3}, -7, CivilDate{2026, 2, 24}},
                       Row{"down onto a leap day", {2024, 2, 22}, 7, CivilDate{2024, 2, 29}},
                       Row{"down past 3000", {3000, 12, 30}, 7, CivilDate{3001, 1, 6}},
                       Row{"up onto the first day", {1, 1, 8}, -7, CivilDate{1, 1, 1}},
                       Row{"down onto the last day", {9999, 12, 24}, 7, CivilDate{9999, 12, 31}},
                       Row{"left before the year 1", {1, 1, 1}, -1, std::nullopt},
                       Row{"up before the year 1", {1, 1, 7}, -7, std::nullopt},
                       Row{"right after 9999", {9999, 12, 31}, 1, std::nullopt},
                       Row{"down after 9999", {9999, 12, 25}, 7, std::nullopt},
                       Row{"from a day the month lacks", {2026, 2, 30}, 1, std::nullopt}}) {
    EXPECT_EQ(stepDays(r.from, r.days), r.expected) << r.name;
  }
}

}  // namespace
}  // namespace lunasoma
