#include "model/MonthGrid.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

namespace lunasoma {

static void PrintTo(const GridCell& cell, std::ostream* out) {
  *out << "column " << cell.column << ", row " << cell.row;
}

namespace {

struct LayoutCase {
  const char* name;
  int year;
  int month;
  int startOfWeek;
  GridCell firstDay;
  GridCell lastDay;
};

class MonthLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MonthLayout, PutsTheFirstAndLastDayInTheirCells) {
  const LayoutCase& c = GetParam();
  const MonthGrid grid(c.year, c.month, c.startOfWeek);
  EXPECT_EQ(grid.cellOf(1), c.firstDay);
  EXPECT_EQ(grid.cellOf(grid.daysInMonth()), c.lastDay);
  EXPECT_EQ(grid.dayAt(c.firstDay), 1);
  EXPECT_EQ(grid.dayAt(c.lastDay), grid.daysInMonth());
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthLayout,
    ::testing::Values(
        // A month that begins in the last column must not lose its first day above the grid.
        LayoutCase{"March2026BeginsOnSunday", 2026, 3, 1, {6, 1}, {1, 6}},
        LayoutCase{"April2026BeginsOnWednesday", 2026, 4, 1, {2, 1}, {3, 5}},
        LayoutCase{"February2021BeginsOnMonday", 2021, 2, 1, {0, 1}, {6, 4}},
        LayoutCase{"March2026SundayFirst", 2026, 3, 0, {0, 1}, {2, 5}},
        LayoutCase{"February2024LeapDay", 2024, 2, 1, {3, 1}, {3, 5}},
        LayoutCase{"FirstMonthOfYearOne", 1, 1, 1, {0, 1}, {2, 5}},
        LayoutCase{"LastMonthOfYear9999", 9999, 12, 1, {2, 1}, {4, 5}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MonthGrid, EveryDayOfManyMonthsStandsUnderItsOwnWeekdayExactlyOnce) {
  for (int startOfWeek = 0; startOfWeek < 7; ++startOfWeek) {
    for (int year : {1, 1899, 1900, 2000, 2024, 2025, 2026, 9999}) {
      for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " start " << startOfWeek);
        const MonthGrid grid(year, month, startOfWeek);
        int shown = 0;
        for (int row = 0; row < MonthGrid::rows; ++row) {
          for (int column = 0; column < MonthGrid::columns; ++column) {
            const int day = grid.dayAt({column, row});
            if (day == 0) continue;
            ++shown;
            ASSERT_GE(row, 1);
            ASSERT_EQ(grid.cellOf(day), (GridCell{column, row}));
            ASSERT_EQ(grid.weekdayOfColumn(column), dayOfWeek(*encodeDate(year, month, day)) - 1);
          }
        }
        EXPECT_EQ(shown, daysInMonth(year, month));
        EXPECT_EQ(grid.cellOf(1).row, 1);
      }
    }
  }
}

TEST(MonthGrid, HeaderColumnsFollowTheStartOfWeekModuloSeven) {
  struct Row {
    int startOfWeek;
    int firstColumn;
    int lastColumn;
  };
  for (const Row& r : {Row{1, 1, 0}, Row{0, 0, 6}, Row{6, 6, 5}, Row{8, 1, 0}, Row{-1, 6, 5}}) {
    SCOPED_TRACE(r.startOfWeek);
    const MonthGrid grid(2026, 3, r.startOfWeek);
    EXPECT_EQ(grid.weekdayOfColumn(0), r.firstColumn);
    EXPECT_EQ(grid.weekdayOfColumn(6), r.lastColumn);
  }
}

TEST(MonthGrid, CellsOffTheGridAndTheHeaderShowNoDay) {
  const MonthGrid grid(2021, 2, 1);
  for (GridCell cell : {GridCell{0, 0}, GridCell{6, 0}, GridCell{0, 5}, GridCell{-1, 1}, GridCell{7, 1},
                        GridCell{0, 7}}) {
    EXPECT_EQ(grid.dayAt(cell), 0) << cell.column << "," << cell.row;
  }
}

TEST(MonthGrid, RejectsMonthsOutsideTheCalendar) {
  EXPECT_THROW(MonthGrid(2026, 13, 1), std::invalid_argument);
  EXPECT_THROW(MonthGrid(2026, 0, 1), std::invalid_argument);
  EXPECT_THROW(MonthGrid(0, 12, 1), std::invalid_argument);
  EXPECT_THROW(MonthGrid(10000, 1, 1), std::invalid_argument);
}

TEST(MonthGrid, CellSizeSharesTheClientAfterTheGridLines) {
  struct Row {
    const char* name;
    int width;
    int height;
    int lineWidth;
    CellSize expected;
  };
  for (const Row& r : {Row{"pop-up grid", 182, 101, 0, {26, 14}}, Row{"one-pixel lines", 182, 101, 1, {25, 13}},
                       Row{"lines wider than the client", 10, 10, 2, {0, 0}},
                       Row{"negative line width counts as none", 70, 70, -3, {10, 10}}}) {
    EXPECT_EQ(MonthGrid::cellSize(r.width, r.height, r.lineWidth), r.expected) << r.name;
  }
}

}  // namespace
}  // namespace lunasoma
