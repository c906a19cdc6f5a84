#include "model/MonthGrid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace lunasoma {

namespace {

int weekdayModulo(int weekday) { return (weekday % 7 + 7) % 7; }

}  // namespace

MonthGrid::MonthGrid(int year, int month, int startOfWeek)
    : m_startOfWeek(weekdayModulo(startOfWeek)), m_offset(0), m_daysInMonth(0) {
  const auto first = encodeDate(year, month, 1);
  if (!first) {
    throw std::invalid_argument("There is no month " + std::to_string(month) + " in the year " + std::to_string(year) +
                                ".");
  }
  // k counts the first day's column plus one, so a month that begins in the last column gives 0
  // and would otherwise put day 1 on a row of its own above the grid.
  const int k = weekdayModulo(dayOfWeek(*first) - m_startOfWeek);
  m_offset = k == 0 ? -5 : 2 - k;
  m_daysInMonth = lunasoma::daysInMonth(year, month);
}

int MonthGrid::weekdayOfColumn(int column) const { return weekdayModulo(m_startOfWeek + column); }

int MonthGrid::dayAt(GridCell cell) const {
  if (cell.column < 0 || cell.column >= columns || cell.row < 1 || cell.row >= rows) return 0;
  const int n = m_offset + cell.column + 7 * (cell.row - 1);
  return n >= 1 && n <= m_daysInMonth ? n : 0;
}

GridCell MonthGrid::cellOf(int day) const {
  const int i = day - m_offset;
  return {i % 7, i / 7 + 1};
}

CellSize MonthGrid::cellSize(int clientWidth, int clientHeight, int gridLineWidth) {
  const int lines = 6 * std::max(gridLineWidth, 0);
  return {std::max((clientWidth - lines) / 7, 0), std::max((clientHeight - lines) / 7, 0)};
}

}  // namespace lunasoma
