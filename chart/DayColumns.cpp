#include "chart/DayColumns.h"

#include <cmath>

namespace lunasoma {

std::optional<int> dayColumnAt(const DayColumns& columns, int x, int y) {
  if (columns.lastColumn < 0 || !(columns.dx > 0)) return std::nullopt;
  if (y < columns.top || y >= columns.bottom) return std::nullopt;
  const double position = (x - columns.left) / static_cast<double>(columns.dx);
  // Each column owns the points up to half-way to its neighbours, the two outer ones as far again
  // beyond the frame, where their day numbers stand.
  const double nearest = std::floor(position + 0.5);
  if (nearest < 0 || nearest > columns.lastColumn) return std::nullopt;
  return static_cast<int>(nearest);
}

ColumnStrip dayColumnStrip(const DayColumns& columns, int column) {
  const double dx = columns.dx;
  const double centre = columns.left + column * dx;
  return {static_cast<int>(std::ceil(centre - dx / 2)), static_cast<int>(std::ceil(centre + dx / 2))};
}

}  // namespace lunasoma
