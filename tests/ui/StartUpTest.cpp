#include <QApplication>
#include <QLabel>
#include <QPushButton>

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
