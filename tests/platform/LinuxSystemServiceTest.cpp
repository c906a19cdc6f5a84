#include <gtest/gtest.h>

#include "platform/LinuxSystemService.h"

namespace lunasoma {
namespace {

struct ReleaseRow {
  const char* name;
  QString release;
  int expected;
};

class VersionNumber : public ::testing::TestWithParam<ReleaseRow> {};

TEST_P(VersionNumber, IsMajorTimesHundredPlusMinor) {
  EXPECT_EQ(LinuxSystemService::versionNumberFrom(GetParam().release), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, VersionNumber,
                         ::testing::Values(ReleaseRow{"debian", "6.1.0-18-amd64", 601},
                                           ReleaseRow{"twoParts", "3.95", 395},
                                           ReleaseRow{"ubuntu", "5.15.0-91-generic", 515},
                                           ReleaseRow{"oldNt", "3.51", 351},
                                           ReleaseRow{"minorTen", "4.10", 410},
                                           ReleaseRow{"threeDigitMinor", "2.123.4", 299},
                                           ReleaseRow{"majorOnly", "7", 700},
                                           ReleaseRow{"suffixOnMinor", "6.8-rc1", 608},
                                           ReleaseRow{"noMinorDigits", "6.x", 600},
                                           ReleaseRow{"empty", "", 0},
                                           ReleaseRow{"notANumber", "Linux", 0},
                                           ReleaseRow{"hugeMajor", "99999999999.1", 100000001}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LinuxSystem, FactsComeFromTheInjectedReleaseAndShowValue) {
  LinuxSystemService system("4.0.0", 7);
  EXPECT_EQ(system.osFacts().versionNumber, 400);
  EXPECT_EQ(system.osFacts().startShowValue, 7);
  EXPECT_EQ(LinuxSystemService().osFacts().startShowValue, LinuxSystemService::normalShowValue);
  EXPECT_GE(LinuxSystemService().osFacts().versionNumber, 100);  // the running kernel's
}

}  // namespace
}  // namespace lunasoma

namespace lunasoma {
namespace {

// The kernel's version is no Windows version: the check passes wherever this build runs, and
// fails only for a Qt library this build cannot work with.
TEST(LinuxSystem, TheSystemCheckFollowsTheQtLibraryNotTheKernel) {
  for (const char* kernel : {"2.6.32-754.el6", "3.10.0", "3.2", "6.1.0-18-amd64"}) {
    SCOPED_TRACE(kernel);
    EXPECT_GE(LinuxSystemService(kernel).osFacts().versionNumber, 390);
  }
  const QString built = QStringLiteral("%1.%2.0").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
  const QString older = QStringLiteral("%1.%2.0").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR - 1);
  const QString nextMajor = QStringLiteral("%1.0.0").arg(QT_VERSION_MAJOR + 1);
  const std::pair<QString, bool> rows[] = {{built, true}, {older, QT_VERSION_MINOR == 0}, {nextMajor, false}, {"", false}};
  for (const auto& [runtime, runs] : rows) {
    SCOPED_TRACE(runtime.toStdString());
    EXPECT_EQ(LinuxSystemService::versionNumberForRuntime(runtime) >= 390, runs);
  }
}

}  // namespace
}  // namespace lunasoma
