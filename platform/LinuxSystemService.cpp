#include "platform/LinuxSystemService.h"

#include <QGuiApplication>
#include <QLocale>
#include <QSysInfo>
#include <QVersionNumber>
#include <QtGlobal>

#include <algorithm>

#include "platform/QtDateLocale.h"

namespace lunasoma {

namespace {

// The leading decimal digits of text from position at, moving at past them; -1 when there are none.
int leadingNumber(QStringView text, qsizetype& at) {
  const qsizetype start = at;
  int value = 0;
  while (at < text.size() && text[at].isDigit() && text[at].unicode() < 128) {
    value = std::min(value * 10 + (text[at].unicode() - u'0'), 1'000'000);
    ++at;
  }
  return at == start ? -1 : value;
}

}  // namespace

LinuxSystemService::LinuxSystemService(QString kernelRelease, int startShowValue)
    : m_kernelRelease(kernelRelease.isEmpty() ? QSysInfo::kernelVersion() : std::move(kernelRelease)),
      m_startShowValue(startShowValue) {}

int LinuxSystemService::versionNumberFrom(QStringView release) {
  qsizetype at = 0;
  const int major = leadingNumber(release, at);
  if (major < 0) return 0;
  int minor = 0;
  if (at < release.size() && release[at] == u'.') {
    ++at;
    minor = std::max(leadingNumber(release, at), 0);
  }
  return std::min(major, 1'000'000) * 100 + std::min(minor, 99);
}

int LinuxSystemService::versionNumberForRuntime(QStringView runtimeQt) {
  const QVersionNumber running = QVersionNumber::fromString(runtimeQt);
  const QVersionNumber builtAgainst(QT_VERSION_MAJOR, QT_VERSION_MINOR);
  return running.majorVersion() == builtAgainst.majorVersion() && running >= builtAgainst ? RunnableVersionNumber : 0;
}

// The kernel's own version says nothing about whether this build runs: what it needs is the Qt
// and C library it was linked against, which the dynamic loader has checked before main().
OsFacts LinuxSystemService::osFacts() {
  // Qt's Wayland plugins are all named "wayland" or "wayland-" something.
  const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  return OsFacts{versionNumberForRuntime(QString::fromLatin1(qVersion())), m_startShowValue, !wayland};
}

DateLocale LinuxSystemService::dateLocale() { return dateLocaleFrom(QLocale::system()); }

QDateTime LinuxSystemService::now() { return QDateTime::currentDateTime(); }

}  // namespace lunasoma
