// The setup page on its own: what each control stores, what loading stores (nothing), and what the
// lists show. The main window is stood in for by a handler that, as the window does, stores the
// controls and counts an iniSettings call when the chart is ready.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "ui/SetupPage.h"

namespace lunasoma {
namespace {

using Index = std::uint8_t BiorhythmSettings::*;
using Flag = bool BiorhythmSettings::*;

struct WidthList {
  const char* list;
  Index width;
  Flag show;
};
const WidthList widthLists[] = {
    {"cboSetPhyWidth", &BiorhythmSettings::WidthPhysical, &BiorhythmSettings::ShowPhysical},
    {"cboSetMenWidth", &BiorhythmSettings::WidthMental, &BiorhythmSettings::ShowMental},
    {"cboSetEmoWidth", &BiorhythmSettings::WidthEmotional, &BiorhythmSettings::ShowEmotional},
    {"cboSetOverWidth", &BiorhythmSettings::WidthOverall, &BiorhythmSettings::ShowOverall},
};

struct ColorList {
  const char* list;
  Index color;
};
const ColorList colorLists[] = {
    {"cboSetTextColor", &BiorhythmSettings::ColorText},     {"cboSetBackColor", &BiorhythmSettings::ColorBack},
    {"cboSetPhyColor", &BiorhythmSettings::ColorPhysical},  {"cboSetMenColor", &BiorhythmSettings::ColorMental},
    {"cboSetEmoColor", &BiorhythmSettings::ColorEmotional}, {"cboSetOverColor", &BiorhythmSettings::ColorOverall},
};

struct CheckBox {
  const char* box;
  Flag option;
};
const CheckBox checkBoxes[] = {
    {"chkSetSaveStartDate", &BiorhythmSettings::SaveStartDate},
    {"chkSetShowHints", &BiorhythmSettings::ShowHints},
    {"chkSetSepLines", &BiorhythmSettings::ShowLines},
    {"chkSetHideFlashScreen", &BiorhythmSettings::HideFlashScreen},
};

class SetupPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_page = std::make_unique<SetupPage>(m_settings);
    m_page->resize(320, 300);
    QObject::connect(m_page.get(), &SetupPage::changeRequested, [this] {
      if (!m_ready) return;
      m_page->storeControls();
      ++m_iniCalls;
    });
  }

  template <typename T>
  T* child(const std::string& name) const {
    auto* widget = m_page->findChild<T*>(QString::fromStdString(name));
    if (!widget) throw std::runtime_error("no child named " + name);
    return widget;
  }

  QRadioButton* styleButton(const QString& caption) const {
    for (auto* button : child<QGroupBox>("rgbSetStyle")->findChildren<QRadioButton*>()) {
      if (button->text() == caption) return button;
    }
    throw std::runtime_error("no style item " + caption.toStdString());
  }

  // Shows the page as the active window with the focus on `focus`. Whatever the focus left on the
  // way (the track bar applies the setup when it loses the focus) is not counted.
  void showActive(QWidget* focus) {
    m_page->show();
    QApplication::setActiveWindow(m_page.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
    focus->setFocus();
    ASSERT_TRUE(focus->hasFocus());
    m_iniCalls = 0;
  }

  // Under a style that writes group captions across the frame line, in the window's font, every
  // control keeps its designed place. A style sets on one widget only, so each one gets it.
  void useCaptionsOnTheLineStyle() {
    m_captionsOnTheLine.reset(QStyleFactory::create(QStringLiteral("Windows")));
    if (!m_captionsOnTheLine) return;
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(11);
    m_page->setFont(windowFont);
    m_page->setStyle(m_captionsOnTheLine.get());
    for (auto* widget : m_page->findChildren<QWidget*>()) widget->setStyle(m_captionsOnTheLine.get());
    m_page->loadFromSettings();
  }

  BiorhythmSettings m_settings;
  bool m_ready = true;
  int m_iniCalls = 0;
  std::unique_ptr<QStyle> m_captionsOnTheLine;  // outlives the page, which uses it
  std::unique_ptr<SetupPage> m_page;
};

TEST_F(SetupPageTest, TrackBarSetsRangeAndCaptionWithoutApplying) {
  struct Row {
    const char* name;
    int position;
    QString caption;
    int range;
  };
  const Row rows[] = {
      {"one week is singular", 1, " Show 1 Week ", 0},
      {"two weeks are plural", 2, " Show 2 Weeks ", 1},
      {"eight weeks", 8, " Show 8 Weeks ", 7},
  };
  useCaptionsOnTheLineStyle();
  ASSERT_NE(m_captionsOnTheLine, nullptr);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    child<QSlider>("trkSetRange")->setValue(row.position);
    EXPECT_EQ(child<QGroupBox>("grpSetRange")->title(), row.caption);
    EXPECT_EQ(m_settings.Range, row.range);
  }
  EXPECT_EQ(m_iniCalls, 0);
}

