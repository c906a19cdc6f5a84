// Paging the chart with the wheel, and the read-out of the day under the resting pointer.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <optional>
#include <string>
#include <vector>

#include "model/Biorhythm.h"
#include "model/DayReadout.h"
#include "tests/ui/MainWindowFixture.h"

namespace lunasoma {
namespace {

class ChartWheelAndReadoutTest : public test::MainWindowFixture {
 protected:
  void openChart(DayNumber start = day(2024, 3, 1)) {
    BiorhythmSettings previous;
    previous.Birth = day(1990, 5, 17);
    previous.Start = start;
    previous.SaveStartDate = true;
    previous.Range = 2;
    store(previous);
    open();
    // A tip left over from another test would read as one shown here.
    QToolTip::hideText();
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  }

  QWidget* chart() { return child<QWidget>("pntBio"); }

  void wheel(int angleDelta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(chart()->width() / 2.0, chart()->height() / 2.0);
    QWheelEvent event(local, chart()->mapToGlobal(local), QPoint(), QPoint(0, angleDelta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart(), &event);
  }

  // Rests the pointer at (x, y): the tip's text, or nothing when the chart shows none.
  std::optional<std::string> restAt(int x, int y) {
    QHelpEvent event(QEvent::ToolTip, QPoint(x, y), chart()->mapToGlobal(QPoint(x, y)));
    QApplication::sendEvent(chart(), &event);
    if (!QToolTip::isVisible()) return std::nullopt;
    return QToolTip::text().toStdString();
  }

  std::string readoutOf(int column) {
    const DayNumber date = settings.Start + column;
    return dayReadoutText(date, daysBetween(settings.Birth, date), context.startLocale);
  }
};

TEST_F(ChartWheelAndReadoutTest, WheelNotchesPageLikeTheMenuCommands) {
  openChart();
  QComboBox* cboStart = child<QComboBox>("cboStart");
  const struct {
    const char* name;
    std::vector<int> deltas;
    Qt::KeyboardModifiers modifiers;
    DayNumber start;  // after the movement, each row going on from the row before
    const char* text;
  } rows[] = {
      {"a notch up is One Day Back", {120}, Qt::NoModifier, day(2024, 2, 29), "2/29/2024"},
      {"a notch down is One Day Forward", {-120}, Qt::NoModifier, day(2024, 3, 1), "3/1/2024"},
      {"three thirds of a notch make one", {-40, -40, -40}, Qt::NoModifier, day(2024, 3, 2), "3/2/2024"},
      {"two thirds make none yet", {40, 40}, Qt::NoModifier, day(2024, 3, 2), "3/2/2024"},
      {"two notches at once", {-240}, Qt::NoModifier, day(2024, 3, 4), "3/4/2024"},
      {"with Ctrl a notch down is Next Page", {-120}, Qt::ControlModifier, day(2024, 3, 25), "3/25/2024"},
      {"with Ctrl a notch up is Previous Page", {120}, Qt::ControlModifier, day(2024, 3, 4), "3/4/2024"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (const int delta : row.deltas) wheel(delta, row.modifiers);
    EXPECT_EQ(settings.Start, row.start);
    EXPECT_EQ(cboStart->currentText().toStdString(), row.text);
  }
}

TEST_F(ChartWheelAndReadoutTest, TheWheelDoesNotPageBeforeBirth) {
  openChart(day(1990, 5, 20));
  wheel(120, Qt::ControlModifier);
  EXPECT_EQ(settings.Start, day(1990, 5, 17));
  wheel(120);
  EXPECT_EQ(settings.Start, day(1990, 5, 17));
  EXPECT_EQ(child<QComboBox>("cboStart")->currentText().toStdString(), "5/17/1990");
}

TEST_F(ChartWheelAndReadoutTest, RestingOnTheColumnsReadsEachDayInTurn) {
  openChart();
  const int width = chart()->width();
  const int middle = chart()->height() / 2;
  ASSERT_GT(width, 200);

  // Outside the columns: nothing, not even a tip of the chart as a whole.
  EXPECT_EQ(restAt(0, middle), std::nullopt) << "left of the first column";
  EXPECT_EQ(restAt(width - 1, middle), std::nullopt) << "right of the last column";
  EXPECT_EQ(restAt(width / 2, 2), std::nullopt) << "the header above the plot box";
  EXPECT_EQ(restAt(width / 2, chart()->height() - 2), std::nullopt) << "the legend";

  // Across the chart from left to right every day is read once, in order, and nothing else.
  std::vector<std::string> read;
  for (int x = 0; x < width; ++x) {
    const std::optional<std::string> text = restAt(x, middle);
    if (text && (read.empty() || read.back() != *text)) read.push_back(*text);
  }
  std::vector<std::string> days;
  for (int column = 0; column < 21; ++column) days.push_back(readoutOf(column));
  EXPECT_EQ(read, days);
  EXPECT_EQ(days.front().substr(0, 24), "Friday, March 1, 2024 / ");
}

// The tip appears under the pointer; a tip window with a pointer of its own would turn the zone's
// paging shape into the plain arrow while the tip shows.
TEST_F(ChartWheelAndReadoutTest, TheTipKeepsTheZonesPointer) {
  openChart();
  const int width = chart()->width();
  const int middle = chart()->height() / 2;
  int tipsSeen = 0;
  for (const int x : {width / 8, width / 3, width / 2, 2 * width / 3, 7 * width / 8}) {
    const QPointF local(x, middle);
    QMouseEvent move(QEvent::MouseMove, local, chart()->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart(), &move);
    ASSERT_EQ(chart()->cursor().shape(), Qt::BitmapCursor) << x;
    if (!restAt(x, middle)) continue;
    QWidget* tip = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->inherits("QTipLabel")) tip = window;
    }
    ASSERT_NE(tip, nullptr) << x;
    ++tipsSeen;
    EXPECT_EQ(tip->cursor().shape(), Qt::BitmapCursor) << x;
    EXPECT_EQ(tip->cursor().hotSpot(), chart()->cursor().hotSpot()) << x;
    EXPECT_EQ(tip->cursor().pixmap().toImage(), chart()->cursor().pixmap().toImage()) << x;
  }
  EXPECT_GE(tipsSeen, 3);
}

TEST_F(ChartWheelAndReadoutTest, NoReadOutWhileHintsAreOff) {
  openChart();
  child<QCheckBox>("chkSetShowHints")->setChecked(false);
  ASSERT_FALSE(settings.ShowHints);
  const int middle = chart()->height() / 2;
  EXPECT_EQ(restAt(chart()->width() / 2, middle), std::nullopt);
  child<QCheckBox>("chkSetShowHints")->setChecked(true);
  EXPECT_NE(restAt(chart()->width() / 2, middle), std::nullopt);
}

TEST_F(ChartWheelAndReadoutTest, NoReadOutOfAChartWithoutValidDates) {
  openChart();
  QComboBox* cboBirth = child<QComboBox>("cboBirth");
  cboBirth->setFocus();
  cboBirth->lineEdit()->selectAll();
  QTest::keyClicks(cboBirth->lineEdit(), QStringLiteral("x"));
  ASSERT_LE(settings.Birth, 1);
  EXPECT_EQ(restAt(chart()->width() / 2, chart()->height() / 2), std::nullopt);
}

}  // namespace
}  // namespace lunasoma
