#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

#include <functional>

#include "tests/ui/MainWindowFixture.h"
#include "ui/MainWindowGeometry.h"

namespace lunasoma {
namespace {

using MainWindowTest = test::MainWindowFixture;

// Counts the events of one type that reach a widget.
class EventCounter : public QObject {
 public:
  EventCounter(QWidget* widget, QEvent::Type type) : m_type(type) { widget->installEventFilter(this); }
  int count() const { return m_count; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == m_type) ++m_count;
    return false;
  }

 private:
  QEvent::Type m_type;
  int m_count = 0;
};

bool holdsFocus(TfrmBio& window, QWidget* field) {
  QWidget* focused = window.focusWidget();
  return focused == field || (focused != nullptr && focused->parentWidget() == field);
}

void sendMouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QPointF local(x, 10);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

// Sizes the window by its outer (frame) size, the size the settings keep.
void setOuterSize(QWidget& window, QSize outer) {
  window.resize(outer - (window.frameGeometry().size() - window.size()));
}

void type(QComboBox* field, const QString& keys) {
  field->setFocus();
  QTest::keyClicks(field->lineEdit(), keys);
}

TEST_F(MainWindowTest, FirstRunOpensWithTheDefaults) {
  TfrmBio& window = open();
  EXPECT_EQ(window.windowTitle(), "Lunasoma");
  EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 640, 480));
  EXPECT_EQ(child<QComboBox>("cboBirth")->currentText(), "3/15/2024");
  EXPECT_EQ(child<QComboBox>("cboStart")->currentText(), "3/15/2024");
  EXPECT_EQ(settings.Birth, today());
  EXPECT_EQ(settings.Start, today());
  EXPECT_EQ(child<QFrame>("panDiv")->x(), 128);
  EXPECT_EQ(child<QTabWidget>("tabRight")->currentWidget(), child<QWidget>("panMain"));
  EXPECT_TRUE(window.chartReady());
  EXPECT_FALSE(window.initializing());
  EXPECT_TRUE(child<QAction>("mnuPrint")->isEnabled());
}

TEST_F(MainWindowTest, StartDateIsTodayUnlessItIsSaved) {
  struct Row {
    const char* name;
    bool saveStartDate;
    QString startText;
  };
  const Row rows[] = {{"not saved", false, "3/15/2024"}, {"saved", true, "1/2/2000"}};
  for (const Row& row : rows) {
    BiorhythmSettings previous;
    previous.Birth = day(1970, 6, 1);
    previous.Start = day(2000, 1, 2);
    previous.SaveStartDate = row.saveStartDate;
    store(previous);
    open();
    EXPECT_EQ(child<QComboBox>("cboBirth")->currentText(), "6/1/1970") << row.name;
    EXPECT_EQ(child<QComboBox>("cboStart")->currentText(), row.startText) << row.name;
    EXPECT_EQ(QString::fromStdString(formatDate(settings.Start, "m/d/yyyy", DateLocale{})), row.startText) << row.name;
  }
}

TEST_F(MainWindowTest, CloseAndRestartRestoresDatesRectangleAndDivider) {
  BiorhythmSettings previous;
  previous.SaveStartDate = true;
  store(previous);
  TfrmBio& window = open();
  window.move(100, 80);
  setOuterSize(window, QSize(700, 500));
  QFrame* panDiv = child<QFrame>("panDiv");
  sendMouse(panDiv, QEvent::MouseButtonPress, 3, Qt::LeftButton);
  sendMouse(panDiv, QEvent::MouseMove, 72, Qt::LeftButton);
  sendMouse(panDiv, QEvent::MouseButtonRelease, 72, Qt::NoButton);
  ASSERT_EQ(panDiv->x(), 200);
  child<QComboBox>("cboBirth")->setEditText("");
  type(child<QComboBox>("cboBirth"), QStringLiteral("7/4/1980"));
  child<QComboBox>("cboStart")->setEditText("");
  type(child<QComboBox>("cboStart"), QStringLiteral("8/9/2010"));

  child<QAction>("mnuExit")->trigger();
  ASSERT_FALSE(window.isVisible());
  EXPECT_EQ(host.userHive.readDword("Software\\Corvanti\\Lunasoma", "DivLeft"), 29u) << "200 of 700 pixels";

  settings = BiorhythmSettings{};
  TfrmBio& again = open();
  EXPECT_EQ(again.frameGeometry(), QRect(100, 80, 700, 500));
  EXPECT_EQ(child<QFrame>("panDiv")->x(), 203) << "29 % of 700 pixels";
  EXPECT_EQ(child<QComboBox>("cboBirth")->currentText(), "7/4/1980");
  EXPECT_EQ(child<QComboBox>("cboStart")->currentText(), "8/9/2010");
}

