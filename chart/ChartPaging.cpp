#include "chart/ChartPaging.h"

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
  return laterOf(moved, birth);
}

}  // namespace lunasoma
