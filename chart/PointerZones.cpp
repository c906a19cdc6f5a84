#include "chart/PointerZones.h"

namespace lunasoma {

std::optional<DateMove> pointerZoneMove(int x, int width) {
  const int zoneWidth = width / PointerZoneCount;
  // A chart narrower than five pixels has zones of no width; dividing by it would be undefined.
  // Negative positions are tested apart, because integer division would fold the first zone's
  // width of pixels left of the chart into zone 1.
  if (zoneWidth <= 0 || x < 0) return std::nullopt;
  switch (x / zoneWidth + 1) {
    case 1:
      return DateMove::PreviousPage;
    case 2:
      return DateMove::OneDayBack;
    case 3:
      return DateMove::Today;
    case 4:
      return DateMove::OneDayForward;
    case 5:
      return DateMove::NextPage;
    default:
      return std::nullopt;
  }
}

}  // namespace lunasoma