TEST_F(MainWindowTest, ClosingMaximisedKeepsTheNormalRectangle) {
  BiorhythmSettings previous;
  previous.Bounds = {40, 30, 680, 510};
  store(previous);
  TfrmBio& window = open();
  window.showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }));
  EXPECT_TRUE(window.close());
  EXPECT_EQ(settings.Bounds, (Bounds{40, 30, 680, 510}));
  EXPECT_EQ(settings.WindowState, WindowShowState::Maximized);

  settings = BiorhythmSettings{};
  TfrmBio& again = open();
  EXPECT_FALSE(again.isMaximized()) << "the stored state is not applied at start";
  EXPECT_EQ(again.frameGeometry(), QRect(40, 30, 640, 480));
}

TEST_F(MainWindowTest, AMoveBeforeMaximisingOrMinimisingIsRemembered) {
  struct Row {
    const char* name;
    std::function<void(QWidget&)> leaveNormal;
    WindowShowState state;
  };
  const Row rows[] = {
      {"maximised", [](QWidget& window) { window.showMaximized(); }, WindowShowState::Maximized},
      {"minimised", [](QWidget& window) { window.showMinimized(); }, WindowShowState::Minimized},
  };
  for (const Row& row : rows) {
    BiorhythmSettings previous;
    previous.Bounds = {40, 30, 680, 510};
    store(previous);
    TfrmBio& window = open();
    window.move(150, 120);  // a move alone, no resize
    row.leaveNormal(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isNormalState(window.windowState()); })) << row.name;
    EXPECT_TRUE(window.close()) << row.name;
    EXPECT_EQ(settings.Bounds, (Bounds{150, 120, 790, 600})) << row.name;
    EXPECT_EQ(settings.WindowState, row.state) << row.name;
  }
}

TEST_F(MainWindowTest, MaximisedSessionsKeepTheDateColumn) {
  // Each row is one more session that ends maximised; the divider is where the user sees it.
  struct Row {
    const char* name;
    int dragBy;    // pixels the divider is dragged while maximised
    int stored;    // DivLeft recorded at close, in percent of the normal width 640
    int nextLeft;  // where the divider opens in the next, normal session; -1: at the client width - 12
  };
  const Row rows[] = {
      {"first maximised session", 0, 20, 128},
      {"second", 0, 20, 128},
      {"third", 0, 20, 128},
      {"dragged right while maximised", 272, 62, 397},
      {"dragged past the normal width", 1000, 100, -1},
  };
  BiorhythmSettings previous;
  previous.Bounds = {40, 30, 680, 510};
  store(previous);
  for (const Row& row : rows) {
    TfrmBio& window = open();
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().width() > 640; }))
        << window.frameGeometry().width();
    QFrame* panDiv = child<QFrame>("panDiv");
    if (row.dragBy != 0) {
      sendMouse(panDiv, QEvent::MouseButtonPress, 3, Qt::LeftButton);
      sendMouse(panDiv, QEvent::MouseMove, row.dragBy, Qt::LeftButton);
      sendMouse(panDiv, QEvent::MouseButtonRelease, row.dragBy, Qt::NoButton);
    }
    EXPECT_TRUE(window.close());
    EXPECT_EQ(host.userHive.readDword("Software\\Corvanti\\Lunasoma", "DivLeft"),
              static_cast<std::uint32_t>(row.stored))
        << row.name;

    settings = BiorhythmSettings{};
    TfrmBio& next = open();
    const int expected = row.nextLeft >= 0 ? row.nextLeft : next.centralWidget()->width() - 12;
    EXPECT_EQ(child<QFrame>("panDiv")->x(), expected) << row.name;
    m_window.reset();
  }
}

TEST_F(MainWindowTest, AStoredDividerIsKeptInsideTheClientArea) {
  struct Row {
    const char* name;
    std::uint8_t divLeft;
  };
  const Row rows[] = {{"all the way right", 100}, {"at the right edge", 99}};
  for (const Row& row : rows) {
    BiorhythmSettings previous;
    previous.DivLeft = row.divLeft;
    store(previous);
    TfrmBio& window = open();
    const QRect client = window.centralWidget()->rect();
    const QRect divider = child<QFrame>("panDiv")->geometry();
    EXPECT_TRUE(client.contains(divider)) << row.name << ": the divider can be seen and grabbed";
    EXPECT_LE(divider.right(), client.right() - 6) << row.name << ": with the right margin";
    EXPECT_GE(child<QTabWidget>("tabRight")->width(), 0) << row.name;
  }
}

