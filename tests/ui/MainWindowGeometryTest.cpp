#include <gtest/gtest.h>

#include "ui/MainWindowGeometry.h"

namespace lunasoma {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Row {
    const char* name;
    long long numerator;
    long long denominator;
    long long expected;
  };
  const Row rows[] = {
      {"exact", 12800, 100, 128},
      {"below half", 6449, 100, 64},
      {"above half", 6451, 100, 65},
      {"half to even down", 6450, 100, 64},
      {"half to even up", 6550, 100, 66},
      {"negative half", -250, 100, -2},
      {"negative above half", -260, 100, -3},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(roundHalfEven(row.numerator, row.denominator), row.expected) << row.name;
  }
}

TEST(DividerPosition, OpensAtAndIsStoredAsRoundedPercent) {
  struct Row {
    const char* name;
    int outerWidth;
    int percent;
    int left;
  };
  const Row rows[] = {
      {"default window", 640, 20, 128},
      {"exact half rounds to even below", 645, 10, 64},
      {"exact half rounds to even above", 655, 10, 66},
      {"nothing", 640, 0, 0},
  };
  for (const Row& row : rows) EXPECT_EQ(dividerLeftForPercent(row.outerWidth, row.percent), row.left) << row.name;

  EXPECT_EQ(dividerPercent(128, 640, 7), 20);
  EXPECT_EQ(dividerPercent(25, 1000, 7), 2) << "2.5 % goes to the even 2";
  EXPECT_EQ(dividerPercent(35, 1000, 7), 4) << "3.5 % goes to the even 4";
  EXPECT_EQ(dividerPercent(5000, 100, 7), 255) << "a divider far outside stays within the stored byte";
  EXPECT_EQ(dividerPercent(128, 0, 7), 7) << "a window without width keeps the old value";
}

TEST(MainLayoutTest, PlacesColumnsAndFields) {
  MainLayoutInput in;
  in.clientWidth = 640;
  in.clientHeight = 450;
  in.dividerLeft = 128;
  in.textHeight = 13;
  in.fieldHeight = 21;
  const MainLayout layout = mainLayout(in);
  EXPECT_EQ(layout.tabLeft, QRect(6, 4, 122, 440));
  EXPECT_EQ(layout.panDiv, QRect(128, 6, 6, 438));
  EXPECT_EQ(layout.tabRight, QRect(134, 6, 500, 438));
  EXPECT_EQ(layout.tabRight.x() + layout.tabRight.width(), 640 - 6) << "6 pixels right margin";
  EXPECT_EQ(layout.lblBirth, QRect(6, 12, 110, 13));
  EXPECT_EQ(layout.cboBirth, QRect(6, 28, 110, 21));
  EXPECT_EQ(layout.lblStart, QRect(6, 55, 110, 13));
  EXPECT_EQ(layout.cboStart, QRect(6, 71, 110, 21));
}

TEST(MainLayoutTest, EdgeCasesKeepTheLeftColumnAndClampAtZero) {
  struct Row {
    const char* name;
    int clientWidth;
    int dividerLeft;
    int tabLeftWidth;
    int tabRightWidth;
    int fieldWidth;
  };
  const Row rows[] = {
      // Narrower than the left column plus 18: the left column keeps its width, the right gets none.
      {"window narrower than the left column", 130, 128, 122, 0, 110},
      {"divider at the far left", 640, 6, 0, 622, 0},
      {"divider at the far right", 640, 628, 622, 0, 610},
  };
  for (const Row& row : rows) {
    MainLayoutInput in;
    in.clientWidth = row.clientWidth;
    in.clientHeight = 300;
    in.dividerLeft = row.dividerLeft;
    in.textHeight = 13;
    in.fieldHeight = 21;
    const MainLayout layout = mainLayout(in);
    EXPECT_EQ(layout.tabLeft.width(), row.tabLeftWidth) << row.name;
    EXPECT_EQ(layout.tabRight.width(), row.tabRightWidth) << row.name;
    EXPECT_EQ(layout.cboBirth.width(), row.fieldWidth) << row.name;
  }
  MainLayoutInput tiny;
  tiny.clientWidth = 3;
  tiny.clientHeight = 5;
  const MainLayout layout = mainLayout(tiny);
  EXPECT_EQ(layout.tabLeft.height(), 0);
  EXPECT_EQ(layout.tabRight.height(), 0);
}

TEST(DividerDrag, StopsAtBothEnds) {
  // Client width 640: the left column is 122 wide and the right area 500, as at the default start.
  struct Row {
    const char* name;
    int x;
    int expected;
  };
  const Row rows[] = {
      {"a little left", -20, 108}, {"far left stops at 6", -1000, 6},
      {"a little right", 30, 158}, {"far right stops with its right edge at CW - 6", 1000, 628},
      {"no move", 0, 128},
  };
  for (const Row& row : rows) EXPECT_EQ(draggedDividerLeft(128, row.x, 0, 122, 500, 0), row.expected) << row.name;
}