TEST_F(SetupPageTest, LeavingTheTrackBarAppliesTheSetup) {
  m_page->loadFromSettings();
  auto* trackBar = child<QSlider>("trkSetRange");
  showActive(trackBar);
  QTest::keyClick(trackBar, Qt::Key_End);
  EXPECT_EQ(m_settings.Range, 7);
  EXPECT_EQ(m_iniCalls, 0);

  child<QComboBox>("cboSetPhyWidth")->setFocus();
  EXPECT_EQ(m_iniCalls, 1);
}

TEST_F(SetupPageTest, EachWidthListStoresItsWidthAndShowFlag) {
  m_page->loadFromSettings();
  for (const WidthList& row : widthLists) {
    SCOPED_TRACE(row.list);
    auto* list = child<QComboBox>(row.list);
    BiorhythmSettings expected = m_settings;

    list->setCurrentIndex(0);
    expected.*row.width = 0;
    expected.*row.show = false;
    EXPECT_EQ(m_settings, expected) << "\"No Line\" switches only this curve off";

    list->setCurrentIndex(5);
    expected.*row.width = 5;
    expected.*row.show = true;
    EXPECT_EQ(m_settings, expected) << "another width brings the curve back";
  }
  EXPECT_EQ(m_iniCalls, 8);
}

TEST_F(SetupPageTest, EachColorListStoresItsColor) {
  m_page->loadFromSettings();
  for (const ColorList& row : colorLists) {
    SCOPED_TRACE(row.list);
    BiorhythmSettings expected = m_settings;
    child<QComboBox>(row.list)->setCurrentIndex(12);
    expected.*row.color = 12;
    EXPECT_EQ(m_settings, expected);
  }
  EXPECT_EQ(m_iniCalls, 6);
}

TEST_F(SetupPageTest, EachCheckBoxStoresItsOptionAndAppliesAtOnce) {
  m_page->loadFromSettings();
  showActive(child<QCheckBox>(checkBoxes[0].box));
  for (const CheckBox& row : checkBoxes) {
    SCOPED_TRACE(row.box);
    auto* box = child<QCheckBox>(row.box);
    BiorhythmSettings expected = m_settings;
    expected.*row.option = !(m_settings.*row.option);
    const int callsBefore = m_iniCalls;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    EXPECT_EQ(m_settings, expected);
    EXPECT_EQ(m_iniCalls, callsBefore + 1);
  }
}

TEST_F(SetupPageTest, StyleItemsStoreTheirIndexOncePerClick) {
  m_page->loadFromSettings();
  showActive(styleButton("Line"));
  QRadioButton* highLow = styleButton("High/Low");
  QTest::mouseClick(highLow, Qt::LeftButton, {}, QPoint(8, highLow->height() / 2));
  EXPECT_EQ(m_settings.Style, ChartStyle::HighLow);
  EXPECT_EQ(m_iniCalls, 1) << "the item switched off must not apply the setup a second time";

  QRadioButton* line = styleButton("Line");
  QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(8, line->height() / 2));
  EXPECT_EQ(m_settings.Style, ChartStyle::Line);
  EXPECT_EQ(m_iniCalls, 2);
}

TEST_F(SetupPageTest, NothingIsStoredWhileTheChartIsNotReady) {
  m_page->loadFromSettings();
  m_ready = false;
  const BiorhythmSettings before = m_settings;
  child<QComboBox>("cboSetOverWidth")->setCurrentIndex(0);
  child<QComboBox>("cboSetBackColor")->setCurrentIndex(0);
  child<QCheckBox>("chkSetShowHints")->setChecked(false);
  styleButton("High/Low")->setChecked(true);
  EXPECT_EQ(m_settings, before);
  EXPECT_EQ(m_iniCalls, 0);
}

BiorhythmSettings unusualSettings() {
  BiorhythmSettings s;
  s.Range = 0;
  s.Style = ChartStyle::HighLow;
  s.WidthPhysical = 0;
  s.ShowPhysical = false;
  s.WidthMental = 9;
  s.WidthEmotional = 1;
  s.WidthOverall = 2;
  s.ColorPhysical = 0;
  s.ColorMental = 15;
  s.ColorEmotional = 3;
  s.ColorOverall = 4;
  s.ColorText = 5;
  s.ColorBack = 7;
  s.ShowLines = true;
  s.HideFlashScreen = true;
  s.ShowHints = false;
  s.SaveStartDate = true;
  return s;
}

