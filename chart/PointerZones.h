#pragma once
// The chart area as a pointer control: its width is cut into five equal zones, which stand, from
// the left, for a page back, a day back, today, a day forward and a page forward. It only maps a
// pointer position to the move of its zone; choosing pointer shapes and running moves is the
// window's business.

#include <optional>

#include "chart/ChartPaging.h"

namespace lunasoma {

inline constexpr int PointerZoneCount = 5;

// The move of the zone under a pointer at x on a chart `width` pixels wide, or nothing when x lies
// in none of the five zones: left of the chart (a captured pointer), in the few pixels right of the
// fifth zone that the division leaves over, or anywhere on a chart too narrow to have zones at all.
std::optional<DateMove> pointerZoneMove(int x, int width);

}  // namespace lunasoma
