#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include "tests/ui/MainWindowFixture.h"
#include "ui/ChartProgramStart.h"
#include "ui/TfrmAbout.h"

namespace lunasoma {
namespace {

using StartUpTest = test::MainWindowFixture;

QList<TfrmAbout*> flashScreens(bool visibleOnly) {
  QList<TfrmAbout*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* about = qobject_cast<TfrmAbout*>(widget);
    if (about != nullptr && (!visibleOnly || about->isVisible())) found << about;
  }
  return found;
}

void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST_F(StartUpTest, TheFlashScreenCoversTheMainWindowsCreationUnlessHidden) {
  for (const bool hide : {false, true}) {
    settings.HideFlashScreen = hide;
    qsizetype shownDuringCreation = -1;
    bool okButtonShown = false;
    auto window = startChartProgram(context, pointers, [&](TfrmBio& frmBio) {
      EXPECT_TRUE(frmBio.isVisible());
      const QList<TfrmAbout*> shown = flashScreens(true);
      shownDuringCreation = shown.size();
      if (!shown.isEmpty()) okButtonShown = shown.front()->findChild<QPushButton*>("btnOK")->isVisibleTo(shown.front());
    });
    EXPECT_EQ(shownDuringCreation, hide ? 0 : 1) << (hide ? "hidden" : "shown");
    EXPECT_FALSE(okButtonShown) << "the flash screen has no OK button";
    EXPECT_TRUE(flashScreens(true).isEmpty()) << "closed once the main window has painted";
    destroyClosedWindows();
    EXPECT_TRUE(flashScreens(false).isEmpty()) << "and destroyed";
    EXPECT_TRUE(window->isVisible());
  }
}

// Records, in order, the first paint of each window, the main window's show and the flash
// screen's close. A compositor shows a new window only some event rounds after it was asked to;
// windows that cannot paint until a few rounds after they are shown stand in for it.
class StartUpOrder : public QObject {
 public:
  explicit StartUpOrder(int lateRounds) : m_lateRounds(lateRounds) { qApp->installEventFilter(this); }
  ~StartUpOrder() override { qApp->removeEventFilter(this); }
  StartUpOrder(const StartUpOrder&) = delete;
  StartUpOrder& operator=(const StartUpOrder&) = delete;

  QStringList events;
  bool flashAboveAtMainPaint = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const bool main = qobject_cast<TfrmBio*>(widget) != nullptr;
    const bool flash = qobject_cast<TfrmAbout*>(widget) != nullptr;
    if (event->type() == QEvent::Show && (main || flash) && !m_shown.contains(widget)) {
      m_shown << widget;
      if (main) {
        m_main = widget;
        events << "main shown";
      }
      if (m_lateRounds > 0) {
        widget->setUpdatesEnabled(false);
        allowPaintIn(widget, m_lateRounds);
      }
    } else if (event->type() == QEvent::Paint) {
      QWidget* window = widget->window();
      if (m_painted.contains(window)) return false;
      if (window == m_main) {
        m_painted << window;
        events << "main painted";
        const QList<TfrmAbout*> shown = flashScreens(true);
        flashAboveAtMainPaint =
            shown.size() == 1 && shown.front()->windowHandle()->transientParent() == m_main->windowHandle();
      } else if (qobject_cast<TfrmAbout*>(window)) {
        m_painted << window;
        events << "flash painted";
      }
    } else if (event->type() == QEvent::Close && flash) {
      events << "flash closed";
    } else if (event->type() == QEvent::Hide && flash && !events.contains("flash closed")) {
      events << "flash hidden";
    }
    return false;
  }

 private:
  void allowPaintIn(QWidget* widget, int rounds) {
    if (rounds == 0) {
      widget->setUpdatesEnabled(true);
      // A window exposed while its updates were off does not repaint by itself when they come on.
      widget->repaint();
      return;
    }
    QMetaObject::invokeMethod(
        widget, [this, widget, rounds] { allowPaintIn(widget, rounds - 1); }, Qt::QueuedConnection);
  }

  int m_lateRounds;
  QList<QPointer<QWidget>> m_shown;
  QList<QPointer<QWidget>> m_painted;
  QPointer<QWidget> m_main;
};

TEST_F(StartUpTest, TheFlashScreenIsOnTheScreenBeforeTheMainWindowAndInFrontOfItUntilItHasPainted) {
  struct Row {
    const char* name;
    int lateRounds;
  };
  for (const Row& row : {Row{"at once", 0}, Row{"five rounds late", 5}}) {
    SCOPED_TRACE(row.name);
    StartUpOrder order(row.lateRounds);
    auto window = startChartProgram(context, pointers, {});
    // Never hidden on the way, which the user would see as a blink.
    EXPECT_EQ(order.events, QStringList({"flash painted", "main shown", "main painted", "flash closed"}));
    EXPECT_TRUE(order.flashAboveAtMainPaint) << "open, and a child window of the main window";
    EXPECT_TRUE(flashScreens(true).isEmpty());
    window.reset();
    destroyClosedWindows();
  }
}

TEST_F(StartUpTest, ALogoClickClosesTheFlashScreenEarlyWithoutHarm) {
  auto window = startChartProgram(context, pointers, [&](TfrmBio&) {
    const QList<TfrmAbout*> shown = flashScreens(true);
    ASSERT_EQ(shown.size(), 1);
    QTest::mouseClick(shown.front()->findChild<QLabel*>("imgCorvanti"), Qt::LeftButton);
    EXPECT_FALSE(shown.front()->isVisible());
  });
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->chartReady());
  destroyClosedWindows();
  EXPECT_TRUE(flashScreens(false).isEmpty());
}

TEST_F(StartUpTest, TheStartShowValueMinimisesOrMaximises) {
  struct Row {
    const char* name;
    int showValue;
    Qt::WindowStates state;
  };
  const Row rows[] = {
      {"show minimised without activation", 7, Qt::WindowMinimized},
      {"show maximised", 3, Qt::WindowMaximized},
      {"show minimised and activate does nothing", 2, Qt::WindowNoState},
      {"normal", 1, Qt::WindowNoState},
  };
  for (const Row& row : rows) {
    host.system.setOsFacts(OsFacts{601, row.showValue});
    settings.HideFlashScreen = true;
    auto window = startChartProgram(context, pointers, {});
    EXPECT_EQ(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), row.state) << row.name;
  }
}

}  // namespace
}  // namespace lunasoma