TEST_F(SetupPageTest, LoadingShowsTheSettingsAndStoresNothing) {
  struct Row {
    const char* name;
    BiorhythmSettings settings;
  };
  const Row rows[] = {{"defaults", BiorhythmSettings{}}, {"every control changed", unusualSettings()}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    m_settings = row.settings;
    // Even a main window that counts as ready while loading must not get anything stored.
    m_ready = true;
    m_iniCalls = 0;
    m_page->loadFromSettings();
    EXPECT_EQ(m_settings, row.settings);
    EXPECT_EQ(m_iniCalls, 0);

    const BiorhythmSettings& s = row.settings;
    EXPECT_EQ(child<QSlider>("trkSetRange")->value(), s.Range + 1);
    EXPECT_EQ(child<QGroupBox>("grpSetRange")->title(), s.Range == 0 ? " Show 1 Week " : " Show 3 Weeks ");
    EXPECT_TRUE(styleButton(s.Style == ChartStyle::Line ? "Line" : "High/Low")->isChecked());
    for (const WidthList& w : widthLists) EXPECT_EQ(child<QComboBox>(w.list)->currentIndex(), s.*w.width) << w.list;
    for (const ColorList& c : colorLists) EXPECT_EQ(child<QComboBox>(c.list)->currentIndex(), s.*c.color) << c.list;
    for (const CheckBox& b : checkBoxes) EXPECT_EQ(child<QCheckBox>(b.box)->isChecked(), s.*b.option) << b.box;
  }
}

