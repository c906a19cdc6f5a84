#include <gtest/gtest.h>

#include "platform/LinuxSystemService.h"

namespace lunasoma {
namespace {

TEST(LinuxSystem, FactsComeFromTheInjectedShowValue) {
  LinuxSystemService system(7);
  EXPECT_EQ(system.osFacts().startShowValue, 7);
  EXPECT_EQ(LinuxSystemService().osFacts().startShowValue, LinuxSystemService::normalShowValue);
}

// The kernel's version is no Windows version: the check passes wherever this build runs, and
// fails only for a Qt library this build cannot work with.
TEST(LinuxSystem, TheSystemCheckFollowsTheQtLibraryNotTheKernel) {
  EXPECT_GE(LinuxSystemService().osFacts().versionNumber, 390) << "the Qt library running this test";
  const QString built = QStringLiteral("%1.%2.0").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
  const QString older = QStringLiteral("%1.%2.0").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR - 1);
  const QString nextMajor = QStringLiteral("%1.0.0").arg(QT_VERSION_MAJOR + 1);
  const std::pair<QString, bool> rows[] = {
      {built, true}, {older, QT_VERSION_MINOR == 0}, {nextMajor, false}, {"", false}};
  for (const auto& [runtime, runs] : rows) {
    SCOPED_TRACE(runtime.toStdString());
    EXPECT_EQ(LinuxSystemService::versionNumberForRuntime(runtime) >= 390, runs);
  }
}

}  // namespace
}  // namespace lunasoma
