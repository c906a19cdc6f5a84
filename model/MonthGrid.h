#pragma once
// The layout of one month on a grid of seven columns under a header row of weekday names: which
// day stands in which cell, which cell holds a given day, and how big the cells are. It draws
// nothing and knows neither today nor the locale's names.

#include "model/Calendar.h"

namespace lunasoma {

struct GridCell {
  int column = 0;  // 0..6
  int row = 0;     // 0 is the header row, 1..6 hold the days
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct CellSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const CellSize&, const CellSize&) = default;
};

class MonthGrid {
 public:
  static constexpr int columns = 7;
  static constexpr int rows = 7;

  // startOfWeek is the weekday of the first column, 0 = Sunday .. 6 = Saturday; other values are
  // taken modulo 7. Throws std::invalid_argument for a month that is not in the years 1..9999.
  MonthGrid(int year, int month, int startOfWeek);

  // The number that column 0 of row 1 would show if days ran on before the first of the month.
  // Day 1 always lands in row 1, so the offset lies between -5 and 1.
  int offset() const { return m_offset; }
  int daysInMonth() const { return m_daysInMonth; }

  int weekdayOfColumn(int column) const;  // 0 = Sunday .. 6 = Saturday
  int dayAt(GridCell cell) const;         // 0 for the header row, an empty cell or a cell off the grid
  GridCell cellOf(int day) const;         // the cell a day of this month stands in

  // Cells share the client area after the lines between them; a client too small for the lines
  // gives empty cells rather than negative ones.
  static CellSize cellSize(int clientWidth, int clientHeight, int gridLineWidth);

 private:
  int m_startOfWeek;
  int m_offset;
  int m_daysInMonth;
};

}  // namespace lunasoma
