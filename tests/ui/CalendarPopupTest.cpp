#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "app/ProgramContext.h"
#include "platform/QtDateLocale.h"
#include "tests/support/FakeHostServices.h"
#include "ui/DateField.h"
#include "ui/PopupPlacement.h"
#include "ui/TCalendar.h"
#include "ui/TfrmCal.h"

namespace lunasoma {
namespace {

// The pop-up under a stand-in main window with the two date fields, on a pinned clock and a
// 1024 x 768 screen.
class CalendarPopup : public ::testing::Test {
 protected:
  CalendarPopup() {
    host.system.setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 30)));
    for (QComboBox* field : {&birth, &start}) {
      field->setEditable(true);
      field->setParent(&main);
    }
    birth.setObjectName("cboBirth");
    start.setObjectName("cboStart");
    start.move(0, 40);
    main.resize(300, 200);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    popup.setScreenArea([](QPoint) { return QRect(0, 0, 1024, 768); });
  }

  // What the pop-up handed back, and to which opener.
  struct Returned {
    QComboBox* field;
    DayNumber date;
    bool operator==(const Returned&) const = default;
  };
  TfrmCal::DateReturned returnInto(QComboBox& field) {
    return [this, &field](DayNumber date) {
      // The field shows the date and the pop-up is gone by the time its opener hears of it.
      EXPECT_EQ(parseDateText(field.currentText().toStdString(), -1, host.system.dateLocale(), 2026), date);
      EXPECT_FALSE(popup.isVisible());
      returned.push_back({&field, date});
    };
  }
  // Opens afresh: a request while the pop-up is open for the field would close it.
  void open(QComboBox& field, const QString& text) {
    if (popup.isVisible()) {
      popup.hide();
      // The focus leaves the hidden pop-up before the user can reach the field again.
      QCoreApplication::processEvents();
    }
    field.setEditText(text);
    popup.execute(&field, field.mapToGlobal(QPoint(0, 0)), returnInto(field));
  }
  static QString dateText(DayNumber date) { return QString::fromStdString(formatDate(date, "m/d/yyyy", DateLocale{})); }
  QString heading() const { return popup.findChild<QLabel*>("lblDate")->text(); }
  TCalendar* cal() const { return popup.findChild<TCalendar*>("cal"); }
  void press(const char* button) { popup.findChild<QPushButton*>(button)->click(); }
  void key(Qt::Key k) { QTest::keyClick(cal(), k); }
  void clickDay(int day) {
    const GridCell cell = MonthGrid(cal()->Year(), cal()->Month(), 1).cellOf(day);
    QTest::mouseClick(cal(), Qt::LeftButton, {}, cal()->cellRect(cell).center());
  }

  test::FakeHostServices host;
  HostServices services = host.services();
  BiorhythmSettings settings;
  ProgramContext context{services, settings, {}, {}, {}, {}, DateLocale{}, displayDatePattern("m/d/yy")};
  std::vector<Returned> returned;
  QWidget main;
  QComboBox birth;
  QComboBox start;
  TfrmCal popup{context, &main};
};

