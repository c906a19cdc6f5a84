// CorvantiUninstall: finishes an uninstall after the program has ended. A running program cannot
// reliably remove its own file, so the uninstall writes this program into the temporary folder
// and starts it with the program's full path as its one argument. It waits, deletes that file,
// removes the file's folder when nothing else is left in it, and exits. It shows nothing, reports
// nothing and never deletes itself.
//
// Because it deletes what it is told to, it refuses anything that is not plainly an installed
// program file: it needs exactly one argument, an absolute path without "." or ".." parts and
// without symbolic links anywhere along it, naming a regular file. Anything else, and it deletes
// nothing at all.
//
// The wait is five seconds. The environment variable LUNASOMA_CLEANUP_DELAY_MS (a whole number of
// milliseconds, at most 600000) replaces it, so that tests need not sit through it; any other
// value of the variable is ignored. With LUNASOMA_CLEANUP_REPORT set (to anything), it writes one
// line, "waiting <milliseconds>", to its standard output as the wait begins, so that a test can
// see it reach the wait instead of timing it; without the variable it stays silent.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace {

namespace fs = std::filesystem;

constexpr long DefaultDelayMs = 5000;
constexpr long LongestDelayMs = 600000;

long delayMs() {
  const char* text = std::getenv("LUNASOMA_CLEANUP_DELAY_MS");
  if (!text || !*text) return DefaultDelayMs;
  long value = 0;
  for (const char* c = text; *c; ++c) {
    if (*c < '0' || *c > '9') return DefaultDelayMs;
    value = value * 10 + (*c - '0');
    if (value > LongestDelayMs) return DefaultDelayMs;
  }
  return value;
}

// The path must name itself exactly: comparing it with its canonical form rejects relative paths,
// "." and "..", doubled or trailing separators and every symbolic link on the way, so that no
// argument can steer the deletion to a file or folder other than the one it spells out.
bool isPlainProgramFile(const std::string& argument) {
  if (argument.empty() || argument.front() != '/') return false;
  const fs::path path(argument);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (error || !fs::is_regular_file(status)) return false;
  const fs::path canonical = fs::canonical(path, error);
  return !error && canonical.native() == path.native();
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit its report is cut short, and the deletion still follows.
  std::signal(SIGXFSZ, SIG_IGN);
  if (argc != 2) return 0;
  const std::string argument = argv[1];
  // Checked before the wait as well as after it: a hostile argument is refused at once.
  if (!isPlainProgramFile(argument)) return 0;

  const long delay = delayMs();
  if (std::getenv("LUNASOMA_CLEANUP_REPORT")) {
    std::printf("waiting %ld\n", delay);
    std::fflush(stdout);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(delay));

  // The program may have been replaced during the wait; check again right before deleting.
  if (!isPlainProgramFile(argument)) return 0;
  const fs::path file(argument);
  const fs::path folder = file.parent_path();
  std::error_code ignored;
  fs::remove(file, ignored);
  // remove() takes away a directory only when it is empty, which is all that is wanted here. The
  // root is never a candidate: a program lying directly in "/" leaves "/" alone.
  if (folder != folder.root_path() && fs::is_directory(fs::symlink_status(folder, ignored))) {
    fs::remove(folder, ignored);
  }
  return 0;
}
