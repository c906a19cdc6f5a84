// The setup page inside the main window: changes reach the chart, the hints and the store.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <algorithm>
#include <climits>
#include <set>

#include "tests/ui/MainWindowFixture.h"
#include "ui/SetupPage.h"

namespace lunasoma {
namespace {

class SetupPageWindowTest : public test::MainWindowFixture {
 protected:
  void showTab(int index) {
    child<QTabWidget>("tabRight")->setCurrentIndex(index);
    QApplication::processEvents();
  }

  QImage chart() { return child<QWidget>("pntBio")->grab().toImage(); }

  // How many columns of the chart hold at least one pixel of the colour: a curve crosses the whole
  // plot, the legend's short stroke only a few columns.
  static int columnsWith(const QImage& image, const QColor& color) {
    std::set<int> columns;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == color) columns.insert(x);
      }
    }
    return static_cast<int>(columns.size());
  }
};

// Counts the tool-tip requests that get through to one widget.
class HintCounter : public QObject {
 public:
  explicit HintCounter(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
  int ask() {
    const int before = m_count;
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), m_widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_widget, &event);
    return m_count - before;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) ++m_count;
    return false;
  }

 private:
  QWidget* m_widget;
  int m_count = 0;
};

TEST_F(SetupPageWindowTest, NoLineRemovesTheOverallCurveAndAWidthBringsItBack) {
  open();
  const QColor yellow(255, 255, 0);
  const int plotWidth = chart().width();
  ASSERT_GT(columnsWith(chart(), yellow), plotWidth / 2) << "the default overall curve is drawn";

  auto* overall = child<QComboBox>("cboSetOverWidth");
  overall->setCurrentIndex(0);
  EXPECT_FALSE(settings.ShowOverall);
  EXPECT_LT(columnsWith(chart(), yellow), plotWidth / 10) << "only the legend's stroke is left";

  overall->setCurrentIndex(2);
  EXPECT_TRUE(settings.ShowOverall);
  EXPECT_GT(columnsWith(chart(), yellow), plotWidth / 2);
}

TEST_F(SetupPageWindowTest, AColorChosenOnTheSetupTabShowsWhenTheChartComesBack) {
  open();
  const QColor teal(0, 128, 128);
  const QColor navy(0, 0, 128);
  const QPoint corner(2, 2);
  ASSERT_EQ(chart().pixelColor(corner), teal);

  showTab(1);
  child<QComboBox>("cboSetBackColor")->setCurrentIndex(4);
  showTab(0);
  EXPECT_EQ(chart().pixelColor(corner), navy);
}

TEST_F(SetupPageWindowTest, UncheckingShowHintsStopsHintsAtOnceOnThePageToo) {
  open();
  showTab(1);
  auto* showHints = child<QCheckBox>("chkSetShowHints");
  HintCounter pageHints(child<QWidget>("trkSetRange"));
  HintCounter dateHints(child<QWidget>("cboBirth"));
  ASSERT_EQ(pageHints.ask(), 1);

  showHints->click();
  EXPECT_FALSE(settings.ShowHints);
  EXPECT_EQ(pageHints.ask(), 0);
  EXPECT_EQ(dateHints.ask(), 0);

  showHints->click();
  EXPECT_TRUE(settings.ShowHints);
  EXPECT_EQ(pageHints.ask(), 1);
}

TEST_F(SetupPageWindowTest, CreatingTheWindowStoresNothingButTheShowFlags) {
  BiorhythmSettings previous;
  previous.Range = 6;
  previous.Style = ChartStyle::HighLow;
  previous.WidthPhysical = 3;
  previous.ShowPhysical = false;
  previous.WidthEmotional = 0;
  previous.ColorBack = 12;
  previous.ShowHints = false;
  store(previous);
  TfrmBio& window = open();
  EXPECT_TRUE(window.chartReady());
  EXPECT_EQ(settings.Range, 6);
  EXPECT_EQ(settings.Style, ChartStyle::HighLow);
  EXPECT_EQ(settings.WidthEmotional, 0);
  EXPECT_EQ(settings.ColorBack, 12);
  EXPECT_FALSE(settings.ShowHints);
  EXPECT_TRUE(settings.ShowPhysical) << "a stored width of 3 shows the curve";
  EXPECT_FALSE(settings.ShowEmotional);
  EXPECT_EQ(child<QGroupBox>("grpSetRange")->title(), " Show 7 Weeks ");
}

TEST_F(SetupPageWindowTest, ChangesSurviveARestart) {
  open();
  showTab(1);
  child<QComboBox>("cboSetPhyWidth")->setCurrentIndex(0);
  child<QComboBox>("cboSetTextColor")->setCurrentIndex(12);
  child<QCheckBox>("chkSetSepLines")->click();
  child<QSlider>("trkSetRange")->setValue(5);
  for (auto* button : child<QGroupBox>("rgbSetStyle")->findChildren<QRadioButton*>()) {
    if (button->text() == "High/Low") button->click();
  }
  ASSERT_TRUE(m_window->close());
  m_window.reset();

  settings = BiorhythmSettings{};
  open();
  EXPECT_EQ(child<QComboBox>("cboSetPhyWidth")->currentIndex(), 0);
  EXPECT_FALSE(settings.ShowPhysical);
  EXPECT_EQ(child<QComboBox>("cboSetTextColor")->currentIndex(), 12);
  EXPECT_TRUE(child<QCheckBox>("chkSetSepLines")->isChecked());
  EXPECT_EQ(child<QSlider>("trkSetRange")->value(), 5);
  EXPECT_EQ(settings.Range, 4);
  EXPECT_EQ(settings.Style, ChartStyle::HighLow);
}

TEST_F(SetupPageWindowTest, NoControlLiesOnAGroupsFrameAndTheRowsMoveAsLittleAsNeeded) {
  open();
  showTab(1);
  struct Row {
    const char* group;
    int designedFirstRow;  // the top of the group's first row as designed; 0: placed by the page
  };
  const Row rows[] = {
      {"grpSetRange", 16}, {"rgbSetStyle", 0}, {"grpSetWidths", 20}, {"grpSetGeneral", 15}, {"grpSetColors", 23}};
  for (const Row& row : rows) {
    auto* group = child<QGroupBox>(row.group);
    const QRect inside = group->contentsRect();
    int firstRow = INT_MAX;
    for (auto* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect place = control->geometry();
      EXPECT_GE(place.top(), inside.top()) << row.group << " " << control->objectName().toStdString();
      EXPECT_LE(place.bottom(), inside.bottom()) << row.group << " " << control->objectName().toStdString();
      firstRow = std::min(firstRow, place.top());
    }
    if (row.designedFirstRow > 0) {
      EXPECT_EQ(firstRow, std::max(row.designedFirstRow, inside.top())) << row.group;
    }
  }
}

TEST_F(SetupPageWindowTest, TextsFitTheirControlsInTheWindowFont) {
  open();
  showTab(1);
  auto* page = child<SetupPage>("panSetup");
  for (auto* label : page->findChildren<QLabel*>()) {
    EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
  }
  for (auto* button : page->findChildren<QAbstractButton*>()) {
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    EXPECT_LE(button->sizeHint().height(), button->height() + 2) << button->text().toStdString();
  }
  for (auto* group : page->findChildren<QGroupBox*>()) {
    EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 8, group->width())
        << group->objectName().toStdString();
  }
}

}  // namespace
}  // namespace lunasoma
