#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "ui/TCalendar.h"

namespace lunasoma {
namespace {

// A grid of the pop-up's shape on 5 March 2026, with its events counted.
struct Grid {
  explicit Grid(CivilDate date = {2026, 3, 5}) : cal([] { return CivilDate{2026, 3, 5}; }) {
    cal.resize(182, 101);
    cal.setGridLineWidth(0);
    cal.setStartOfWeek(1);
    cal.setShownDate(*encodeDate(date.year, date.month, date.day));
    changes.clear();
  }
  CivilDate date() const { return {cal.Year(), cal.Month(), cal.Day()}; }
  QPoint centreOfDay(int day) const { return cal.cellRect(MonthGrid(cal.Year(), cal.Month(), 1).cellOf(day)).center(); }

  TCalendar cal;
  QSignalSpy changes{&cal, &TCalendar::OnChange};
  QSignalSpy clicks{&cal, &TCalendar::OnClick};
};

TEST(CalendarGrid, WritesFollowTheirRulesInOrder) {
  enum class Target { Year, Month, Day, UseCurrentDate };
  struct Row {
    const char* name;
    CivilDate from;
    Target target;
    int value;
    CivilDate expected;
    bool throws;
  };
  const CivilDate feb15{2026, 2, 15};
  for (const Row& r : {Row{"day 31 in February ignored", feb15, Target::Day, 31, feb15, false},
                       Row{"day 0 ignored", feb15, Target::Day, 0, feb15, false},
                       Row{"month 13 ignored", feb15, Target::Month, 13, feb15, false},
                       Row{"the same day again ignored", feb15, Target::Day, 15, feb15, false},
                       Row{"month 2 on the 30th fails", {2026, 1, 30}, Target::Month, 2, {2026, 1, 30}, true},
                       Row{"leap day into a common year fails", {2024, 2, 29}, Target::Year, 2025, {2024, 2, 29}, true},
                       Row{"year 10000 fails", feb15, Target::Year, 10000, feb15, true},
                       Row{"a new day", feb15, Target::Day, 28, {2026, 2, 28}, false},
                       Row{"a new month", feb15, Target::Month, 4, {2026, 4, 15}, false},
                       Row{"back to today without an event", feb15, Target::UseCurrentDate, 1, {2026, 3, 5}, false}}) {
    SCOPED_TRACE(r.name);
    Grid grid(r.from);
    ASSERT_FALSE(grid.cal.UseCurrentDate());
    CivilDate seenByHandler{};
    QObject::connect(&grid.cal, &TCalendar::OnChange, &grid.cal, [&] { seenByHandler = grid.date(); });
    auto write = [&] {
      if (r.target == Target::Year) grid.cal.setYear(r.value);
      if (r.target == Target::Month) grid.cal.setMonth(r.value);
      if (r.target == Target::Day) grid.cal.setDay(r.value);
      if (r.target == Target::UseCurrentDate) grid.cal.setUseCurrentDate(true);
    };
    if (r.throws) {
      EXPECT_THROW(write(), std::invalid_argument);
    } else {
      write();
    }
    EXPECT_TRUE(grid.date() == r.expected);
    EXPECT_EQ(grid.cal.ShownDate(), *encodeDate(r.expected.year, r.expected.month, r.expected.day));
    EXPECT_TRUE(grid.cal.selectedCell() == MonthGrid(r.expected.year, r.expected.month, 1).cellOf(r.expected.day));
    const bool raises = !(r.expected == r.from) && r.target != Target::UseCurrentDate;
    EXPECT_EQ(grid.changes.count(), raises ? 1 : 0);
    EXPECT_TRUE(seenByHandler == (raises ? r.expected : CivilDate{}));  // raised after the change
  }
}

TEST(CalendarGrid, ShownDateIgnoresTheTimeOfDayAndRefusesDatesOutsideTheCalendar) {
  Grid grid;
  grid.cal.setShownDate(*encodeDate(2026, 3, 5) + 0.75);
  EXPECT_THROW(grid.cal.setShownDate(lastDayNumber + 1), std::invalid_argument);
  EXPECT_THROW(grid.cal.setShownDate(std::nan("")), std::invalid_argument);
  EXPECT_TRUE(grid.date() == (CivilDate{2026, 3, 5}));
  EXPECT_EQ(grid.changes.count(), 0);
}

TEST(CalendarGrid, PaintsNamesDaysAndTheSelectionInTheirCells) {
  Grid grid;
  grid.cal.setWeekdayNames({"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"}, {"S", "M", "T", "W", "T", "F", "S"});
  EXPECT_EQ(grid.cal.cellText({0, 0}), "Mo");
  EXPECT_EQ(grid.cal.cellText({6, 0}), "Su");
  EXPECT_EQ(grid.cal.cellText({6, 1}), "1");
  EXPECT_EQ(grid.cal.cellText({0, 1}), "");
  EXPECT_EQ(grid.cal.cellRect({1, 1}), QRect(26, 14, 26, 14));
  const QImage image = grid.cal.grab().toImage();
  const QColor highlight = grid.cal.palette().color(QPalette::Highlight);
  EXPECT_EQ(image.pixelColor(grid.centreOfDay(5) - QPoint(10, 5)), highlight);
  EXPECT_NE(image.pixelColor(grid.centreOfDay(6) - QPoint(10, 5)), highlight);
  grid.cal.setGridLineWidth(2);
  EXPECT_EQ(grid.cal.cellRect({1, 1}), QRect(26, 14, 24, 12));
}

TEST(CalendarGrid, ClicksReportBeforeTheDayIsWritten) {
  struct Row {
    const char* name;
    QPoint where;
    bool readOnly;
    int clicks;
    int dayAfter;
  };
  const Grid layout;
  for (const Row& r : {Row{"another day", layout.centreOfDay(20), false, 1, 20},
                       Row{"the selected day", layout.centreOfDay(5), false, 1, 5},
                       Row{"an empty cell", layout.cal.cellRect({0, 1}).center(), false, 1, 5},
                       Row{"the header row", layout.cal.cellRect({3, 0}).center(), false, 0, 5},
                       Row{"a day while read-only", layout.centreOfDay(20), true, 1, 5}}) {
    SCOPED_TRACE(r.name);
    Grid grid;
    grid.cal.setReadOnly(r.readOnly);
    int dayAtClick = 0;
    QObject::connect(&grid.cal, &TCalendar::OnClick, &grid.cal, [&] { dayAtClick = grid.cal.Day(); });
    QTest::mouseClick(&grid.cal, Qt::LeftButton, {}, r.where);
    EXPECT_EQ(grid.clicks.count(), r.clicks);
    EXPECT_EQ(dayAtClick, r.clicks ? 5 : 0);
    EXPECT_EQ(grid.cal.Day(), r.dayAfter);
    EXPECT_EQ(grid.changes.count(), r.dayAfter == 5 ? 0 : 1);
  }
}

TEST(CalendarGrid, SelectionFollowsAHeldButtonOnlyOverDays) {
  Grid grid;
  QTest::mousePress(&grid.cal, Qt::LeftButton, {}, grid.centreOfDay(10));
  QTest::mouseMove(&grid.cal, grid.centreOfDay(12));
  QTest::mouseMove(&grid.cal, grid.cal.cellRect({0, 1}).center());
  EXPECT_EQ(grid.cal.Day(), 5);  // nothing is written before the release
  QTest::mouseRelease(&grid.cal, Qt::LeftButton, {}, grid.cal.cellRect({0, 1}).center());
  EXPECT_EQ(grid.cal.Day(), 12);
  EXPECT_EQ(grid.clicks.count(), 1);
}

}  // namespace
}  // namespace lunasoma