TEST_F(CalendarPopup, HasItsControlsWhereTheUserExpectsThem) {
  struct Row {
    const char* name;
    const char* caption;
    int left;
    int width;
    const char* hint;
  };
  for (const Row& r :
       {Row{"btnYearBack", "<<", 4, 24, "Year back"}, Row{"btnMonthBack", "<", 28, 25, "Month back"},
        Row{"btnToday", "&Today", 53, 85, "Jump to Today"}, Row{"btnMonthFore", ">", 138, 25, "Month foreward"},
        Row{"btnYearFore", ">>", 163, 24, "Year foreward"}}) {
    const auto* button = popup.findChild<QPushButton*>(r.name);
    ASSERT_NE(button, nullptr) << r.name;
    EXPECT_EQ(button->text(), r.caption);
    EXPECT_EQ(button->geometry(), QRect(r.left, 124, r.width, 17)) << r.name;
    EXPECT_EQ(button->toolTip(), r.hint);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(cal()->geometry(), QRect(4, 23, 182, 101));
  EXPECT_EQ(cal()->cellRect({0, 0}).size(), QSize(26, 14));
  EXPECT_EQ(cal()->cellText({0, 0}), "Mon");
  EXPECT_FALSE(popup.isVisible());
  EXPECT_EQ(popup.size(), QSize(195, 148));
  open(start, "3/5/26");
  EXPECT_EQ(popup.size(), QSize(194, 148));
  EXPECT_EQ(popup.focusWidget(), cal());
}

TEST_F(CalendarPopup, EnterRewritesTheFieldAndReturnsTheDateToItsOwnOpenerOnly) {
  open(start, "1/2/2003");
  key(Qt::Key_Escape);
  open(birth, "3/5/26");
  EXPECT_EQ(heading(), "3/5/2026");
  key(Qt::Key_Return);
  EXPECT_FALSE(popup.isVisible());
  EXPECT_EQ(birth.currentText(), "3/5/2026");
  EXPECT_EQ(start.currentText(), "1/2/2003");
  EXPECT_EQ(returned, (std::vector<Returned>{{&birth, *encodeDate(2026, 3, 5)}}));
  // The pop-up stores no date of its own: where a returned date goes is the opener's business.
  EXPECT_EQ(settings.Birth, BiorhythmSettings{}.Birth);
  EXPECT_EQ(settings.Start, BiorhythmSettings{}.Start);
}

TEST_F(CalendarPopup, ClosingWithoutReturningLeavesTheFieldAlone) {
  open(start, "not a date");
  EXPECT_EQ(heading(), "6/15/2026");  // a field that is no date opens on today
  key(Qt::Key_Home);
  key(Qt::Key_Right);
  key(Qt::Key_Escape);
  EXPECT_FALSE(popup.isVisible());

  // The click on the drop-down arrow may activate the main window after the pop-up has opened.
  QWidget other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  main.activateWindow();
  open(start, "not a date");
  EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == popup.windowHandle(); }));
  EXPECT_TRUE(popup.isVisible());
  main.activateWindow();  // a click into the main window
  EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }));
  EXPECT_EQ(start.currentText(), "not a date");
  EXPECT_EQ(returned, std::vector<Returned>{});
}

TEST_F(CalendarPopup, HomeShowsTodayAndOnlyEnterReturnsIt) {
  open(start, "1/2/2003");
  key(Qt::Key_Home);
  EXPECT_EQ(heading(), "6/15/2026");
  EXPECT_TRUE(popup.isVisible());
  EXPECT_EQ(start.currentText(), "1/2/2003");
  EXPECT_EQ(returned, std::vector<Returned>{});
  key(Qt::Key_Enter);
  EXPECT_EQ(start.currentText(), "6/15/2026");
  EXPECT_EQ(returned, (std::vector<Returned>{{&start, *encodeDate(2026, 6, 15)}}));
}

