#pragma once
// What the program asks of the running system: the version number from the kernel release, the
// start show value (Linux has none, so "normal" unless one is injected), the system locale's date
// settings and the local time. It keeps no state besides the injected facts.

#include <QString>
#include <QStringView>

#include "platform/HostServices.h"

namespace lunasoma {

class LinuxSystemService : public SystemService {
 public:
  static constexpr int normalShowValue = 1;

  // kernelRelease is what uname reports ("6.1.0-18-amd64"); empty means the running kernel's.
  explicit LinuxSystemService(QString kernelRelease = QString(), int startShowValue = normalShowValue);

  OsFacts osFacts() override;
  DateLocale dateLocale() override;
  QDateTime now() override;

  // major * 100 + minor from a release such as "5.15.0-91": 515. The minor part is clamped to two
  // digits, so no minor version can spill into the major one; a release that does not start with
  // a number gives 0, as a failed version query does.
  static int versionNumberFrom(QStringView release);

 private:
  QString m_kernelRelease;
  int m_startShowValue;
};

}  // namespace lunasoma
