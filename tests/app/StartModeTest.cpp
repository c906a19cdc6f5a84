#include "app/StartMode.h"

#include <gtest/gtest.h>

#include "app/ProgramFolders.h"
#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

TEST(InstallStartMode, OnlyTheWholeFirstArgumentChoosesAnInstallationMode) {
  struct Case {
    const char* name;
    QStringList arguments;
    StartMode mode;
  };
  const Case cases[] = {
      {"LowerCaseSetup", {"Lunasoma.exe", "setup"}, StartMode::Setup},
      {"UpperCaseSetup", {"Lunasoma.exe", "SETUP"}, StartMode::Setup},
      {"SetupWithMore", {"Lunasoma.exe", "SETUPx"}, StartMode::Chart},
      {"SetupWithABlank", {"Lunasoma.exe", " setup"}, StartMode::Chart},
      {"FurtherArgumentsIgnored", {"Lunasoma.exe", "Setup", "UNINSTALL"}, StartMode::Setup},
      {"SetupSecond", {"Lunasoma.exe", "chart", "SETUP"}, StartMode::Chart},
      {"UninstallAsTheEntryWritesIt", {"Lunasoma.exe", "Uninstall"}, StartMode::Uninstall},
      {"HelpAsTheHelpEntryWritesIt", {"Lunasoma.exe", "HELP"}, StartMode::Help},
      {"LowerCaseHelp", {"Lunasoma.exe", "help"}, StartMode::Help},
      {"HelpWithMore", {"Lunasoma.exe", "HELPME"}, StartMode::Chart},
      {"AnUnknownWordStartsTheChart", {"Lunasoma.exe", "--verbose"}, StartMode::Chart},
      {"NoArgument", {"Lunasoma.exe"}, StartMode::Chart},
      {"NothingAtAll", {}, StartMode::Chart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(startModeFor(c.arguments), c.mode);
  }
}

TEST(HelpStartMode, OpensTheProgramsHelpFileOrSaysItCannot) {
  struct Row {
    const char* name;
    bool viewerShows;
    QStringList messages;  // %1 the help file
  };
  const Row rows[] = {
      {"shown", true, {}},
      {"cannot be opened", false, {"The help file \"%1\" cannot be opened."}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakeHostServices host;
    host.help.forceResult(row.viewerShows);
    HostServices services = host.services();
    BiorhythmSettings settings;
    ProgramContext context = makeProgramContext(services, settings, host.root.path() + "/dist/Lunasoma.exe");

    EXPECT_EQ(showProgramHelp(context), row.viewerShows);

    const QString helpFile = host.root.path() + "/dist/Lunasoma.hlp";
    EXPECT_EQ(host.help.shownFiles(), QStringList{helpFile});
    QStringList expected;
    for (const QString& message : row.messages) expected << message.arg(helpFile);
    EXPECT_EQ(host.messages.texts(), expected);
  }
}

}  // namespace
}  // namespace lunasoma
