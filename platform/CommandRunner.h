#pragma once
// Runs an outside program from an argument list (never through a shell) and waits for it, so that
// the desktop mechanisms that need helper programs can be tested with a fake.
// ProcessCommandRunner is the real one.

#include <QString>
#include <QStringList>

namespace lunasoma {

struct CommandResult {
  int exitCode = -1;  // -1 when the program could not be started, crashed or took too long
  QString output;     // what it wrote to its standard output
  bool succeeded() const { return exitCode == 0; }
};

class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  virtual bool isAvailable(const QString& program) = 0;
  virtual CommandResult run(const QString& program, const QStringList& arguments) = 0;
};

}  // namespace lunasoma
