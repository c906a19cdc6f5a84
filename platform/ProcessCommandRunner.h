#pragma once
// Runs programs found on the PATH through QProcess with an argument list and a time limit, so that
// a helper program that never answers cannot hang the user interface for good. It does not
// interpret the output.

#include <chrono>

#include "platform/CommandRunner.h"

namespace lunasoma {

class ProcessCommandRunner : public CommandRunner {
 public:
  explicit ProcessCommandRunner(std::chrono::milliseconds timeLimit = std::chrono::seconds(10))
      : m_timeLimit(timeLimit) {}

  bool isAvailable(const QString& program) override;
  CommandResult run(const QString& program, const QStringList& arguments) override;

 private:
  std::chrono::milliseconds m_timeLimit;
};

}  // namespace lunasoma
