#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "ui/TCalendar.h"

namespace lunasoma {
namespace {

constexpr CivilDate pinnedToday{2026, 3, 5};

// A grid of the pop-up's shape on a given date, with its events counted.
struct Grid {
  explicit Grid(CivilDate date) : cal([] { return pinnedToday; }) {
    cal.resize(182, 101);
    cal.setGridLineWidth(0);
    cal.setStartOfWeek(1);
    cal.setShownDate(*encodeDate(date.year, date.month, date.day));
    changes.clear();
  }
  CivilDate date() const { return {cal.Year(), cal.Month(), cal.Day()}; }
  QPoint centreOf(GridCell cell) const { return cal.cellRect(cell).center(); }

  TCalendar cal;
  QSignalSpy changes{&cal, &TCalendar::OnChange};
  QSignalSpy clicks{&cal, &TCalendar::OnClick};
};

TEST(CalendarGrid, StartsOnTodayAndFollowsUseCurrentDateWithoutAnEvent) {
  TCalendar cal([] { return pinnedToday; });
  QSignalSpy changes(&cal, &TCalendar::OnChange);
  EXPECT_TRUE(cal.UseCurrentDate());
  EXPECT_EQ(cal.ShownDate(), *encodeDate(2026, 3, 5));
  cal.setDay(20);
  EXPECT_FALSE(cal.UseCurrentDate());
  cal.setUseCurrentDate(true);
  EXPECT_EQ(cal.Day(), 5);
  EXPECT_EQ(changes.count(), 1);
}

TEST(CalendarGrid, WritesFollowTheirRulesInOrder) {
  enum class Target { Year, Month, Day };
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
                       Row{"year 0 ignored", feb15, Target::Year, 0, feb15, false},
                       Row{"the same day again ignored", feb15, Target::Day, 15, feb15, false},
                       Row{"month 2 on the 30th fails", {2026, 1, 30}, Target::Month, 2, {2026, 1, 30}, true},
                       Row{"leap day into a common year fails", {2024, 2, 29}, Target::Year, 2025, {2024, 2, 29}, true},
                       Row{"year 10000 fails", feb15, Target::Year, 10000, feb15, true},
                       Row{"a new day", feb15, Target::Day, 28, {2026, 2, 28}, false},
                       Row{"a new month", feb15, Target::Month, 4, {2026, 4, 15}, false}}) {
    SCOPED_TRACE(r.name);
    Grid grid(r.from);
    CivilDate seenByHandler{};
    QObject::connect(&grid.cal, &TCalendar::OnChange, &grid.cal, [&] { seenByHandler = grid.date(); });
    auto write = [&] {
      if (r.target == Target::Year) grid.cal.setYear(r.value);
      if (r.target == Target::Month) grid.cal.setMonth(r.value);
      if (r.target == Target::Day) grid.cal.setDay(r.value);
    };
    if (r.throws) {
      EXPECT_THROW(write(), std::invalid_argument);
    } else {
      write();
    }
    EXPECT_EQ(grid.date(), r.expected);
    EXPECT_EQ(grid.cal.ShownDate(), *encodeDate(r.expected.year, r.expected.month, r.expected.day));
    EXPECT_EQ(grid.cal.selectedCell(), MonthGrid(r.expected.year, r.expected.month, 1).cellOf(r.expected.day));
    const bool changed = !(r.expected == r.from);
    EXPECT_EQ(grid.changes.count(), changed ? 1 : 0);
    if (changed) {
      EXPECT_EQ(seenByHandler, r.expected);  // the event comes after the change
    }
  }
}

TEST(CalendarGrid, ShownDateIgnoresTheTimeOfDayAndRefusesDatesOutsideTheCalendar) {
  Grid grid({2026, 3, 5});
  grid.cal.setShownDate(*encodeDate(2026, 3, 5) + 0.75);
  EXPECT_EQ(grid.changes.count(), 0);
  EXPECT_THROW(grid.cal.setShownDate(lastDayNumber + 1), std::invalid_argument);
  EXPECT_THROW(grid.cal.setShownDate(std::nan("")), std::invalid_argument);
  EXPECT_EQ(grid.date(), (CivilDate{2026, 3, 5}));
  EXPECT_EQ(grid.changes.count(), 0);
}