TEST_F(SetupPageTest, LoadingMakesTheShowFlagsFollowTheWidths) {
  struct Row {
    const char* name;
    Index width;
    std::uint8_t value;
    Flag show;
    bool stored;
    bool expected;
  };
  const Row rows[] = {
      {"hidden physical curve with a width is shown", &BiorhythmSettings::WidthPhysical, 3,
       &BiorhythmSettings::ShowPhysical, false, true},
      {"shown mental curve without a width is hidden", &BiorhythmSettings::WidthMental, 0,
       &BiorhythmSettings::ShowMental, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    m_settings = BiorhythmSettings{};
    m_settings.*row.width = row.value;
    m_settings.*row.show = row.stored;
    m_page->loadFromSettings();
    EXPECT_EQ(m_settings.*row.show, row.expected);
    EXPECT_EQ(m_settings.*row.width, row.value);
  }
}

TEST_F(SetupPageTest, OutOfRangeStoredValuesShowTheNearestItem) {
  m_settings.Range = 99;
  m_settings.Style = static_cast<ChartStyle>(9);
  m_settings.WidthOverall = 40;
  m_settings.ColorText = 200;
  m_page->loadFromSettings();
  EXPECT_EQ(child<QSlider>("trkSetRange")->value(), 8);
  EXPECT_EQ(child<QGroupBox>("grpSetRange")->title(), " Show 8 Weeks ");
  EXPECT_EQ(m_settings.Range, 7) << "the range follows what the track bar can show";
  EXPECT_TRUE(styleButton("High/Low")->isChecked());
  EXPECT_EQ(child<QComboBox>("cboSetOverWidth")->currentIndex(), 9);
  EXPECT_EQ(child<QComboBox>("cboSetTextColor")->currentIndex(), 15);
  EXPECT_EQ(m_settings.ColorText, 200) << "loading stores no list index";

  // The next change stores what the lists show, never an index outside the tables.
  child<QCheckBox>("chkSetSepLines")->setChecked(true);
  EXPECT_EQ(m_settings.ColorText, 15);
  EXPECT_EQ(m_settings.WidthOverall, 9);
  EXPECT_EQ(m_settings.Style, ChartStyle::HighLow);
}

// A probe in the middle of a closed list's box: the colour the user sees for the chosen item.
QColor shownColor(QComboBox* list) {
  const QImage image = list->grab().toImage();
  return image.pixelColor(image.width() / 4, image.height() / 2);
}

TEST_F(SetupPageTest, DefaultSettingsShowTheirWidthsAndColors) {
  m_page->loadFromSettings();
  m_page->show();
  const std::pair<const char*, int> widths[] = {
      {"cboSetPhyWidth", 3}, {"cboSetMenWidth", 3}, {"cboSetEmoWidth", 3}, {"cboSetOverWidth", 6}};
  for (const auto& [name, width] : widths) {
    EXPECT_EQ(child<QComboBox>(name)->currentIndex(), width) << name;
  }
  const std::pair<const char*, QColor> colors[] = {
      {"cboSetPhyColor", QColor(0, 255, 0)},       // lime
      {"cboSetMenColor", QColor(0, 255, 255)},     // aqua
      {"cboSetEmoColor", QColor(255, 0, 0)},       // red
      {"cboSetOverColor", QColor(255, 255, 0)},    // yellow
      {"cboSetTextColor", QColor(255, 255, 255)},  // white
      {"cboSetBackColor", QColor(0, 128, 128)},    // teal
  };
  for (const auto& [name, color] : colors) {
    EXPECT_EQ(shownColor(child<QComboBox>(name)), color) << name;
  }
}

TEST_F(SetupPageTest, OpenListsShowEveryItemAtThirteenPixels) {
  m_page->loadFromSettings();
  showActive(child<QComboBox>("cboSetOverWidth"));
  const std::pair<const char*, int> lists[] = {{"cboSetOverWidth", 10}, {"cboSetBackColor", 16}};
  for (const auto& [name, count] : lists) {
    SCOPED_TRACE(name);
    auto* list = child<QComboBox>(name);
    ASSERT_EQ(list->count(), count);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    for (int i = 0; i < count; ++i) {
      const QRect item = view->visualRect(view->model()->index(i, 0));
      EXPECT_EQ(item.height(), 13) << "item " << i;
      EXPECT_TRUE(view->viewport()->rect().contains(item)) << "item " << i;
    }
    list->hidePopup();
  }
}

TEST_F(SetupPageTest, ChoosingAnItemInTheOpenListStoresIt) {
  m_page->loadFromSettings();
  auto* list = child<QComboBox>("cboSetOverWidth");
  showActive(list);
  list->showPopup();
  QAbstractItemView* view = list->view();
  ASSERT_TRUE(view->isVisible());
  const QRect noLine = view->visualRect(view->model()->index(0, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, noLine.center());
  EXPECT_EQ(m_settings.WidthOverall, 0);
  EXPECT_FALSE(m_settings.ShowOverall);
  EXPECT_EQ(m_iniCalls, 1);
}

TEST_F(SetupPageTest, LabelsGiveTheFocusToTheirLists) {
  const std::pair<const char*, const char*> pairs[] = {
      {"lblSetPhyWidth", "cboSetPhyWidth"},   {"lblSetMenWidth", "cboSetMenWidth"},
      {"lblSetEmoWidth", "cboSetEmoWidth"},   {"lblSetOverallWidth", "cboSetOverWidth"},
      {"lblSetTextColor", "cboSetTextColor"}, {"lblSetBackColor", "cboSetBackColor"},
      {"lblSetPhyColor", "cboSetPhyColor"},   {"lblSetMenColor", "cboSetMenColor"},
      {"lblSetEmoColor", "cboSetEmoColor"},   {"lblSetOverallColor", "cboSetOverColor"},
  };
  m_page->loadFromSettings();
  showActive(child<QSlider>("trkSetRange"));
  for (const auto& [label, list] : pairs) {
    SCOPED_TRACE(label);
    QTest::mouseClick(child<QLabel>(label), Qt::LeftButton);
    EXPECT_TRUE(child<QComboBox>(list)->hasFocus());
  }
}

TEST_F(SetupPageTest, TabOrderRunsRangeStyleWidthsGeneralColors) {
  const QStringList expected{"trkSetRange",
                             "Line",
                             "High/Low",
                             "cboSetPhyWidth",
                             "cboSetMenWidth",
                             "cboSetEmoWidth",
                             "cboSetOverWidth",
                             "chkSetSaveStartDate",
                             "chkSetShowHints",
                             "chkSetSepLines",
                             "chkSetHideFlashScreen",
                             "cboSetTextColor",
                             "cboSetBackColor",
                             "cboSetPhyColor",
                             "cboSetMenColor",
                             "cboSetEmoColor",
                             "cboSetOverColor"};
  QStringList order;
  QWidget* widget = child<QSlider>("trkSetRange");
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && m_page->isAncestorOf(widget)) {
      auto* button = qobject_cast<QRadioButton*>(widget);
      order << (button ? button->text() : widget->objectName());
    }
    widget = widget->nextInFocusChain();
  } while (widget != child<QSlider>("trkSetRange"));
  EXPECT_EQ(order, expected);
}

