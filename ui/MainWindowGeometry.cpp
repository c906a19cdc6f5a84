#include "ui/MainWindowGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace lunasoma {

namespace {

// How much of a stored window must lie on some screen for the user to find it and drag it back.
constexpr int VisiblePart = 32;

}  // namespace

long long roundHalfEven(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) {  // division truncates toward zero; work with the floor instead
    --quotient;
    remainder += denominator;
  }
  const long long twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

int dividerLeftForPercent(int outerWidth, int percent) {
  return static_cast<int>(roundHalfEven(static_cast<long long>(outerWidth) * percent, 100));
}

std::uint8_t dividerPercent(int dividerLeft, int outerWidth, std::uint8_t previous) {
  if (outerWidth <= 0) return previous;
  const long long percent = roundHalfEven(static_cast<long long>(dividerLeft) * 100, outerWidth);
  return static_cast<std::uint8_t>(std::clamp<long long>(percent, 0, 255));
}

std::uint8_t closingDividerPercent(int dividerLeft, int normalOuterWidth, std::uint8_t previous) {
  return std::min<std::uint8_t>(dividerPercent(dividerLeft, normalOuterWidth, previous), 100);
}

int openingDividerLeft(int outerWidth, int percent, int clientWidth, int dividerWidth, int leftMinimum,
                       int rightMinimum) {
  // The same ends as a drag has: 6 pixels of margin on the left, and on the right the divider,
  // the right area's minimum and the right margin all within the client width.
  const int lowest = leftMinimum + 6;
  const int highest = std::max(lowest, clientWidth - dividerWidth - 6 - rightMinimum);
  return std::clamp(dividerLeftForPercent(outerWidth, percent), lowest, highest);
}

MainLayout mainLayout(const MainLayoutInput& in) {
  MainLayout out;
  const int leftWidth = std::max(in.leftMinimum, in.dividerLeft - 6);
  out.tabLeft = QRect(6, 4, std::max(0, leftWidth), std::max(0, in.clientHeight - 10));
  out.panDiv = QRect(leftWidth + 6, 6, in.dividerWidth, std::max(0, in.clientHeight - 12));
  const int rightWidth = std::max(in.rightMinimum, in.clientWidth - leftWidth - in.dividerWidth - 12);
  out.tabRight = QRect(leftWidth + in.dividerWidth + 6, 6, std::max(0, rightWidth), std::max(0, in.clientHeight - 12));

  const int w = std::max(0, leftWidth - 12);
  const int h = in.textHeight;
  const int b = in.fieldHeight;
  out.lblBirth = QRect(6, 12, w, h);
  out.cboBirth = QRect(6, out.lblBirth.top() + h + 3, w, b);
  out.lblStart = QRect(6, out.cboBirth.top() + b + 6, w, h);
  out.cboStart = QRect(6, out.lblStart.top() + h + 3, w, b);
  return out;
}

double layoutScale(double desktopPoints) {
  return desktopPoints > DesignedDesktopPoints ? desktopPoints / DesignedDesktopPoints : 1.0;
}

QRect scaledRect(const QRect& rect, double scale) {
  const auto grown = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
  return {grown(rect.x()), grown(rect.y()), grown(rect.width()), grown(rect.height())};
}

int draggedDividerLeft(int dividerLeft, int x, int leftMinimum, int tabLeftWidth, int tabRightWidth, int rightMinimum) {
  if (x < 0) return std::max(dividerLeft + x, leftMinimum + 6);
  return std::min(dividerLeft + x, tabLeftWidth + tabRightWidth - rightMinimum + 6);
}

int boundsWidth(const Bounds& bounds) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(bounds.right) - bounds.left, 0, INT_MAX));
}

QRect boundsToRect(const Bounds& bounds) {
  return QRect(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

Bounds rectToBounds(const QRect& rect) {
  return Bounds{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

namespace {

long long sharedArea(const QRect& a, const QRect& b) {
  const QRect shared = a.intersected(b);
  return static_cast<long long>(shared.width()) * shared.height();
}

// The screen's area that the window is fitted to: the one that shows most of it, else the first.
const QRect* homeScreen(const QRect& window, const std::vector<QRect>& screens) {
  const QRect* best = nullptr;
  long long bestArea = 0;
  for (const QRect& screen : screens) {
    const long long area = sharedArea(screen, window);
    if (best == nullptr || area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  }
  return best;
}

Bounds fitted(const Bounds& bounds, const QRect& area) {
  const int width = std::min(bounds.right - bounds.left, area.width());
  const int height = std::min(bounds.bottom - bounds.top, area.height());
  const int left = std::clamp(bounds.left, area.left(), area.left() + area.width() - width);
  // Only the title strip has to be on the screen; a window shrunk to the area's height fills it.
  const int lowestTop =
      height < bounds.bottom - bounds.top ? area.top() : area.top() + area.height() - TitleStripHeight;
  const int top = std::clamp(bounds.top, area.top(), std::max(area.top(), lowestTop));
  return Bounds{left, top, left + width, top + height};
}

}  // namespace

Bounds openingBounds(const Bounds& stored, const std::vector<QRect>& screens, QSize minimum) {
  // Compared in 64 bits: a hand-edited store can hold any 32-bit corners.
  const long long width = static_cast<long long>(stored.right) - stored.left;
  const long long height = static_cast<long long>(stored.bottom) - stored.top;
  bool usable = width >= minimum.width() && height >= minimum.height() && width <= 1'000'000 && height <= 1'000'000;
  if (usable) {
    const QRect rect = boundsToRect(stored);
    usable = std::any_of(screens.begin(), screens.end(), [&rect](const QRect& screen) {
      const QRect shared = screen.intersected(rect);
      return shared.width() >= VisiblePart && shared.height() >= VisiblePart;
    });
  }
  const Bounds chosen = usable ? stored : Bounds{};
  const QRect* screen = homeScreen(boundsToRect(chosen), screens);
  return screen != nullptr && !screen->isEmpty() ? fitted(chosen, *screen) : chosen;
}

bool isNormalState(Qt::WindowStates state) {
  return !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

Bounds recordedBounds(const Bounds& stored, const QRect& frame, bool positionKnown) {
  if (positionKnown) return rectToBounds(frame);
  // A hand-edited corner near the end of the range must not carry the far corner past it.
  const auto farCorner = [](std::int32_t corner, int extent) {
    return static_cast<std::int32_t>(std::min<long long>(static_cast<long long>(corner) + extent, INT32_MAX));
  };
  return Bounds{stored.left, stored.top, farCorner(stored.left, frame.width()), farCorner(stored.top, frame.height())};
}

}  // namespace lunasoma
