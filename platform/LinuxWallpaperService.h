#pragma once
// Sets the desktop wallpaper through the running desktop's own mechanism, each run as an argument
// list through a CommandRunner: GNOME-family gsettings, KDE Plasma's scripting interface over
// D-Bus, and Xfce's xfconf-query. It draws nothing and does not remember what it set.
//
// When the current desktop (XDG_CURRENT_DESKTOP) is served by one of the mechanisms, only that one
// is tried, because another desktop's settings would be written "successfully" and change nothing
// on screen. On an unknown desktop every mechanism is tried in turn. gsettings is trusted only
// after a second process reads the new value back: without a session bus it falls back to an
// in-memory store that accepts everything and keeps nothing.

#include <QString>
#include <QStringList>

#include <vector>

#include "platform/CommandRunner.h"
#include "platform/HostServices.h"

namespace lunasoma {

class LinuxWallpaperService : public WallpaperService {
 public:
  enum class Mechanism { Gnome, Plasma, Xfce };

  // currentDesktop is the colon-separated XDG_CURRENT_DESKTOP list; empty when unknown.
  LinuxWallpaperService(CommandRunner& runner, QString currentDesktop);

  bool setWallpaper(const QString& bitmapFile, bool tiled) override;

  // The mechanisms to try for a desktop, in order.
  static std::vector<Mechanism> mechanismsFor(const QString& currentDesktop);
  // The file's address as the desktops want it: an absolute file:// URI, fully percent-encoded and
  // free of quotes and backslashes, so that it can be embedded in a quoted value as it stands.
  static QString fileUri(const QString& file);

 private:
  bool setWithGnome(const QString& file, bool tiled);
  bool setWithPlasma(const QString& file, bool tiled);
  bool setWithXfce(const QString& file, bool tiled);

  CommandRunner& m_runner;
  QString m_currentDesktop;
};

}  // namespace lunasoma
