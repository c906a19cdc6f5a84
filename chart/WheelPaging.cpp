#include "chart/WheelPaging.h"

namespace lunasoma {

int WheelNotches::add(int angleDelta) {
  if ((angleDelta > 0 && m_rest < 0) || (angleDelta < 0 && m_rest > 0)) m_rest = 0;
  // Kept in 64 bits: a flood of large movements must not overflow the sum.
  const long long total = static_cast<long long>(m_rest) + angleDelta;
  const long long notches = total / WheelNotch;  // toward zero, so the rest keeps the sign
  m_rest = static_cast<int>(total - notches * WheelNotch);
  return static_cast<int>(notches);
}

DateMove wheelMove(bool up, bool byPage) {
  if (byPage) return up ? DateMove::PreviousPage : DateMove::NextPage;
  return up ? DateMove::OneDayBack : DateMove::OneDayForward;
}

}  // namespace lunasoma