TEST(CalendarGrid, ShowsWeekdayNamesAndDaysInTheCellsTheyArePaintedIn) {
  Grid grid({2026, 3, 5});
  grid.cal.setWeekdayNames({"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"});
  EXPECT_EQ(grid.cal.cellText({0, 0}), "Mo");
  EXPECT_EQ(grid.cal.cellText({6, 0}), "Su");
  EXPECT_EQ(grid.cal.cellText({6, 1}), "1");
  EXPECT_EQ(grid.cal.cellText({1, 6}), "31");
  EXPECT_EQ(grid.cal.cellText({0, 1}), "");
  EXPECT_EQ(grid.cal.cellRect({1, 1}), QRect(26, 14, 26, 14));
  grid.cal.setGridLineWidth(2);
  EXPECT_EQ(grid.cal.cellRect({1, 1}), QRect(26, 14, 24, 12));

  // The selected day is painted in the highlight colour, its neighbours are not.
  grid.cal.setGridLineWidth(0);
  const QImage image = grid.cal.grab().toImage();
  const QColor highlight = grid.cal.palette().color(QPalette::Highlight);
  EXPECT_EQ(image.pixelColor(grid.cal.cellRect(grid.cal.selectedCell()).topLeft() + QPoint(1, 1)), highlight);
  EXPECT_NE(image.pixelColor(grid.cal.cellRect({4, 2}).topLeft() + QPoint(1, 1)), highlight);
}

TEST(CalendarGrid, ClicksReportBeforeTheDayIsWritten) {
  const GridCell day20 = MonthGrid(2026, 3, 1).cellOf(20);
  const GridCell day5 = MonthGrid(2026, 3, 1).cellOf(5);
  struct Row {
    const char* name;
    GridCell cell;
    bool readOnly;
    int clicks;
    int dayAtClick;
    int dayAfter;
  };
  for (const Row& r : {Row{"another day", day20, false, 1, 5, 20}, Row{"the selected day", day5, false, 1, 5, 5},
                       Row{"an empty cell", {0, 1}, false, 1, 5, 5}, Row{"the header row", {3, 0}, false, 0, 0, 5},
                       Row{"a day while read-only", day20, true, 1, 5, 5}}) {
    SCOPED_TRACE(r.name);
    Grid grid({2026, 3, 5});
    grid.cal.setReadOnly(r.readOnly);
    int dayAtClick = 0;
    QObject::connect(&grid.cal, &TCalendar::OnClick, &grid.cal, [&] { dayAtClick = grid.cal.Day(); });
    QTest::mouseClick(&grid.cal, Qt::LeftButton, {}, grid.centreOf(r.cell));
    EXPECT_EQ(grid.clicks.count(), r.clicks);
    EXPECT_EQ(dayAtClick, r.dayAtClick);
    EXPECT_EQ(grid.cal.Day(), r.dayAfter);
    EXPECT_EQ(grid.changes.count(), r.dayAfter == 5 ? 0 : 1);
    EXPECT_EQ(grid.cal.selectedCell(), MonthGrid(2026, 3, 1).cellOf(r.dayAfter));
  }
}

TEST(CalendarGrid, SelectionFollowsAHeldButtonOnlyOverDays) {
  Grid grid({2026, 3, 5});
  const MonthGrid month(2026, 3, 1);
  QTest::mousePress(&grid.cal, Qt::LeftButton, {}, grid.centreOf(month.cellOf(10)));
  QMouseEvent move(QEvent::MouseMove, grid.centreOf(month.cellOf(12)), grid.cal.mapToGlobal(grid.centreOf(month.cellOf(12))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&grid.cal, &move);
  QMouseEvent ontoEmpty(QEvent::MouseMove, grid.centreOf({0, 1}), grid.cal.mapToGlobal(grid.centreOf({0, 1})),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&grid.cal, &ontoEmpty);
  EXPECT_EQ(grid.cal.selectedCell(), month.cellOf(12));
  EXPECT_EQ(grid.cal.Day(), 5);  // nothing is written before the release
  QTest::mouseRelease(&grid.cal, Qt::LeftButton, {}, grid.centreOf({0, 1}));
  EXPECT_EQ(grid.cal.Day(), 12);
  EXPECT_EQ(grid.clicks.count(), 1);
}

}  // namespace
}  // namespace lunasoma