TEST(OpeningBounds, UnreachableOrTooSmallRectanglesOpenAtTheDefault) {
  const std::vector<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
  const QSize minimum(120, 90);
  struct Row {
    const char* name;
    Bounds stored;
    bool kept;
  };
  const Row rows[] = {
      {"on the first screen", {100, 50, 740, 530}, true},
      {"on the second screen", {1500, 300, 2140, 780}, true},
      {"on a screen that is gone", {3000, 100, 3640, 580}, false},
      {"only a sliver visible", {1020 + 1280 - 10, 0, 2294 + 640, 480}, false},
      {"narrower than the minimum", {10, 10, 100, 400}, false},
      {"upside down", {640, 480, 0, 0}, false},
      {"corners at the ends of the range", {-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647}, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(openingBounds(row.stored, screens, minimum), row.kept ? row.stored : Bounds{}) << row.name;
  }
}

TEST(OpeningBounds, KeepsTheTitleStripOnTheScreenAndShrinksToItsAvailableArea) {
  // A 1280 x 1024 screen with a 30-pixel panel at the bottom, and a second one to its right.
  const std::vector<QRect> screens{QRect(0, 0, 1280, 994), QRect(1280, 0, 1024, 768)};
  const QSize minimum(120, 90);
  struct Row {
    const char* name;
    Bounds stored;
    Bounds opened;
  };
  const Row rows[] = {
      {"larger than the screen", {0, 0, 3000, 2000}, {0, 0, 1280, 994}},
      {"title bar above and left of the screen", {-600, -400, 40, 80}, {0, 0, 640, 480}},
      {"title bar above the screen", {100, -20, 740, 460}, {100, 0, 740, 480}},
      {"hanging off the left edge", {-600, -20, 40, 460}, {0, 0, 640, 480}},
      {"reaching under the panel keeps its place", {100, 900, 740, 1380}, {100, 900, 740, 1380}},
      {"across both screens goes to the one showing more", {1000, 100, 1640, 580}, {1280, 100, 1920, 580}},
      {"taller than the second screen", {1400, 100, 2040, 1100}, {1400, 0, 2040, 768}},
      {"unreachable opens at the default", {5000, 0, 5640, 480}, {0, 0, 640, 480}},
  };
  for (const Row& row : rows) EXPECT_EQ(openingBounds(row.stored, screens, minimum), row.opened) << row.name;

  const std::vector<QRect> small{QRect(0, 0, 600, 400)};
  EXPECT_EQ(openingBounds(Bounds{}, small, minimum), (Bounds{0, 0, 600, 400})) << "a first run on a small screen";
}

TEST(OpeningDivider, StaysInsideTheClientAreaWithTheRightMinimum) {
  struct Row {
    const char* name;
    int outerWidth;
    int percent;
    int clientWidth;
    int leftMinimum;
    int rightMinimum;
    int left;
  };
  const Row rows[] = {
      {"the default", 640, 20, 630, 0, 0, 128},
      {"all the way right", 640, 100, 630, 0, 0, 630 - 12},
      {"all the way right with a right minimum", 640, 100, 630, 0, 50, 630 - 12 - 50},
      {"all the way left", 640, 0, 630, 0, 0, 6},
      {"left minimum", 640, 0, 630, 40, 0, 46},
      {"window narrower than both minimums", 100, 50, 90, 60, 60, 66},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(openingDividerLeft(row.outerWidth, row.percent, row.clientWidth, 6, row.leftMinimum, row.rightMinimum),
              row.left)
        << row.name;
  }
}

TEST(RecordedBounds, KeepTheStoredCornerWhereThePlatformCannotTellIt) {
  const Bounds stored{200, 150, 840, 630};
  struct Row {
    const char* name;
    QRect frame;
    bool positionKnown;
    Bounds recorded;
  };
  const Row rows[] = {
      {"X11 records the rectangle", QRect(10, 20, 700, 500), true, {10, 20, 710, 520}},
      {"Wayland's 0,0 is not taken", QRect(0, 0, 700, 500), false, {200, 150, 900, 650}},
      {"Wayland, size unchanged", QRect(0, 0, 640, 480), false, stored},
  };
  for (const Row& row : rows) EXPECT_EQ(recordedBounds(stored, row.frame, row.positionKnown), row.recorded) << row.name;
  EXPECT_EQ(recordedBounds(Bounds{2147483000, 0, 2147483600, 480}, QRect(0, 0, 800, 480), false),
            (Bounds{2147483000, 0, 2147483647, 480}))
      << "a hand-edited corner at the end of the range does not overflow";
}

// Only the rectangle of a normal window is stored, so a state that merely adds a flag (active, or
// minimised on top of maximised) must be read by its size flags alone.
TEST(NormalState, OnlyWithoutMinimisedMaximisedOrFullScreen) {
  struct Row {
    const char* name;
    Qt::WindowStates state;
    bool normal;
  };
  const Row rows[] = {
      {"no flag", Qt::WindowNoState, true},
      {"active only", Qt::WindowActive, true},
      {"minimised", Qt::WindowMinimized, false},
      {"maximised and active", Qt::WindowMaximized | Qt::WindowActive, false},
      {"full screen", Qt::WindowFullScreen, false},
      {"minimised from maximised", Qt::WindowMinimized | Qt::WindowMaximized, false},
  };
  for (const Row& row : rows) EXPECT_EQ(isNormalState(row.state), row.normal) << row.name;
}

}  // namespace
}  // namespace lunasoma
