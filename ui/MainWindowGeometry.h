#pragma once
// The main window's pixel arithmetic: where the divider opens and what it is stored as, where the
// left column, divider and right area go for a client size, how far a divider drag may go, where a
// stored window rectangle opens on the screens there are, and what rectangle a close records.
// Plain functions of their inputs; it places no widget itself.

#include <QRect>
#include <QSize>
#include <Qt>

#include <cstdint>
#include <vector>

#include "model/BiorhythmSettings.h"

namespace lunasoma {

// numerator / denominator rounded to the nearest integer, halves to even, computed exactly.
// denominator must be positive.
long long roundHalfEven(long long numerator, long long denominator);

// The divider's left edge for a window outer width and a stored percentage.
int dividerLeftForPercent(int outerWidth, int percent);

// The percentage stored for a divider position, kept within the byte it is stored in. A window
// without width has no meaningful percentage: the old value is kept.
std::uint8_t dividerPercent(int dividerLeft, int outerWidth, std::uint8_t previous);

// The percentage recorded at close, against the outer width of the normal window whatever state
// the window is in: that is the width it is applied to at the next start. A divider beyond that
// width (one the user placed in a maximised window, say) records 100.
std::uint8_t closingDividerPercent(int dividerLeft, int normalOuterWidth, std::uint8_t previous);

// The divider's left edge at the first show: the stored percentage of the outer width, kept inside
// the client area where it can be seen and grabbed, with the right area at least its minimum wide
// (a divider stored at 100 % would otherwise hide both itself and the chart).
int openingDividerLeft(int outerWidth, int percent, int clientWidth, int dividerWidth, int leftMinimum,
                       int rightMinimum);

struct MainLayoutInput {
  int clientWidth = 0;
  int clientHeight = 0;
  int dividerLeft = 0;
  int dividerWidth = 6;
  int leftMinimum = 0;
  int rightMinimum = 0;
  int textHeight = 0;   // height of the text "A" in the window's font
  int fieldHeight = 0;  // current height of the birth date field
};

// Rectangles of the three columns in client coordinates, and of the date labels and fields inside
// the left column. A size that would come out negative is 0.
struct MainLayout {
  QRect tabLeft;
  QRect panDiv;
  QRect tabRight;
  QRect lblBirth;
  QRect cboBirth;
  QRect lblStart;
  QRect cboStart;
};

MainLayout mainLayout(const MainLayoutInput& in);

// How much the window's fixed layout grows with the desktop's font of `desktopPoints` points: the
// designed layout suits the usual desktop fonts, up to DesignedDesktopPoints; a larger font grows
// positions and sizes in proportion to its height, a smaller or unknown one leaves them as designed.
constexpr double DesignedDesktopPoints = 11.0;
double layoutScale(double desktopPoints);
// A rectangle grown by `scale` from the origin of its parent, rounded to whole pixels.
QRect scaledRect(const QRect& rect, double scale);

// The divider's new left edge when the pointer is x pixels right of its left edge (negative: left).
int draggedDividerLeft(int dividerLeft, int x, int leftMinimum, int tabLeftWidth, int tabRightWidth, int rightMinimum);

QRect boundsToRect(const Bounds& bounds);
// The width of a stored rectangle, 0 for one turned inside out and capped for a hand-edited one.
int boundsWidth(const Bounds& bounds);
Bounds rectToBounds(const QRect& rect);

// How much of the window's top, from its outer edge, holds the title bar: the part that must stay
// on a screen for the window to be dragged.
constexpr int TitleStripHeight = 32;

// The rectangle the window opens at, given the available area of each screen. A stored rectangle
// smaller than the window's minimum, or of which no screen shows at least a corner, gives way to
// the default rectangle (where a first run opens). The rectangle is then fitted to the screen that
// shows most of it: shrunk to that screen's available area where it is larger, and moved as little
// as needed for its whole title strip to lie on that area.
Bounds openingBounds(const Bounds& stored, const std::vector<QRect>& screens, QSize minimum);

// Neither minimised, maximised nor full screen: the state whose rectangle is the one stored.
bool isNormalState(Qt::WindowStates state);

// The rectangle a normal window records. Where the platform cannot report where a window is
// (Wayland tells every program its windows are at 0,0), the stored corner stays and only the new
// size is taken.
Bounds recordedBounds(const Bounds& stored, const QRect& frame, bool positionKnown);

}  // namespace lunasoma
