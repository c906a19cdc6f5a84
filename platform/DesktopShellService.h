#pragma once
// The shell's "open" on Linux: addresses and folders go to the desktop's handlers through
// QDesktopServices, programs are started detached with an argument list, never a command line,
// so no argument is ever interpreted by a shell.

#include <QUrl>

#include "platform/HostServices.h"

namespace lunasoma {

class DesktopShellService : public ShellService {
 public:
  bool openUrl(const QString& address) override;
  bool openFolder(const QString& folder) override;
  bool startProgram(const QString& program, const QStringList& arguments) override;

  // The URL an address stands for: "mailto:" and other schemes as written, a bare host name
  // ("www.example.com") as a web address; an empty or blank address gives an invalid URL.
  static QUrl urlForAddress(const QString& address);
};

}  // namespace lunasoma