TEST_F(CalendarPopup, ButtonsAndKeysMoveTheDateWithoutReturningIt) {
  using Step = std::variant<const char*, Qt::Key>;
  struct Row {
    const char* name;
    const char* opening;
    std::vector<Step> steps;
    const char* expected;
  };
  std::vector<Step> toYearOne(100, "btnYearBack");
  toYearOne.insert(toYearOne.end(), {"btnMonthBack", Qt::Key_PageUp, Qt::Key_Left});
  for (const Row& r : {Row{"Today", "1/2/2003", {"btnToday"}, "6/15/2026"},
                       Row{"< from 31 March", "3/31/2026", {"btnMonthBack"}, "2/28/2026"},
                       Row{"Page Up from 31 March", "3/31/2026", {Qt::Key_PageUp}, "2/28/2026"},
                       Row{"> into a leap February", "1/31/2024", {"btnMonthFore"}, "2/29/2024"},
                       Row{">> from a leap day", "2/29/2024", {"btnYearFore"}, "2/28/2025"},
                       Row{"<< then Page Down", "5/31/2026", {"btnYearBack", Qt::Key_PageDown}, "6/30/2025"},
                       Row{"Left, Right, Up and Down",
                           "1/1/2027",
                           {Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right},
                           "12/25/2026"},
                       Row{"< over a year end", "1/15/2026", {"btnMonthBack"}, "12/15/2025"},
                       Row{"buttons stop in any month of the year 1, keys do not", "7/1/100", toYearOne, "6/30/0001"},
                       Row{"buttons stop at 3000, Down does not",
                           "12/30/3000",
                           {"btnYearFore", "btnMonthFore", Qt::Key_PageDown, Qt::Key_Down},
                           "1/6/3001"},
                       Row{"no step past 9999, and the pop-up keeps working",
                           "12/31/9999",
                           {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left},
                           "12/30/9999"},
                       Row{"other keys do nothing", "3/3/2026", {Qt::Key_A, Qt::Key_Tab, Qt::Key_Space}, "3/3/2026"}}) {
    SCOPED_TRACE(r.name);
    open(start, r.opening);
    for (const Step& step : r.steps) {
      if (const auto* button = std::get_if<const char*>(&step)) {
        press(*button);
      } else {
        key(std::get<Qt::Key>(step));
      }
    }
    EXPECT_EQ(heading(), r.expected);
    EXPECT_EQ(dateText(cal()->ShownDate()), r.expected);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.focusWidget(), cal());
    EXPECT_EQ(start.currentText(), r.opening);
    EXPECT_EQ(returned, std::vector<Returned>{});
  }
}

TEST_F(CalendarPopup, AClickReturnsTheClickedDayOrTheSelectedOne) {
  struct Row {
    const char* name;
    int day;  // 0: an empty cell before the first
    const char* expected;
  };
  for (const Row& r : {Row{"another day", 20, "3/20/2026"}, Row{"the selected day", 5, "3/5/2026"},
                       Row{"an empty cell", 0, "3/5/2026"}}) {
    SCOPED_TRACE(r.name);
    returned.clear();
    open(start, "3/5/26");
    if (r.day)
      clickDay(r.day);
    else
      QTest::mouseClick(cal(), Qt::LeftButton, {}, cal()->cellRect({0, 1}).center());
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(start.currentText(), r.expected);
    ASSERT_FALSE(returned.empty());
    EXPECT_EQ(returned.back().field, &start);
    EXPECT_EQ(dateText(returned.back().date), r.expected);
  }
  returned.clear();
  open(start, "3/5/26");
  QTest::mouseClick(cal(), Qt::LeftButton, {}, cal()->cellRect({2, 0}).center());
  EXPECT_TRUE(popup.isVisible());
  EXPECT_EQ(returned, std::vector<Returned>{});
}

TEST_F(CalendarPopup, WritesTheStartPatternWithTheSeparatorNowInForce) {
  DateLocale now;
  now.shortDatePattern = "m-d-yy";
  now.dateSeparator = '-';
  host.system.setDateLocale(now);
  open(birth, "12-24-1990");
  EXPECT_EQ(heading(), "12-24-1990");
  key(Qt::Key_Return);
  EXPECT_EQ(birth.currentText(), "12-24-1990");
}

TEST_F(CalendarPopup, OpensUnderTheFieldUnlessAScreenEdgeIsInTheWay) {
  popup.execute(&start, QPoint(1000, 100), returnInto(start));  // the first opening measures the created width
  EXPECT_EQ(popup.pos(), QPoint(1024 - 195, 100 + start.height()));
  popup.hide();
  popup.execute(&start, QPoint(100, 700), returnInto(start));
  EXPECT_EQ(popup.pos(), QPoint(100, 700 - 148));
}

