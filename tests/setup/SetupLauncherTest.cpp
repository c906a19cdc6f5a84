#include "setup/SetupLauncher.h"

#include <gtest/gtest.h>

#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

// Started from a file manager, Setup's standard error is read by no one: with a display the
// reason for not starting is shown in a box as well.
TEST(SetupLauncher, AFailureIsShownInABoxWhenThereIsADisplay) {
  struct Row {
    const char* name;
    QString x11;
    QString wayland;
    bool boxShown;
  };
  const Row rows[] = {
      {"X11", ":0", "", true},
      {"Wayland", "", "wayland-0", true},
      {"no display", "", "", false},
  };
  const QString text = launchFailureText(launchedProgramFor("/media/cd/Setup.exe"), "No such file or directory");
  EXPECT_TRUE(text.startsWith("Setup cannot start\n\n/media/cd/Lunasoma.exe\n\nNo such file or directory."));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakeMessageService messages;
    reportLaunchFailure(text, displayAvailable(row.x11, row.wayland), messages);
    EXPECT_EQ(messages.texts(), row.boxShown ? QStringList{text} : QStringList{});
  }
}

}  // namespace
}  // namespace lunasoma
