// The chart from the keyboard: reached with Tab, a day cursor moved with the arrow keys, and what
// a screen reader is told about it.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>

#include <initializer_list>
#include <string>

#include "model/Biorhythm.h"
#include "model/DayReadout.h"
#include "tests/ui/MainWindowFixture.h"

namespace lunasoma {
namespace {

class ChartKeyboardTest : public test::MainWindowFixture {
 protected:
  void openChart(bool markCritical = false) {
    BiorhythmSettings previous;
    previous.MarkCritical = markCritical;
    previous.Birth = day(1990, 5, 17);
    previous.Start = day(2024, 3, 1);
    previous.SaveStartDate = true;
    previous.Range = 1;
    store(previous);
    open();
    QApplication::setActiveWindow(m_window.get());
  }

  QWidget* chart() { return child<QWidget>("pntBio"); }

  // What the chart tells a screen reader about the day its cursor stands on.
  std::string focusedDay() {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart());
    QAccessibleInterface* focused = face ? face->focusChild() : nullptr;
    return focused ? focused->text(QAccessible::Name).toStdString() : "<none>";
  }

  std::string readout(DayNumber date, bool markCritical = false) {
    return dayReadoutText(date, daysBetween(day(1990, 5, 17), date), context.startLocale, markCritical);
  }
};

TEST_F(ChartKeyboardTest, TabReachesTheChartAfterTheStartFieldAndAClickDoesNot) {
  openChart();
  QTest::mouseClick(chart(), Qt::LeftButton, {}, QPoint(chart()->width() / 2, chart()->height() / 2));
  EXPECT_FALSE(chart()->hasFocus()) << "a click leaves the focus where it was";
  child<QWidget>("cboStart")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(chart()->hasFocus());

  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->childCount(), 14) << "two weeks shown, one day per column";
  EXPECT_EQ(focusedDay(), readout(day(2024, 3, 1))) << "the cursor starts on the first day";
}

TEST_F(ChartKeyboardTest, TheDayCursorMovesWithinTheDaysShownAndReadsTheDay) {
  const struct {
    const char* keys;
    std::initializer_list<Qt::Key> presses;
    int dayOfMonth;
  } rows[] = {
      {"Right", {Qt::Key_Right}, 2},
      {"Right Right Left", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}, 2},
      {"Left stops at the first day", {Qt::Key_Left}, 1},
      {"End", {Qt::Key_End}, 14},
      {"Right stops at the last day", {Qt::Key_End, Qt::Key_Right}, 14},
      {"End Home", {Qt::Key_End, Qt::Key_Home}, 1},
  };
  openChart();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.keys);
    chart()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(chart(), Qt::Key_Home);
    for (const Qt::Key key : row.presses) QTest::keyClick(chart(), key);
    EXPECT_EQ(focusedDay(), readout(day(2024, 3, row.dayOfMonth)));
  }
}

// With critical days marked, the cursor reads what the tool tip reads, "(critical)" included.
TEST_F(ChartKeyboardTest, TheCursorReadsCriticalDaysAsTheToolTipDoes) {
  openChart(true);
  chart()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(chart(), Qt::Key_Home);
  int critical = 0;
  for (int dayOfMonth = 1; dayOfMonth <= 14; ++dayOfMonth) {
    const std::string expected = readout(day(2024, 3, dayOfMonth), true);
    EXPECT_EQ(focusedDay(), expected) << "March " << dayOfMonth;
    if (expected.find("(critical)") != std::string::npos) ++critical;
    QTest::keyClick(chart(), Qt::Key_Right);
  }
  EXPECT_GT(critical, 0) << "two weeks hold a critical day of the physical cycle";
}

TEST_F(ChartKeyboardTest, MenuKeysStillPageTheFocusedChartAndTheCursorReadsTheNewDay) {
  openChart();
  chart()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(chart(), Qt::Key_Right);
  QTest::keyClick(chart(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(settings.Start, day(2024, 3, 2)) << "One Day Forward ran";
  EXPECT_EQ(focusedDay(), readout(day(2024, 3, 3)));
  QTest::keyClick(chart(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(settings.Start, day(2024, 3, 16)) << "Next Page ran";
}

TEST_F(ChartKeyboardTest, APictureOfTheFocusedChartShowsNoCursor) {
  openChart();
  QImage plain = chart()->grab().toImage();
  chart()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(chart(), Qt::Key_End);
  ASSERT_TRUE(chart()->hasFocus());
  EXPECT_TRUE(chart()->grab().toImage() == plain);
}

}  // namespace
}  // namespace lunasoma
