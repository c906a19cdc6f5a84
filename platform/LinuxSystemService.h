#pragma once
// What the program asks of the running system: a version number that passes the system check
// wherever this build can run (see versionNumberForRuntime), the start show value (Linux has none, so "normal" unless one is injected), the system locale's date
// settings and the local time. It keeps no state besides the injected facts.

#include <QString>
#include <QStringView>

#include "platform/HostServices.h"

namespace lunasoma {

class LinuxSystemService : public SystemService {
 public:
  static constexpr int normalShowValue = 1;

  // kernelRelease is what uname reports ("6.1.0-18-amd64"); empty means the running kernel's. It
  // is kept for reports only: the system check does not compare it with any threshold.
  explicit LinuxSystemService(QString kernelRelease = QString(), int startShowValue = normalShowValue);

  OsFacts osFacts() override;
  const QString& kernelRelease() const { return m_kernelRelease; }
  DateLocale dateLocale() override;
  QDateTime now() override;

  // major * 100 + minor from a release such as "5.15.0-91": 515. The minor part is clamped to two
  // digits, so no minor version can spill into the major one; a release that does not start with
  // a number gives 0, as a failed version query does.
  static int versionNumberFrom(QStringView release);

  // The version number osFacts reports: no Windows version exists here, so the number says whether
  // the Qt library running the program is one this build works with (the one it was built
  // against, or a later one of the same major version). RunnableVersionNumber passes the setup
  // wizard's system check; 0 fails it.
  static constexpr int RunnableVersionNumber = 400;
  static int versionNumberForRuntime(QStringView runtimeQt);

 private:
  QString m_kernelRelease;
  int m_startShowValue;
};

}  // namespace lunasoma
