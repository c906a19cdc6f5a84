#pragma once
// Where the day columns of a drawn chart lie, so that a point on the chart can be traced back to
// its day. The chart drawing fills this in as it lays the columns out; nothing here draws.

#include <optional>

#include "model/Calendar.h"

namespace lunasoma {

struct DayColumns {
  int left = 0;         // x of the first column: the plot box's left side
  int top = 0;          // the plot box's top
  int bottom = 0;       // the foot of the row of day numbers under the box
  int lastColumn = -1;  // index of the last column; -1 while no chart is drawn
  float dx = 0;         // the distance from one column to the next, as the drawing takes it
  DayNumber start = 0;  // the day of the first column
  int startDays = 0;    // days from birth to the first column
};

// The column whose day a point belongs to: the column nearest to x, when the point lies within half
// a column of it and between the top of the plot box and the foot of the day numbers. Nothing for
// any other point, or when no chart is drawn.
std::optional<int> dayColumnAt(const DayColumns& columns, int x, int y);

// The strip [left, right) of a column's points, as dayColumnAt reads them.
struct ColumnStrip {
  int left = 0;
  int right = 0;
};
ColumnStrip dayColumnStrip(const DayColumns& columns, int column);

}  // namespace lunasoma
