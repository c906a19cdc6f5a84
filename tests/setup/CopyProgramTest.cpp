#include "setup/TfrmCopyProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

#include "tests/setup/InstallFixture.h"
#include "tests/support/ModalAnswer.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;
using test::productFileNames;

const QString Missing =
    "One or more files are missing from the original installation. Please obtain a new copy from our web site.";
const QString WriteFailed =
    "An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.";
const QString SameFolder = "Cannot copy to the same directory this program is running from.";

QString driveError(const QString& root) {
  return "Error writing to drive " + root +
         ". If this is a removable drive make sure there is a disk in the drive and try again.";
}

using test::writeFile;

struct Scene : InstallFixture {
  QString floppy() { return host.drives.driveA().root; }
  QString target() { return floppy() + "/Lunasoma"; }
  QStringList copied() { return QDir(target()).entryList(QDir::Files, QDir::Name); }

  // Opens the dialog as the menu does, presses Copy, and says whether the dialog closed.
  bool copyOnce() {
    TfrmCopyProgram dialog(context);
    dialog.show();
    dialog.findChild<QPushButton*>("btnCopy")->click();
    return !dialog.isVisible() && dialog.result() == QDialog::Rejected;
  }
};

TEST(CopyProgram, OpensOnDriveAAndNamesTheTargetFolder) {
  Scene t;
  TfrmCopyProgram dialog(t.context);
  auto* drives = dialog.findChild<QComboBox*>("cboDrive");
  auto* target = dialog.findChild<QLabel*>("lblTarget");
  ASSERT_NE(drives, nullptr);
  ASSERT_NE(target, nullptr);

  EXPECT_EQ(dialog.windowTitle(), "Copy Lunasoma for a Friend");
  EXPECT_EQ(dialog.width(), 324);
  ASSERT_EQ(drives->count(), 2);
  EXPECT_EQ(drives->itemText(0), t.host.root.path() + "/drives/floppy");
  EXPECT_EQ(drives->itemText(1), t.host.root.path() + "/drives/disk");
  EXPECT_EQ(drives->currentIndex(), 0);
  EXPECT_EQ(target->text(), "Copy to folder " + t.host.root.path() + "/drives/floppy/Lunasoma");
  EXPECT_TRUE(dialog.findChild<QLabel*>("lblCopy")->text().contains("Lunasoma"));

  drives->setCurrentIndex(1);
  EXPECT_EQ(target->text(), "Copy to folder " + t.host.root.path() + "/drives/disk/Lunasoma");

  // A drive mounted at the root still names its folder with one separator.
  t.host.drives.setDrives({Drive{"/", "/", true}});
  TfrmCopyProgram atRoot(t.context);
  EXPECT_EQ(atRoot.findChild<QLabel*>("lblTarget")->text(), "Copy to folder /Lunasoma");
}

// Whatever stands in for the dialog's font, the whole text can be read above the drive list, and
// the controls keep their order down the dialog, inside its frame and its window.
TEST(CopyProgram, TheTextHasRoomAboveTheControlsBelowIt) {
  Scene t;
  for (const char* standIn : {"", "DejaVu Sans Mono", "Liberation Mono"}) {
    SCOPED_TRACE(standIn);
    // Qt looks up a face the system lacks in its own table first.
    QFont::removeSubstitutions("MS Sans Serif");
    if (*standIn != 0) QFont::insertSubstitution("MS Sans Serif", standIn);
    TfrmCopyProgram dialog(t.context);
    QFont::removeSubstitutions("MS Sans Serif");
    auto* text = dialog.findChild<QLabel*>("lblCopy");
    auto* drives = dialog.findChild<QComboBox*>("cboDrive");
    auto* target = dialog.findChild<QLabel*>("lblTarget");
    auto* copy = dialog.findChild<QPushButton*>("btnCopy");
    EXPECT_GE(text->height(), text->heightForWidth(text->width())) << "the last line is cut off";
    EXPECT_LT(text->geometry().bottom(), drives->y());
    EXPECT_LT(drives->geometry().bottom(), target->y());
    EXPECT_LT(target->geometry().bottom(), copy->y());
    EXPECT_LT(copy->geometry().bottom(), dialog.height());
  }
}

