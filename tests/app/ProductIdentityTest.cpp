// The application's identity as the desktop sees it: its name, and nothing added to window titles.
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>

#include <gtest/gtest.h>

#include "app/LunasomaApplication.h"

namespace lunasoma {
namespace {

// Puts back the test program's own name and version, which other tests may rely on.
class IdentityGuard {
 public:
  ~IdentityGuard() {
    QCoreApplication::setApplicationName(m_name);
    QCoreApplication::setApplicationVersion(m_version);
    QGuiApplication::setDesktopFileName(m_desktopFile);
  }

 private:
  QString m_name = QCoreApplication::applicationName();
  QString m_version = QCoreApplication::applicationVersion();
  QString m_desktopFile = QGuiApplication::desktopFileName();
};

TEST(ProductIdentity, NamesTheApplicationAndAddsNothingToWindowTitles) {
  const IdentityGuard guard;
  applyProductIdentity();
  EXPECT_EQ(QCoreApplication::applicationName(), "Lunasoma") << "the taskbar's title";
  EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0");
  EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
  // The X11 platform appends a display name that was set to every window title ("Error — Lunasoma",
  // "Lunasoma Setup — Lunasoma"); one that was never set follows the application name and is
  // appended to none, so each window keeps exactly its own title.
  QCoreApplication::setApplicationName(QStringLiteral("title probe"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "title probe");
}

// Desktops find the entry, its icon and its pinning by the desktop file name under Wayland, and by
// the window class (the application name) against StartupWMClass under X11.
TEST(ProductIdentity, WindowsMatchTheInstalledDesktopEntry) {
  const IdentityGuard guard;
  applyProductIdentity();
  const QString entryFile =
      QStringLiteral(LUNASOMA_DESKTOP_ENTRIES "/") + QGuiApplication::desktopFileName() + ".desktop";
  ASSERT_TRUE(QFileInfo::exists(entryFile)) << entryFile.toStdString();
  QSettings entry(entryFile, QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/StartupWMClass").toString(), QCoreApplication::applicationName());
}

}  // namespace
}  // namespace lunasoma
