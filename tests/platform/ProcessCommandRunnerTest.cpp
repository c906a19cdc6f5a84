#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "platform/ProcessCommandRunner.h"

namespace lunasoma {
namespace {

using namespace std::chrono_literals;

TEST(ProcessCommandRunner, GivesExitCodeAndStandardOutputOnly) {
  ProcessCommandRunner runner;
  const CommandResult result = runner.run("sh", {"-c", "echo out; echo err >&2; exit 3"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(result.output, "out\n");
  EXPECT_FALSE(result.succeeded());
}

TEST(ProcessCommandRunner, MissingProgramIsUnavailableAndFails) {
  ProcessCommandRunner runner;
  EXPECT_TRUE(runner.isAvailable("sh"));
  EXPECT_FALSE(runner.isAvailable("no-such-program-lunasoma"));
  EXPECT_EQ(runner.run("no-such-program-lunasoma", {}).exitCode, -1);
}

// A helper that never answers must not hold the user interface for longer than the limit.
TEST(ProcessCommandRunner, ProgramOverTheTimeLimitIsStoppedAndFails) {
  ProcessCommandRunner runner(300ms);
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(runner.run("sleep", {"30"}).exitCode, -1);
  EXPECT_LT(timer.elapsed(), 5000);
}

}  // namespace
}  // namespace lunasoma
