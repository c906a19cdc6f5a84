#include "chart/ChartPaging.h"

#include <algorithm>

#include "chart/ChartDrawing.h"
#include "model/Biorhythm.h"

namespace lunasoma {

int pageDays(int range) { return 7 * (range + 1); }

DayNumber movedStart(DateMove move, DayNumber start, DayNumber birth, int range, DayNumber today) {
  DayNumber moved = start;
  switch (move) {
    case DateMove::PreviousPage:
      moved = start - pageDays(range);
      break;
    case DateMove::OneDayBack:
      moved = start - 1;
      break;
    case DateMove::Today:
      moved = today;
      break;
    case DateMove::OneDayForward:
      moved = start + 1;
      break;
    case DateMove::NextPage:
      moved = start + pageDays(range);
      break;
  }
  // Moving forward stops at the last start the chart can draw, short of the calendar's end where
  // a start could no longer be written; a start already beyond it (typed) is left where it is.
  if (moved > start && moved > lastChartStart) moved = std::max(start, lastChartStart);
  return laterOf(moved, birth);
}

}  // namespace lunasoma
