#pragma once
// Makes every file this process writes stop growing at a given size, as a full disk would, for as
// long as the guard lives; the previous limit comes back when it ends. The signal the system would
// otherwise send on reaching the limit is ignored meanwhile, so the write fails with an error
// instead of ending the test program.

#include <sys/resource.h>

#include <csignal>

namespace lunasoma::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limited = m_old;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

// For a program started by a test, between fork and exec: every file it writes stops growing at
// the given size, and the signal the system then sends has its default action, ending the program,
// unless the program itself ignores it.
inline void limitFileSizeOfProgram(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_DFL);
  rlimit limited{};
  getrlimit(RLIMIT_FSIZE, &limited);
  limited.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limited);
}

}  // namespace lunasoma::test
