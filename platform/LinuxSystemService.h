#pragma once
// What the program asks of the running system: a version number that passes the system check
// wherever this build can run (see versionNumberForRuntime), the start show value (Linux has none,
// so "normal" unless one is injected), whether window positions can be known, the system locale's
// date settings and the local time. It keeps no state besides the injected show value.

#include <QStringView>

#include "platform/HostServices.h"

namespace lunasoma {

class LinuxSystemService : public SystemService {
 public:
  static constexpr int normalShowValue = 1;

  explicit LinuxSystemService(int startShowValue = normalShowValue);

  OsFacts osFacts() override;
  DateLocale dateLocale() override;
  QDateTime now() override;

  // The version number osFacts reports: no Windows version exists here, so the number says whether
  // the Qt library running the program is one this build works with (the one it was built
  // against, or a later one of the same major version). RunnableVersionNumber passes the setup
  // wizard's system check; 0 fails it.
  static constexpr int RunnableVersionNumber = 400;
  static int versionNumberForRuntime(QStringView runtimeQt);

 private:
  int m_startShowValue;
};

}  // namespace lunasoma
