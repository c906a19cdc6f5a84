#include "setup/TfrmInstall.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>

#include "setup/InstallLayout.h"
#include "setup/SetupEntry.h"
#include "tests/setup/InstallFixture.h"
#include "tests/support/ModalAnswer.h"

namespace lunasoma {
namespace {

using test::InstallFixture;

const QString CancelQuestion = "Are you sure you want to cancel the installation of Lunasoma?";

class InstallWizard : public ::testing::Test, protected InstallFixture {
 protected:
  void SetUp() override { makeDistribution(); }

  // Opens the wizard; the program file's time decides between the welcome and staleness pages.
  TfrmInstall& open() {
    m_wizard = std::make_unique<TfrmInstall>(context, nullptr, [this](int seconds) {
      waits << seconds;
      // Once only: a second installation started from inside the pause must show as a second pause.
      if (const auto once = std::exchange(duringWait, nullptr)) once();
    });
    m_finished = std::make_unique<QSignalSpy>(m_wizard.get(), &QDialog::finished);
    m_wizard->show();
    return *m_wizard;
  }

  template <typename T>
  T* child(const char* name) {
    T* widget = m_wizard->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QPushButton* button(const char* name) { return child<QPushButton>(name); }
  QString page() { return child<QStackedWidget>("pagMain")->currentWidget()->objectName(); }
  QString installTo() { return child<QLabel>("lblInstallTo")->text(); }
  bool closed() const { return m_finished->count() > 0; }
  void selectFolder(const QString& folder) { m_wizard->selectFolder(folder); }
  void setBeforeInstall(std::function<void()> prepare) { m_wizard->setBeforeInstall(std::move(prepare)); }
  void pressEnter() { QTest::keyClick(m_wizard.get(), Qt::Key_Return); }
  void pressEscape() { QTest::keyClick(m_wizard.get(), Qt::Key_Escape); }
  void askToClose() { m_wizard->close(); }
  void press(const char* name, int times = 1) {
    for (int i = 0; i < times; ++i) button(name)->click();
  }
  QStringList finishList() {
    QStringList items;
    auto* list = child<QListWidget>("lstFinish");
    for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
    return items;
  }

  // What the buttons show: "Back enabled visible | Next caption visible | Cancel caption".
  std::string buttonState() {
    const auto flags = [](QPushButton* b) {
      return QString(b->isEnabled() ? " enabled" : " disabled") + (b->isHidden() ? " hidden" : " visible");
    };
    return ("Back" + flags(button("btnBack")) + " | " + button("btnNext")->text() + flags(button("btnNext")) + " | " +
            button("btnCancel")->text())
        .toStdString();
  }

  QList<int> waits;
  std::function<void()> duringWait;

 private:
  std::unique_ptr<TfrmInstall> m_wizard;
  std::unique_ptr<QSignalSpy> m_finished;
};

TEST_F(InstallWizard, TheProgramFilesAgeDecidesTheFirstPage) {
  struct Case {
    const char* name;
    QDateTime modified;
    const char* firstPage;
  };
  const QDateTime startOfToday(host.system.now().date(), QTime(0, 0));
  const Case cases[] = {
      {"ExactlyHalfAYear", startOfToday.addDays(-180), "tabIntro"},
      {"OneHourMore", startOfToday.addDays(-180).addSecs(-3600), "tabOldVersion"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.journal.clear();
    ASSERT_TRUE(test::setModified(context.programFile, c.modified));
    open();
    EXPECT_EQ(page(), c.firstPage);
    EXPECT_EQ(host.journal.contains("beep Exclamation"), QString(c.firstPage) == "tabOldVersion");
    EXPECT_EQ(buttonState(), "Back disabled visible | Next > enabled visible | Cancel");
  }
}

TEST_F(InstallWizard, FromTheStalenessPageNextWrapsToWelcomeAndCancelClosesWithoutAQuestion) {
  ASSERT_TRUE(test::setModified(context.programFile, host.system.now().addDays(-400)));
  open();
  ASSERT_EQ(page(), "tabOldVersion");
  press("btnNext");
  EXPECT_EQ(page(), "tabIntro");
  EXPECT_EQ(buttonState(), "Back disabled visible | Next > enabled visible | Cancel");

  open();
  press("btnCancel");
  EXPECT_TRUE(closed());
  EXPECT_TRUE(host.messages.boxes().empty());
}

TEST_F(InstallWizard, CancelAsksOnTheWizardPagesAndNoChangesNothing) {
  open();
  press("btnNext");
  ASSERT_EQ(page(), "tabInstallTo");
  const std::string before = buttonState();
  host.messages.queueAnswers({MessageButton::No, MessageButton::Yes});

  press("btnCancel");
  EXPECT_EQ(page(), "tabInstallTo");
  EXPECT_EQ(buttonState(), before);
  EXPECT_FALSE(closed());
  EXPECT_EQ(host.journal, (QStringList{"beep Question", "confirm " + CancelQuestion}));

  // Esc is Cancel, question included.
  QTest::keyClick(child<QStackedWidget>("pagMain"), Qt::Key_Escape);
  EXPECT_TRUE(closed());
  EXPECT_EQ(host.messages.texts(), (QStringList{CancelQuestion, CancelQuestion}));
}

TEST_F(InstallWizard, TheInstallationFolderAddsTheProductNameOnce) {
  open();
  struct Case {
    const char* name;
    QString parent;
    QString folder;
  };
  const Case cases[] = {
      {"ParentFolder", parent(), parent() + "/Lunasoma"},
      {"Root", "/", "/Lunasoma"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    selectFolder(c.parent);
    EXPECT_EQ(installTo(), c.folder);
  }
}

TEST_F(InstallWizard, ClickingAFolderInTheListChangesTheInstallationFolder) {
  open();
  QDir().mkpath(work.path() + "/Apps");
  auto* tree = child<QTreeView>("flbInstallTo");
  auto* model = qobject_cast<QFileSystemModel*>(tree->model());
  ASSERT_NE(model, nullptr);
  tree->setCurrentIndex(model->index(work.path() + "/Apps"));
  EXPECT_EQ(installTo(), work.path() + "/Apps/Lunasoma");
}

TEST_F(InstallWizard, TheFinishListFollowsTheFolderChosenLast) {
  open();
  EXPECT_EQ(installTo(), installFolder());
  press("btnNext", 3);
  ASSERT_EQ(page(), "tabFinish");
  EXPECT_EQ(buttonState(), "Back enabled visible | Finish enabled visible | Cancel");
  QStringList expected;
  for (const QString& name : test::productFileNames()) expected << installFolder() + "/" + name;
  EXPECT_EQ(finishList(), expected);

  press("btnBack", 2);
  selectFolder(work.path());
  press("btnNext", 2);
  expected.clear();
  for (const QString& name : test::productFileNames()) expected << work.path() + "/Lunasoma/" + name;
  EXPECT_EQ(finishList(), expected);
}

TEST_F(InstallWizard, TheProductNameFillsEveryCaptionAndTheWelcomeText) {
  TfrmInstall& wizard = open();
  EXPECT_EQ(wizard.windowTitle(), "Lunasoma Setup");
  EXPECT_EQ(child<QCheckBox>("chkOnWinStartup")->text(), "Automatically run Lunasoma on Windows startup");
  EXPECT_EQ(child<QLabel>("lblWWW2")->text(), "https://www.corvanti.example.com/");
  const QString welcome = child<QTextBrowser>("rtfIntro")->toPlainText();
  EXPECT_TRUE(welcome.startsWith("Welcome to Lunasoma Setup!")) << welcome.toStdString();
  EXPECT_TRUE(welcome.contains("No changes will be made to your system at this time."));
  EXPECT_FALSE(welcome.contains("%s"));
  for (QLabel* label : wizard.findChildren<QLabel*>()) {
    EXPECT_FALSE(label->text().contains("%s")) << label->objectName().toStdString();
  }
}

TEST_F(InstallWizard, FinishCannotBePressedTwiceAndEndsOnTheSuccessPage) {
  open();
  press("btnNext", 3);
  duringWait = [this] {
    EXPECT_EQ(buttonState(), "Back disabled visible | Finish disabled visible | Cancel");
    // Every way in that still works while the buttons are disabled: Enter, Escape and a close
    // request from the desktop.
    pressEnter();
    pressEscape();
    askToClose();
    EXPECT_TRUE(host.messages.boxes().empty()) << "no question while Finish runs";
    EXPECT_FALSE(closed());
  };
  press("btnNext");

  EXPECT_EQ(waits, QList<int>{3});
  EXPECT_EQ(page(), "tabPosResult");
  EXPECT_EQ(buttonState(), "Back enabled hidden | Next > enabled hidden | Close");
  EXPECT_TRUE(QFileInfo::exists(installFolder() + "/Lunasoma.exe"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Enter closes the result page: Close is its only way on.
  host.messages.clear();
  pressEnter();
  EXPECT_TRUE(closed());
  EXPECT_TRUE(host.messages.boxes().empty());
}

TEST_F(InstallWizard, TheFailurePagesLinkOpensTheWebAddressOnlyWhenItShowsOne) {
  struct Case {
    const char* name;
    bool removeReadme;
    bool breakPrograms;
    const char* textStart;
    QString link;
  };
  const Case cases[] = {
      {"MissingFile", true, false, "Could not find or copy one or more files", "https://www.corvanti.example.com/"},
      {"FailedShortcut", false, true, "Could not create one or more of the shortcuts", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(installFolder()).removeRecursively();
    makeDistribution();
    if (c.removeReadme) QFile::remove(dist + "/Readme.txt");
    host.folders.setProgramsFolder(c.breakPrograms ? dist + "/Setup.exe/Programs" : host.folders.programsFolder());
    host.shell.clear();
    open();
    press("btnNext", 4);

    EXPECT_EQ(page(), "tabNegResult");
    EXPECT_TRUE(child<QLabel>("lblNegResult")->text().startsWith(c.textStart));
    auto* link = child<QLabel>("lblWWW1");
    EXPECT_EQ(link->text(), c.link);
    const size_t shellCallsBefore = host.shell.calls().size();
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(host.shell.calls().size(), shellCallsBefore + (c.link.isEmpty() ? 0 : 1));
    if (!c.link.isEmpty()) {
      EXPECT_EQ(host.shell.calls().back().target, c.link);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(InstallWizard, DecliningAnExistingFolderReturnsToTheFolderPage) {
  QDir().mkpath(installFolder());
  open();
  press("btnNext", 3);
  host.messages.queueAnswers({MessageButton::Cancel});
  press("btnNext");

  EXPECT_EQ(page(), "tabInstallTo");
  EXPECT_EQ(buttonState(), "Back enabled visible | Next > enabled visible | Cancel");
  EXPECT_TRUE(waits.isEmpty());
}

TEST_F(InstallWizard, AFolderThatCannotBeCreatedReturnsToTheFolderPageAndFinishPreparesFirst) {
  // A plain file stands where the parent folder should be.
  const QString blocker = work.path() + "/not a folder";
  test::writeFile(blocker, "x");
  open();
  int prepared = 0;
  setBeforeInstall([&prepared] { ++prepared; });
  press("btnNext");
  selectFolder(blocker);
  press("btnNext", 2);
  press("btnNext");

  EXPECT_EQ(prepared, 1);
  EXPECT_EQ(page(), "tabInstallTo");
  ASSERT_EQ(host.messages.texts().size(), 1);
  EXPECT_TRUE(host.messages.texts()[0].startsWith("The folder\n\n" + blocker + "/Lunasoma\n\ncould not be created: "));
  EXPECT_TRUE(waits.isEmpty());
  EXPECT_FALSE(host.machineHive.keyExists(uninstallEntryKey()));
}

TEST(SetupWizardEntry, AnOperatingSystemBelowVersion390IsRefused) {
  struct Case {
    const char* name;
    int version;
    bool refused;
  };
  const Case cases[] = {{"Version351", 351, true}, {"Version395", 395, false}, {"Unknown", 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstallFixture fixture;
    fixture.makeDistribution();
    fixture.host.system.setOsFacts(OsFacts{c.version, 1});
    // The wizard is modal: once it is up, Esc asks to cancel and the fake answers Yes.
    std::optional<test::ModalAnswer<TfrmInstall>> wizard;
    if (!c.refused) wizard.emplace([](TfrmInstall* modal) { QTest::keyClick(modal, Qt::Key_Escape); });

    const int code = runSetupWizard(fixture.context);

    const QString refusal = "Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.";
    EXPECT_EQ(code, c.refused ? 1 : 0);
    const QStringList expected = c.refused ? QStringList{"beep Stop", "information " + refusal}
                                           : QStringList{"beep Question", "confirm " + CancelQuestion};
    EXPECT_EQ(fixture.host.journal, expected);
  }
}

}  // namespace
}  // namespace lunasoma
