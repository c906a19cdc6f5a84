#include <QCoreApplication>
#include <QFile>

#include "setup/InstallRecord.h"
#include "setup/SetupEntry.h"
#include "setup/Uninstall.h"

namespace lunasoma {

bool runUninstall(ProgramContext& context) {
  // The build compiles the cleanup program into the resources; a program built without it still
  // uninstalls, and then says what is left to delete by hand.
  QFile embedded(QStringLiteral(":/cleanup/") + QString::fromLatin1(CleanupProgramName));
  const QByteArray cleanupProgram = embedded.open(QIODevice::ReadOnly) ? embedded.readAll() : QByteArray();

  // The program carries the digests of the files shipped beside it, written by the build.
  QFile digests(QStringLiteral(":/shipped/") + QString::fromLatin1(ShippedDigestsName));
  const std::map<QString, QByteArray> shipped =
      parseShippedDigests(digests.open(QIODevice::ReadOnly) ? digests.readAll() : QByteArray());

  const UninstallRequest request{context.programFile,
                                 context.programFolder,
                                 context.windowsFolder,
                                 context.systemFolder,
                                 cleanupProgram,
                                 qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                 shipped};
  const UninstallEnvironment environment{context.services, nullptr, [] { QCoreApplication::processEvents(); }, {}};
  return uninstall(request, environment).outcome != UninstallOutcome::Cancelled;
}

}  // namespace lunasoma
