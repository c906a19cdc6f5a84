// Critical days, how two people's cycles compare, and the table of the shown days, against values
// worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "model/CycleMarks.h"
#include "model/DayReadout.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }

std::string csvValues(DayNumber days) {
  const DayPercentages values = dayPercentages(static_cast<int>(days));
  return std::to_string(values.physical) + "," + std::to_string(values.emotional) + "," +
         std::to_string(values.mental) + "," + std::to_string(values.overall);
}

TEST(CycleMarks, CriticalDaysAreWhereTheCurveMeetsTheZeroLine) {
  struct Case {
    const Cycle* cycle;
    int day;
    bool critical;
  };
  // Odd periods cross between day 11 and 12 (23) or 16 and 17 (33); the even one touches zero on
  // day 14 itself, so day 13 (positive, then exactly zero) is not critical.
  const Case cases[] = {
      {&Physical, 0, true},    {&Physical, 1, false},   {&Physical, 10, false},  {&Physical, 11, true},
      {&Physical, 12, false},  {&Physical, 22, false},  {&Physical, 23, true},   {&Physical, -1, false},
      {&Physical, -12, true},  {&Emotional, 13, false}, {&Emotional, 14, true},  {&Emotional, 15, false},
      {&Emotional, 27, false}, {&Emotional, 28, true},  {&Emotional, -14, true}, {&Mental, 15, false},
      {&Mental, 16, true},     {&Mental, 17, false},    {&Mental, 33, true},     {&Mental, -17, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cycle->name) + " day " + std::to_string(c.day));
    EXPECT_EQ(isCriticalDay(*c.cycle, c.day), c.critical);
  }
}

TEST(CycleMarks, EveryPeriodHoldsExactlyTwoCriticalDays) {
  for (const Cycle* cycle : ComparedCycles) {
    for (int first : {-1000, 0, 40000}) {
      int count = 0;
      for (int d = first; d < first + cycle->period; ++d) count += isCriticalDay(*cycle, d) ? 1 : 0;
      EXPECT_EQ(count, 2) << cycle->name << " from " << first;
    }
  }
}

TEST(CycleMarks, CompatibilityIsTheSquaredCosineOfTheBirthsDistance) {
  struct Case {
    const Cycle* cycle;
    int daysApart;
    int percent;
  };
  const Case cases[] = {
      {&Physical, 0, 100},   {&Physical, 1, 98},   {&Physical, -4, 73},
      {&Physical, 12, 0},    {&Physical, 23, 100}, {&Physical, 23 * 500 + 1, 98},
      {&Emotional, 3, 89},   {&Emotional, 7, 50},  {&Emotional, 14, 0},
      {&Emotional, -21, 50}, {&Mental, 5, 79},     {&Mental, 11, 25},
      {&Mental, -11, 25},    {&Mental, 66, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cycle->name) + " apart " + std::to_string(c.daysApart));
    EXPECT_EQ(compatibilityPercent(*c.cycle, c.daysApart), c.percent);
  }
}

TEST(CycleMarks, TheTableListsTheDaysAndTheirCriticalCycles) {
  // On the birth day every cycle starts at zero; the next day's values are the sines of day 1:
  // sin(2 pi / 23) = 27.0 %, sin(2 pi / 28) = 22.3 %, sin(2 pi / 33) = 18.9 %, their mean 22.7 %.
  EXPECT_EQ(dayTableCsv(day(1990, 6, 1), day(1990, 6, 1), 2, true),
            "Date,Physical,Emotional,Mental,Overall,Critical\n"
            "1990-06-01,0,0,0,0,Physical Emotional Mental\n"
            "1990-06-02,27,22,19,23,\n");
  EXPECT_EQ(dayTableCsv(day(1990, 6, 1), day(2000, 2, 28), 2, false),
            "Date,Physical,Emotional,Mental,Overall\n"
            "2000-02-28," +
                csvValues(day(2000, 2, 28) - day(1990, 6, 1)) +
                "\n"
                "2000-02-29," +
                csvValues(day(2000, 2, 29) - day(1990, 6, 1)) + "\n");
}

TEST(CycleMarks, TheReadoutMarksOnlyTheCriticalCyclesWhenAsked) {
  DateLocale locale;
  locale.longDatePattern = "yyyy-mm-dd";
  // Day 14: Emotional is at zero, the others are not critical.
  const std::string plain = dayReadoutText(day(2000, 1, 15), 14, locale);
  const std::string marked = dayReadoutText(day(2000, 1, 15), 14, locale, true);
  EXPECT_EQ(plain.find("(critical)"), std::string::npos);
  EXPECT_NE(marked.find("Emotional 0% (critical)"), std::string::npos) << marked;
  EXPECT_EQ(marked.find("(critical)"), marked.rfind("(critical)")) << marked;
}

}  // namespace
}  // namespace lunasoma
