// Copy Program for a Friend is offered only when the program's seven files are where the copy
// takes them from; a program installed the distribution's way has them elsewhere.
#include <QAction>
#include <QDir>
#include <QMenu>

#include <gtest/gtest.h>

#include <functional>

#include "app/InstallFileTable.h"
#include "app/ProgramFolders.h"
#include "platform/Utf8Text.h"
#include "tests/support/FakeHostServices.h"
#include "ui/PointerShapes.h"
#include "ui/TfrmBio.h"

namespace lunasoma {
namespace {

void writeProductFiles(const QString& folder) {
  for (std::string_view name : InstallFiles.fileNames) test::writeFile(folder + "/" + toQString(name), "x");
}

TEST(CopyProgramCommand, IsOfferedOnlyWithTheProgramsFilesAtHand) {
  struct Row {
    const char* name;
    QString program;                              // relative to the root
    std::function<void(const QString&)> arrange;  // given the root
    std::function<void(const QString&)> later;    // after the window opened, before the menu opens
    bool offered;
  };
  const Row rows[] = {
      {"a distribution folder",
       "dist/Lunasoma.exe",
       [](const QString& root) { writeProductFiles(root + "dist"); },
       {},
       true},
      {"installed into a prefix",
       "usr/bin/lunasoma",
       [](const QString& root) {
         test::writeFile(root + "usr/bin/lunasoma", "x");
         test::writeFile(root + "usr/share/lunasoma/Lunasoma.hlp", "help");
         test::writeFile(root + "usr/share/lunasoma/Lunasoma.cnt", "contents");
       },
       {},
       false},
      {"a file removed while the program runs", "dist/Lunasoma.exe",
       [](const QString& root) { writeProductFiles(root + "dist"); },
       [](const QString& root) { QFile::remove(root + "dist/Readme.txt"); }, false},
  };
  const PointerShapes pointers;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakeHostServices host;
    HostServices services = host.services();
    BiorhythmSettings settings;
    const QString root = host.root.path() + "/";
    row.arrange(root);
    ProgramContext context = makeProgramContext(services, settings, root + row.program);
    TfrmBio window(context, pointers);
    if (row.later) row.later(root);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    auto* command = window.findChild<QAction*>(QStringLiteral("mnuCopyProgram"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(command, nullptr);
    Q_EMIT menu->aboutToShow();

    EXPECT_EQ(command->isEnabled(), row.offered);
    // A command that is not offered says why; one that is offered has only its caption as a hint.
    EXPECT_EQ(command->toolTip() == "Copy Program for a Friend", row.offered) << command->toolTip().toStdString();
  }
}

}  // namespace
}  // namespace lunasoma