TEST_F(MainWindowTest, WherePositionsAreUnknownOnlyTheSizeIsRecorded) {
  host.system.setOsFacts(OsFacts{601, 1, false});
  BiorhythmSettings previous;
  previous.Bounds = {200, 150, 840, 630};
  store(previous);
  TfrmBio& window = open();
  // What Wayland reports for every window, whatever the user did.
  window.move(0, 0);
  setOuterSize(window, QSize(700, 500));
  EXPECT_EQ(settings.Bounds, (Bounds{200, 150, 900, 650})) << "the layout records the same";
  ASSERT_TRUE(window.close());
  EXPECT_EQ(settings.Bounds, (Bounds{200, 150, 900, 650}));
}

TEST_F(MainWindowTest, AStoredRectangleNobodyCouldReachOpensAtTheDefault) {
  BiorhythmSettings previous;
  previous.Bounds = {20000, 20000, 20640, 20480};
  store(previous);
  TfrmBio& window = open();
  EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 640, 480));
}

TEST_F(MainWindowTest, DividerDragStopsAtTheEndsAndNeedsTheLeftButtonAlone) {
  // The divider opens at 128 with a left column of 122; CW is the client width.
  struct Row {
    const char* name;
    int x;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    std::function<int(int cw)> dividerLeft;
    std::function<int(int cw)> leftWidth;
    std::function<int(int cw)> rightWidth;
  };
  const Row rows[] = {
      {"far left", -1000, Qt::LeftButton, Qt::NoModifier, [](int) { return 6; }, [](int) { return 0; },
       [](int cw) { return cw - 18; }},
      {"far right", 1000, Qt::LeftButton, Qt::NoModifier, [](int cw) { return cw - 12; },
       [](int cw) { return cw - 18; }, [](int) { return 0; }},
      {"shift held", 50, Qt::LeftButton, Qt::ShiftModifier, [](int) { return 128; }, [](int) { return 122; },
       [](int cw) { return cw - 140; }},
      {"right button", 50, Qt::RightButton, Qt::NoModifier, [](int) { return 128; }, [](int) { return 122; },
       [](int cw) { return cw - 140; }},
      {"both buttons", 50, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, [](int) { return 128; },
       [](int) { return 122; }, [](int cw) { return cw - 140; }},
  };
  for (const Row& row : rows) {
    TfrmBio& window = open();
    const int cw = window.centralWidget()->width();
    QFrame* panDiv = child<QFrame>("panDiv");
    const int top = panDiv->y();
    const int height = panDiv->height();
    sendMouse(panDiv, QEvent::MouseButtonPress, 3, row.buttons);
    EXPECT_EQ(panDiv->y(), top + 2) << row.name << ": pressed, it looks pushed in";
    EXPECT_EQ(panDiv->height(), height - 4) << row.name;
    sendMouse(panDiv, QEvent::MouseMove, row.x, row.buttons, row.modifiers);
    EXPECT_EQ(panDiv->x(), row.dividerLeft(cw)) << row.name;
    EXPECT_EQ(child<QFrame>("tabLeft")->width(), 122) << row.name << ": the sides wait for the button to come up";
    sendMouse(panDiv, QEvent::MouseButtonRelease, row.x, Qt::NoButton);
    EXPECT_EQ(child<QFrame>("tabLeft")->width(), row.leftWidth(cw)) << row.name;
    EXPECT_EQ(child<QTabWidget>("tabRight")->width(), row.rightWidth(cw)) << row.name;
    EXPECT_EQ(panDiv->y(), top) << row.name;
    EXPECT_EQ(panDiv->height(), height) << row.name;
  }
}

TEST_F(MainWindowTest, AWindowNarrowerThanTheLeftColumnLeavesTheRightAreaEmpty) {
  TfrmBio& window = open();
  setOuterSize(window, QSize(130, 300));
  EXPECT_EQ(child<QFrame>("tabLeft")->width(), 122);
  EXPECT_EQ(child<QTabWidget>("tabRight")->width(), 0);
  EXPECT_EQ(settings.Bounds, (Bounds{0, 0, 130, 300})) << "every layout of a normal window records it";
}

