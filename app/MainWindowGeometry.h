#pragma once
// The main window's pixel arithmetic: where the divider opens and what it is stored as, where the
// left column, divider and right area go for a client size, how far a divider drag may go, and
// whether a stored window rectangle can be used at all. Plain functions of their inputs; it places
// no widget itself.

#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

#include "app/BiorhythmSettings.h"

namespace lunasoma {

// numerator / denominator rounded to the nearest integer, halves to even, computed exactly.
// denominator must be positive.
long long roundHalfEven(long long numerator, long long denominator);

// The divider's left edge for a window outer width and a stored percentage.
int dividerLeftForPercent(int outerWidth, int percent);

// The percentage stored for a divider position, kept within the byte it is stored in. A window
// without width has no meaningful percentage: the old value is kept.
std::uint8_t dividerPercent(int dividerLeft, int outerWidth, std::uint8_t previous);

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

// The divider's new left edge when the pointer is x pixels right of its left edge (negative: left).
int draggedDividerLeft(int dividerLeft, int x, int leftMinimum, int tabLeftWidth, int tabRightWidth,
                       int rightMinimum);

QRect boundsToRect(const Bounds& bounds);
Bounds rectToBounds(const QRect& rect);

// The rectangle the window opens at: the stored one, unless it is smaller than the window's minimum
// or shows less than a corner of itself on any screen, in which case the default rectangle (where
// a first run opens) is used.
Bounds openingBounds(const Bounds& stored, const std::vector<QRect>& screens, QSize minimum);

}  // namespace lunasoma