TEST(CopyProgram, TheMenuCommandOpensItModallyAndCancelTouchesNothing) {
  Scene t;
  t.makeDistribution();
  test::ModalAnswer<TfrmCopyProgram> copy([](TfrmCopyProgram* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmCopyProgram");
    auto* cancel = dialog->findChild<QPushButton*>("btnCancel");
    ASSERT_NE(cancel, nullptr);
    cancel->click();
  });

  openCopyProgramDialog(t.context, nullptr);

  EXPECT_TRUE(copy.answered());
  EXPECT_FALSE(QFileInfo::exists(t.target()));
  EXPECT_TRUE(t.host.journal.isEmpty());
}

TEST(CopyProgram, CopiesTheSevenFilesWithTheirTimesAndOverwritesSilentlyTheSecondTime) {
  Scene t;
  t.makeDistribution();

  EXPECT_TRUE(t.copyOnce());

  EXPECT_EQ(t.copied(), [] {
    QStringList names = productFileNames();
    names.sort();
    return names;
  }());
  for (const QString& name : productFileNames()) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(contentsOf(t.target() + "/" + name), contentsOf(t.dist + "/" + name));
    EXPECT_EQ(QFileInfo(t.target() + "/" + name).lastModified(), QFileInfo(t.dist + "/" + name).lastModified());
  }
  EXPECT_EQ(t.host.journal, (QStringList{"beep Default", "information Done!"}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  writeFile(t.target() + "/Readme.txt", "changed on the disk");
  t.host.journal.clear();

  EXPECT_TRUE(t.copyOnce());

  EXPECT_EQ(contentsOf(t.target() + "/Readme.txt"), contentsOf(t.dist + "/Readme.txt"));
  EXPECT_EQ(t.host.journal, (QStringList{"beep Default", "information Done!"}));
}

TEST(CopyProgram, FailuresAreReportedAndTheDialogClosesWithTheNormalPointer) {
  struct Row {
    const char* name;
    std::function<void(Scene&)> arrange;
    std::function<QStringList(Scene&)> journal;
    QStringList copied;  // the files on the target afterwards
    bool folderOnTarget;
  };
  const Row rows[] = {
      // Every source is looked for first, so a copy that cannot be whole leaves nothing on the drive.
      {"Readme.txt missing",
       [](Scene& t) { QFile::remove(t.dist + "/Readme.txt"); },
       [](Scene&) {
         return QStringList{"beep Exclamation", "error " + Missing};
       },
       {},
       false},
      {"running from the target folder",
       [](Scene& t) { t.context.programFolder = t.target() + "/"; },
       [](Scene&) { return QStringList{"error " + SameFolder}; },
       {},
       false},
      {"running from the target folder through a link",
       [](Scene& t) {
         QDir().mkpath(t.target());
         QFile::link(t.target(), t.work.path() + "/floppy program");
         t.context.programFolder = t.work.path() + "/floppy program/";
       },
       [](Scene&) { return QStringList{"error " + SameFolder}; },
       {},
       true},
      {"no disk in the drive",
       [](Scene& t) {
         t.host.drives.setDrives({Drive{t.host.root.path() + "/drives/empty slot", "slot", true}});
       },
       [](Scene& t) {
         return QStringList{"beep Exclamation", "error " + driveError(t.host.root.path() + "/drives/empty slot")};
       },
       {},
       false},
      {"a file where the folder should be",
       [](Scene& t) { writeFile(t.target(), "not a folder"); },
       [](Scene& t) {
         return QStringList{"beep Exclamation", "error " + driveError(t.floppy())};
       },
       {},
       false},
      {"a write that fails",
       [](Scene& t) { writeFile(t.target() + "/Setup.exe/inside.txt"); },
       [](Scene&) {
         return QStringList{"beep Exclamation", "error " + WriteFailed};
       },
       {"Lunasoma.exe"},
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene t;
    t.makeDistribution();
    row.arrange(t);

    EXPECT_TRUE(t.copyOnce());

    EXPECT_EQ(t.host.journal, row.journal(t));
    EXPECT_EQ(t.copied(), row.copied);
    EXPECT_EQ(QFileInfo(t.target()).isDir(), row.folderOnTarget);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

}  // namespace
}  // namespace lunasoma