TEST_F(MainWindowTest, AltBAndAltSSwitchTabsWithAndWithoutCapsLock) {
  TfrmBio& window = open();
  QTabWidget* tabRight = child<QTabWidget>("tabRight");
  child<QComboBox>("cboBirth")->setFocus();
  struct Row {
    const char* name;
    Qt::Key key;
    QString text;
    int tab;
  };
  const Row rows[] = {
      {"Alt+S", Qt::Key_S, "s", 1},
      {"Alt+B", Qt::Key_B, "b", 0},
      {"Alt+S with Caps Lock", Qt::Key_S, "S", 1},
      {"Alt+B with Caps Lock", Qt::Key_B, "B", 0},
  };
  for (const Row& row : rows) {
    QTest::sendKeyEvent(QTest::Click, window.focusWidget(), row.key, row.text, Qt::AltModifier);
    EXPECT_EQ(tabRight->currentIndex(), row.tab) << row.name;
  }
}

TEST_F(MainWindowTest, EnterMovesOnFromFieldsButNotFromTheTrackBar) {
  struct Row {
    const char* name;
    int tab;
    const char* from;
    const char* to;
  };
  const Row rows[] = {
      {"birth date field", 0, "cboBirth", "cboStart"},
      {"track bar", 1, "trkSetRange", "trkSetRange"},
  };
  for (const Row& row : rows) {
    TfrmBio& window = open();
    child<QTabWidget>("tabRight")->setCurrentIndex(row.tab);
    child<QWidget>(row.from)->setFocus();
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(holdsFocus(window, child<QWidget>(row.to)))
        << row.name << ": " << qPrintable(window.focusWidget()->objectName());
  }
}

