#pragma once
// The chart pages with the mouse wheel: a notch away from the user goes a day back, towards the
// user a day forward, a page with Ctrl held. Wheels report in eighths of a degree, a notch being
// 120 of them; high-resolution wheels and touchpads report small parts of a notch, which add up.

#include "chart/ChartPaging.h"

namespace lunasoma {

inline constexpr int WheelNotch = 120;

class WheelNotches {
 public:
  // Adds a wheel movement (positive away from the user) and returns the whole notches completed,
  // with their sign, keeping what is left of a notch for the next movement. A movement against the
  // direction of what was left starts afresh, so that turning back moves at once.
  int add(int angleDelta);

 private:
  int m_rest = 0;
};

// The move of one notch: away from the user (up) goes back in time.
DateMove wheelMove(bool up, bool byPage);

}  // namespace lunasoma