// Every locale Qt knows: each weekday in the header can be read whole in its cell, in the pop-up's
// own font; where the abbreviated names fit they are kept.
TEST_F(CalendarPopup, EveryLocalesWeekdayHeaderFitsItsCells) {
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 300);
  TCalendar* grid = cal();
  const QFontMetrics metrics(grid->font());
  std::vector<std::string> failures;
  int shortNamesKept = 0;
  for (const QLocale& qtLocale : locales) {
    const DateLocale locale = dateLocaleFrom(qtLocale);
    std::array<QString, 7> names;
    std::array<QString, 7> narrowNames;
    for (std::size_t i = 0; i < 7; ++i) {
      names[i] = QString::fromStdString(locale.shortDayNames[i]);
      narrowNames[i] = QString::fromStdString(locale.narrowDayNames[i]);
    }
    grid->setWeekdayNames(names, narrowNames);
    bool allShort = true;
    for (int column = 0; column < 7; ++column) {
      const QString text = grid->cellText({column, 0});
      const int width = grid->cellRect({column, 0}).width();
      // Monday first, Sunday last.
      allShort = allShort && text == names[static_cast<std::size_t>((column + 1) % 7)];
      if (text.isEmpty() || metrics.horizontalAdvance(text) > width) {
        failures.push_back(qtLocale.name().toStdString() + ": \"" + text.toStdString() + "\" is " +
                           std::to_string(metrics.horizontalAdvance(text)) + " pixels wide");
      }
    }
    if (allShort) ++shortNamesKept;
  }
  EXPECT_EQ(failures, std::vector<std::string>{});
  EXPECT_GT(shortNamesKept, locales.size() / 2) << "names that fit are not shortened";
}

TEST(CalendarWindowKind, APopupOfTheMainWindowOnlyOnWayland) {
  struct Row {
    const char* platform;
    TfrmCal::WindowKind kind;
  };
  for (const Row& r :
       {Row{"xcb", TfrmCal::WindowKind::ToolWindow}, Row{"offscreen", TfrmCal::WindowKind::ToolWindow},
        Row{"wayland", TfrmCal::WindowKind::AttachedPopup}, Row{"wayland-egl", TfrmCal::WindowKind::AttachedPopup}}) {
    EXPECT_EQ(TfrmCal::windowKindFor(r.platform), r.kind) << r.platform;
  }
}

// As the program makes it: owned by nobody, so only the platform's parent ties it to the main window.
TEST_F(CalendarPopup, AttachedItOpensUnderTheFieldAsAPopupOfTheMainWindow) {
  TfrmCal attached{context};
  int returns = 0;
  const auto countReturn = [&returns](DayNumber) { ++returns; };
  EXPECT_EQ(attached.windowType(), Qt::Tool) << "a free tool window off Wayland";
  attached.setWindowKind(TfrmCal::WindowKind::AttachedPopup);
  // Window positions are not real there, so no screen edge moves the pop-up off the field.
  attached.setScreenArea([](QPoint) { return QRect(0, 0, 50, 50); });
  start.setEditText("3/5/26");
  attached.execute(&start, start.mapToGlobal(QPoint(0, 0)), countReturn);
  EXPECT_TRUE(attached.isVisible());
  EXPECT_EQ(attached.windowType(), Qt::Popup);
  ASSERT_NE(attached.windowHandle(), nullptr);
  EXPECT_EQ(attached.windowHandle()->transientParent(), main.windowHandle());
  // The compositor places the window by its top-left corner and, with no room below, turns it up
  // about that corner: the window starts on the row above the field, the calendar at its bottom
  // lies under the field, and turned up it would end on the field's top.
  auto* panel = attached.findChild<QFrame*>("panMain");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(attached.pos(), start.mapToGlobal(QPoint(0, -1)));
  EXPECT_EQ(panel->mapToGlobal(QPoint(0, 0)), start.mapToGlobal(QPoint(0, start.height())));
  EXPECT_EQ(panel->geometry().bottom(), attached.height() - 1);
  EXPECT_EQ(attached.mask(), QRegion(panel->geometry())) << "the part over the field is clear to the pointer";

  auto* attachedCal = attached.findChild<TCalendar*>("cal");
  QTest::keyClick(attachedCal, Qt::Key_Right);
  QTest::keyClick(attachedCal, Qt::Key_Return);
  EXPECT_FALSE(attached.isVisible());
  EXPECT_EQ(start.currentText(), "3/6/2026");
  EXPECT_EQ(returns, 1);

  // A click into the main window closes it, as any drop-down, and returns nothing.
  attached.execute(&start, start.mapToGlobal(QPoint(0, 0)), countReturn);
  ASSERT_TRUE(attached.isVisible());
  QTest::keyClick(attachedCal, Qt::Key_Right);
  QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(250, 150));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !attached.isVisible(); }));
  EXPECT_EQ(start.currentText(), "3/6/2026");
  EXPECT_EQ(returns, 1);
}

