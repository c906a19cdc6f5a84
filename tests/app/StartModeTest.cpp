#include "app/StartMode.h"

#include <gtest/gtest.h>

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
      {"NoArgument", {"Lunasoma.exe"}, StartMode::Chart},
      {"NothingAtAll", {}, StartMode::Chart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(startModeFor(c.arguments), c.mode);
  }
}

}  // namespace
}  // namespace lunasoma
