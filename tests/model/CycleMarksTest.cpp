// Critical days, how two people's cycles compare, and the table of the shown days, against values
// worked out by hand.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/CycleMarks.h"
#include "model/DayReadout.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }

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

std::vector<std::vector<std::string>> readCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) fields.push_back(cell);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

TEST(CycleMarks, TheDayTableReadsBackAsTheReadoutsValues) {
  const DayNumber birth = day(2000, 1, 1);
  const DayNumber start = day(2000, 2, 27);  // across a leap day and a month's end
  for (const bool critical : {false, true}) {
    SCOPED_TRACE(critical);
    const std::string text = dayTableCsv(birth, start, 5, critical);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const auto rows = readCsv(text);
    ASSERT_EQ(rows.size(), 6u);
    std::vector<std::string> header{"Date", "Physical", "Emotional", "Mental", "Overall"};
    if (critical) header.push_back("Critical");
    EXPECT_EQ(rows[0], header);
    const char* dates[] = {"2000-02-27", "2000-02-28", "2000-02-29", "2000-03-01", "2000-03-02"};
    for (int i = 0; i < 5; ++i) {
      const auto& row = rows[static_cast<std::size_t>(i) + 1];
      ASSERT_EQ(row.size(), header.size());
      EXPECT_EQ(row[0], dates[i]);
      const DayPercentages values = dayPercentages(57 + i);
      EXPECT_EQ(std::stoi(row[1]), values.physical);
      EXPECT_EQ(std::stoi(row[2]), values.emotional);
      EXPECT_EQ(std::stoi(row[3]), values.mental);
      EXPECT_EQ(std::stoi(row[4]), values.overall);
    }
    if (critical) {
      // Days 57..61 since birth: Emotional meets zero on day 56 + 0 = 56 (not shown) and 14 days
      // on; Physical crosses on day 57 (57 = 2 * 23 + 11); Mental on day 49 + 16 = 65 (not shown).
      EXPECT_EQ(rows[1][5], "Physical");
      for (int i = 2; i <= 5; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)][5], "");
    }
  }
}

TEST(CycleMarks, TheTableNamesEveryCycleCriticalOnADay) {
  // On the birth day itself every cycle starts at zero.
  const auto rows = readCsv(dayTableCsv(day(1990, 6, 1), day(1990, 6, 1), 1, true));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][5], "Physical Emotional Mental");
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