TEST_F(MainWindowTest, ChartCommandShortcutsWinOverTheDateFields) {
  TfrmBio& window = open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QComboBox* cboBirth = child<QComboBox>("cboBirth");
  cboBirth->setFocus();
  QAction* mnuToday = child<QAction>("mnuToday");
  int triggered = 0;
  QObject::connect(mnuToday, &QAction::triggered, mnuToday, [&triggered] { ++triggered; });
  QTest::keyClick(window.focusWidget(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(triggered, 1) << "Ctrl+Home moves the chart to today, not the caret";
  QTest::keyClick(window.focusWidget(), Qt::Key_Home);
  EXPECT_EQ(triggered, 1) << "Home alone still belongs to the field";
}

TEST_F(MainWindowTest, ClickingADateCaptionFocusesItsField) {
  TfrmBio& window = open();
  child<QComboBox>("cboBirth")->setFocus();
  QTest::mouseClick(child<QLabel>("lblStart"), Qt::LeftButton);
  EXPECT_TRUE(holdsFocus(window, child<QComboBox>("cboStart")));
  QTest::mouseClick(child<QLabel>("lblBirth"), Qt::LeftButton);
  EXPECT_TRUE(holdsFocus(window, child<QComboBox>("cboBirth")));
}

TEST_F(MainWindowTest, EveryKeystrokeSetsBirthAndRedrawsAtOnce) {
  open();
  QComboBox* cboBirth = child<QComboBox>("cboBirth");
  QAction* mnuPrint = child<QAction>("mnuPrint");
  EventCounter paints(child<QWidget>("pntBio"), QEvent::Paint);
  cboBirth->setEditText("");
  EXPECT_EQ(settings.Birth, today()) << "text the program writes runs no change handler";
  struct Row {
    QChar key;
    DayNumber birth;
  };
  const Row rows[] = {
      {'3', 0},
      {'/', 0},
      {'1', day(2024, 3, 1)},
      {'5', day(2024, 3, 15)},
      {'/', 0},
      {'2', day(2002, 3, 15)},
      {'0', day(2020, 3, 15)},
      {'0', day(200, 3, 15)},  // before 1900: a date, but one the chart cannot draw
      {'0', day(2000, 3, 15)},
  };
  for (const Row& row : rows) {
    const int before = paints.count();
    type(cboBirth, QString(row.key));
    const QString typed = cboBirth->currentText();
    EXPECT_EQ(settings.Birth, row.birth) << qPrintable(typed);
    EXPECT_GT(paints.count(), before) << qPrintable(typed) << ": drawn without waiting for the event loop";
    EXPECT_EQ(mnuPrint->isEnabled(), row.birth > 1) << qPrintable(typed);
  }
  type(cboBirth, QStringLiteral("1234567"));
  EXPECT_EQ(cboBirth->currentText(), "3/15/20001") << "an eleventh character cannot be typed";
}

TEST_F(MainWindowTest, TextThatIsNoDateShowsTheNoticeUntilItParsesAgain) {
  open();
  QComboBox* cboStart = child<QComboBox>("cboStart");
  cboStart->setEditText("");
  type(cboStart, QStringLiteral("1-2-2003"));
  EXPECT_EQ(settings.Start, 0);
  EXPECT_FALSE(child<QAction>("mnuPrint")->isEnabled());
  EXPECT_EQ(cboStart->currentText(), "1-2-2003") << "the text stays as the user left it";
  EXPECT_TRUE(host.messages.boxes().empty());
  cboStart->setEditText("");
  type(cboStart, QStringLiteral("1/2/2003"));
  EXPECT_EQ(settings.Start, day(2003, 1, 2));
  EXPECT_TRUE(child<QAction>("mnuPrint")->isEnabled());
}

TEST_F(MainWindowTest, TypedDatesFollowAChangeOfTheSystemDateSettings) {
  TfrmBio& window = open();
  DateLocale german;
  german.shortDatePattern = "dd.MM.yy";
  german.dateSeparator = '.';
  host.system.setDateLocale(german);
  window.reloadInputLocale();
  QComboBox* cboBirth = child<QComboBox>("cboBirth");
  cboBirth->setEditText("");
  type(cboBirth, QStringLiteral("15.3.26"));
  EXPECT_EQ(settings.Birth, day(2026, 3, 15));
}

TEST_F(MainWindowTest, HintsAreSwitchedForTheWholeApplication) {
  open();
  QWidget* hinted = child<QWidget>("cboBirth");
  auto* showHints = child<QCheckBox>("chkSetShowHints");
  EventCounter hints(hinted, QEvent::ToolTip);
  for (const bool shown : {false, true}) {
    showHints->setChecked(shown);
    ASSERT_EQ(settings.ShowHints, shown);
    const int before = hints.count();
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), hinted->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(hinted, &event);
    EXPECT_EQ(hints.count() - before, shown ? 1 : 0) << (shown ? "hints on" : "hints off");
  }
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheWindowOpenAndSaysWhy) {
  host.userHive.failWritesOf("Left");
  TfrmBio& window = open();
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(host.journal, (QStringList{"beep Stop", "error Failed to set data for 'Left'"}));
  EXPECT_EQ(host.help.quitCount(), 1) << "the help window closes all the same";
}

TEST_F(MainWindowTest, AStoreThatCannotBeWrittenLetsTheUserCloseWithoutSavingOrCancel) {
  const QString failure = "error Failed to set data for 'AppPath'";
  struct Row {
    const char* name;
    std::initializer_list<MessageButton> answers;
    bool closed;
    QStringList journal;
  };
  const Row rows[] = {
      {"close without saving", {MessageButton::Discard}, true, {"beep Stop", failure}},
      {"retry fails again, then close",
       {MessageButton::Retry, MessageButton::Retry, MessageButton::Discard},
       true,
       {"beep Stop", failure, "beep Stop", failure, "beep Stop", failure}},
      {"box closed without a choice", {}, false, {"beep Stop", failure}},
      {"cancel keeps the program open", {MessageButton::Cancel}, false, {"beep Stop", failure}},
      {"retry fails again, then cancel",
       {MessageButton::Retry, MessageButton::Cancel},
       false,
       {"beep Stop", failure, "beep Stop", failure}},
  };
  for (const Row& row : rows) {
    host.userHive.failWritesOf("AppPath");
    TfrmBio& window = open();
    host.journal.clear();
    host.messages.clear();
    const int quitsBefore = host.help.quitCount();
    host.messages.queueAnswers(row.answers);
    EXPECT_EQ(window.close(), row.closed) << row.name;
    EXPECT_EQ(window.isVisible(), !row.closed) << row.name;
    EXPECT_EQ(host.journal, row.journal) << row.name;
    ASSERT_FALSE(host.messages.boxes().empty()) << row.name;
    EXPECT_EQ(host.messages.boxes().front().buttons,
              MessageButton::Retry | MessageButton::Discard | MessageButton::Cancel)
        << row.name;
    EXPECT_EQ(host.help.quitCount() - quitsBefore, 1) << row.name << ": the help window closes once";
    EXPECT_EQ(host.messages.pendingAnswers(), 0) << row.name;
  }
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileOrNamesTheMissingOne) {
  open();
  const QString helpFile = context.programFolder + "Lunasoma.hlp";
  child<QAction>("mnuHelpContents")->trigger();
  ASSERT_EQ(host.messages.texts().size(), 1);
  EXPECT_TRUE(host.messages.texts().front().contains(helpFile)) << qPrintable(host.messages.texts().front());

  host.messages.clear();
  QFile file(helpFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<html><body><a name=\"contents\"></a>Help</body></html>");
  file.close();
  child<QAction>("mnuHelpContents")->trigger();
  EXPECT_TRUE(host.messages.boxes().empty());
  EXPECT_EQ(host.help.shownFiles().back(), helpFile);
}

}  // namespace
}  // namespace lunasoma