TEST_F(SetupPageTest, TheWheelChangesAListOnlyWhileItHasTheFocus) {
  m_page->loadFromSettings();
  auto* text = child<QComboBox>("cboSetTextColor");
  auto* overall = child<QComboBox>("cboSetOverWidth");
  showActive(child<QSlider>("trkSetRange"));
  struct Row {
    const char* name;
    QComboBox* list;
    bool focused;
    int change;  // of the item index for one notch up (white text is the last colour)
  };
  const Row rows[] = {
      {"colour list without the focus", text, false, 0},
      {"width list without the focus", overall, false, 0},
      {"colour list with the focus", text, true, -1},
      {"width list with the focus", overall, true, -1},
  };
  for (const Row& row : rows) {
    if (row.focused) row.list->setFocus();
    const int before = row.list->currentIndex();
    const QPoint inside = row.list->rect().center();
    QWheelEvent notch(inside, row.list->mapToGlobal(inside), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(row.list, &notch);
    EXPECT_EQ(row.list->currentIndex() - before, row.change) << row.name;
    EXPECT_EQ(row.list->hasFocus(), row.focused) << row.name << ": the wheel gives no focus";
  }
  EXPECT_EQ(m_settings.ColorText, text->currentIndex());
}

TEST_F(SetupPageTest, ControlsCarryTheirCaptionsHintsAndPlaces) {
  struct Row {
    const char* name;
    QRect place;  // inside the parent; the page's own border comes on top
    QString caption;
    QString hint;
  };
  const Row rows[] = {
      {"grpSetRange", {9, 6, 127, 55}, " Show 3 Weeks ", ""},
      {"trkSetRange", {9, 16, 103, 33}, "", "Range of weeks to show"},
      {"rgbSetStyle", {9, 69, 127, 73}, " Style ", "Style of graphic"},
      {"grpSetWidths", {9, 157, 127, 111}, " Line Widths ", "Line widths for graphic"},
      {"cboSetOverWidth", {67, 83, 50, 19}, "", ""},
      {"grpSetGeneral", {144, 6, 137, 97}, " General ", ""},
      {"chkSetSaveStartDate", {9, 15, 0, 0}, "Save Start Date", "Current start date will be used for next session"},
      {"chkSetShowHints", {9, 34, 0, 0}, "Show Hints", "Show these popup hints"},
      {"chkSetSepLines", {9, 53, 0, 0}, "Separator Lines", "Show daily vertical lines in graphic"},
      {"chkSetHideFlashScreen", {9, 72, 0, 0}, "Hide Flash Screen", "Hide initial flash screen on startup"},
      {"grpSetColors", {143, 112, 137, 156}, " Color Settings ", "Color settings for graphic"},
      {"cboSetOverColor", {76, 128, 50, 19}, "", ""},
  };
  useCaptionsOnTheLineStyle();
  ASSERT_NE(m_captionsOnTheLine, nullptr);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* widget = child<QWidget>(row.name);
    if (row.place.isEmpty()) {
      EXPECT_EQ(widget->pos(), row.place.topLeft());
    } else {
      EXPECT_EQ(widget->geometry(), row.place);
    }
    QString caption;
    if (auto* group = qobject_cast<QGroupBox*>(widget)) caption = group->title();
    if (auto* box = qobject_cast<QCheckBox*>(widget)) caption = box->text();
    EXPECT_EQ(caption, row.caption);
    EXPECT_EQ(widget->toolTip(), row.hint);
  }
  EXPECT_EQ(child<QWidget>("grpSetRange")->mapTo(m_page.get(), QPoint(0, 0)), QPoint(18, 15));

  const std::pair<const char*, QString> labels[] = {
      {"lblSetPhyWidth", "Physical"},    {"lblSetMenWidth", "Mental"}, {"lblSetEmoWidth", "Emotional"},
      {"lblSetOverallWidth", "Overall"}, {"lblSetTextColor", "Text"},  {"lblSetBackColor", "Background"},
      {"lblSetPhyColor", "Physical"},    {"lblSetMenColor", "Mental"}, {"lblSetEmoColor", "Emotional"},
      {"lblSetOverallColor", "Overall"},
  };
  for (const auto& [name, text] : labels) {
    auto* label = child<QLabel>(name);
    EXPECT_EQ(label->text(), text) << name;
    EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
    EXPECT_LE(label->geometry().right(), label->buddy()->geometry().left()) << name << " sits left of its list";
  }
  m_page.reset();  // before the style it uses
}

}  // namespace
}  // namespace lunasoma
