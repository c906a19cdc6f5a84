#include "platform/LinuxSystemService.h"

#include <QGuiApplication>
#include <QLocale>
#include <QVersionNumber>
#include <QtGlobal>

#include "platform/QtDateLocale.h"
#include "platform/WaylandPlatform.h"

namespace lunasoma {

LinuxSystemService::LinuxSystemService(int startShowValue) : m_startShowValue(startShowValue) {}

int LinuxSystemService::versionNumberForRuntime(QStringView runtimeQt) {
  const QVersionNumber running = QVersionNumber::fromString(runtimeQt);
  const QVersionNumber builtAgainst(QT_VERSION_MAJOR, QT_VERSION_MINOR);
  return running.majorVersion() == builtAgainst.majorVersion() && running >= builtAgainst ? RunnableVersionNumber : 0;
}

// The kernel's own version says nothing about whether this build runs: what it needs is the Qt
// and C library it was linked against, which the dynamic loader has checked before main().
OsFacts LinuxSystemService::osFacts() {
  return OsFacts{versionNumberForRuntime(QString::fromLatin1(qVersion())), m_startShowValue,
                 !isWaylandPlatform(QGuiApplication::platformName())};
}

DateLocale LinuxSystemService::dateLocale() { return dateLocaleFrom(QLocale::system()); }

QDateTime LinuxSystemService::now() { return QDateTime::currentDateTime(); }

}  // namespace lunasoma
