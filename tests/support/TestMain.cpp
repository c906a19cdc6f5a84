// The main() of every test that needs Qt: an offscreen application unless the caller chose a
// platform, and a registry folder of its own so that nothing can reach the user's real hives.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/TestApplication.h"

namespace lunasoma::test {
namespace {

// A function's static, so that registration from another file's static initialiser finds it made.
ApplicationMaker& registeredMaker() {
  static ApplicationMaker maker;
  return maker;
}

}  // namespace

bool useApplication(ApplicationMaker maker) {
  registeredMaker() = std::move(maker);
  return true;
}

std::unique_ptr<QApplication> makeTestApplication(int& argc, char** argv) {
  if (registeredMaker()) return registeredMaker()(argc, argv);
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace lunasoma::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir registryDir;
  qputenv("LUNASOMA_REGISTRY_DIR", registryDir.path().toLocal8Bit());
  // The programs a test starts speak English whatever the machine's language, as the tests expect.
  // The messages' locale decides that, and leaves the date formats alone; LANGUAGE is left unset,
  // since Qt takes it for the date formats too when the locale is C.
  qunsetenv("LANGUAGE");
  if (qEnvironmentVariableIsEmpty("LC_ALL")) qputenv("LC_MESSAGES", "C");
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
  const std::unique_ptr<QApplication> app = lunasoma::test::makeTestApplication(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
