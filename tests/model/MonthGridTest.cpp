#include "model/MonthGrid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lunasoma {
namespace {

TEST(MonthGrid, PutsTheFirstAndLastDayOfAMonthInTheirCells) {
  struct Row {
    const char* name;
    int year, month, startOfWeek;
    GridCell first, last;
  };
  // A month that begins in the last column must not lose its first day above the grid.
  for (const Row& r : {Row{"March 2026 begins on a Sunday", 2026, 3, 1, {6, 1}, {1, 6}},
                       Row{"April 2026 begins on a Wednesday", 2026, 4, 1, {2, 1}, {3, 5}},
                       Row{"February 2021 begins on a Monday", 2021, 2, 1, {0, 1}, {6, 4}},
                       Row{"March 2026 with Sunday first", 2026, 3, 0, {0, 1}, {2, 5}}}) {
    SCOPED_TRACE(r.name);
    const MonthGrid grid(r.year, r.month, r.startOfWeek);
    EXPECT_TRUE(grid.cellOf(1) == r.first);
    EXPECT_TRUE(grid.cellOf(grid.daysInMonth()) == r.last);
    EXPECT_EQ(grid.dayAt(r.first), 1);
    EXPECT_EQ(grid.dayAt(r.last), grid.daysInMonth());
  }
}

TEST(MonthGrid, EveryDayStandsUnderItsOwnWeekdayExactlyOnce) {
  for (int startOfWeek = -1; startOfWeek <= 7; ++startOfWeek) {
    for (int year : {1, 1900, 2000, 2024, 2026, 9999}) {
      for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " starting on " << startOfWeek);
        const MonthGrid grid(year, month, startOfWeek);
        int shown = 0;
        for (int row = 0; row <= MonthGrid::rows; ++row) {
          for (int column = -1; column <= MonthGrid::columns; ++column) {
            const int day = grid.dayAt({column, row});
            if (day == 0) continue;
            ++shown;
            ASSERT_TRUE(row >= 1 && row < MonthGrid::rows && column >= 0 && column < MonthGrid::columns);
            ASSERT_TRUE(grid.cellOf(day) == (GridCell{column, row}));
            ASSERT_EQ(grid.weekdayOfColumn(column), dayOfWeek(*encodeDate(year, month, day)) - 1);
          }
        }
        ASSERT_EQ(shown, daysInMonth(year, month));
        ASSERT_EQ(grid.cellOf(1).row, 1);
      }
    }
  }
}

TEST(MonthGrid, RefusesMonthsOutsideTheCalendarAndSizesCellsWithoutGoingNegative) {
  EXPECT_THROW(MonthGrid(2026, 13, 1), std::invalid_argument);
  EXPECT_THROW(MonthGrid(0, 12, 1), std::invalid_argument);
  EXPECT_THROW(MonthGrid(10000, 1, 1), std::invalid_argument);
  EXPECT_TRUE(MonthGrid::cellSize(182, 101, 0) == (CellSize{26, 14}));
  EXPECT_TRUE(MonthGrid::cellSize(182, 101, 1) == (CellSize{25, 13}));
  EXPECT_TRUE(MonthGrid::cellSize(10, 10, 2) == (CellSize{0, 0}));
}

}  // namespace
}  // namespace lunasoma