// Attached, the pop-up hears of a press outside it first, and the press closes it. Where the
// platform then hands the press on to the widget under the pointer (Wayland, X11), a press on the
// field's arrow would open the pop-up again at once; Qt hands on no press the pop-up marks as not
// to be replayed. Offscreen Qt hands on none at all, so the mark is what can be seen here.
TEST_F(CalendarPopup, AttachedAPressOnTheFieldsArrowOnlyClosesIt) {
  TfrmCal attached{context};
  attached.setWindowKind(TfrmCal::WindowKind::AttachedPopup);
  DateField field(&main);
  field.setGeometry(0, 80, 120, 21);
  field.show();
  const int middle = field.height() / 2;
  for (const auto& [name, at, handedOn] : {std::tuple{"the field's arrow", QPoint(field.width() - 4, middle), false},
                                           std::tuple{"the field's text", QPoint(10, middle), true},
                                           std::tuple{"elsewhere in the window", QPoint(200, -60), true}}) {
    SCOPED_TRACE(name);
    attached.execute(&field, field.mapToGlobal(QPoint(0, 0)), {});
    QTest::mousePress(main.windowHandle(), Qt::LeftButton, {}, field.mapTo(&main, at));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !attached.isVisible(); }));
    EXPECT_EQ(!attached.testAttribute(Qt::WA_NoMouseReplay), handedOn);
    QTest::mouseRelease(main.windowHandle(), Qt::LeftButton, {}, field.mapTo(&main, at));
  }
}

TEST(CalendarPlacement, KeepsThePopupOnTheScreensRightAndBottomEdges) {
  struct Row {
    const char* name;
    QPoint field;
    QRect screen;
    QPoint expected;
  };
  const QSize popup(194, 148);
  const QRect screen(0, 0, 1024, 768);
  for (const Row& r : {Row{"room below and right", {100, 100}, screen, {100, 121}},
                       Row{"exactly fits at the right edge", {830, 100}, screen, {830, 121}},
                       Row{"one pixel past the right edge", {831, 100}, screen, {830, 121}},
                       Row{"exactly fits at the bottom", {100, 599}, screen, {100, 620}},
                       Row{"one pixel past the bottom", {100, 600}, screen, {100, 452}},
                       Row{"bottom-right corner", {1000, 700}, screen, {830, 552}},
                       Row{"second screen to the right", {1900, 100}, {1024, 0, 1000, 700}, {1830, 121}},
                       Row{"no screen known", {5000, 5000}, QRect(), {5000, 5021}}}) {
    EXPECT_EQ(popupPosition(r.field, 21, popup, r.screen), r.expected) << r.name;
  }
}

}  // namespace
}  // namespace lunasoma
