#pragma once
// Sets the desktop wallpaper through the running desktop's own mechanism, each run as an argument
// list through a CommandRunner: gsettings for the GNOME family, MATE and Cinnamon, KDE Plasma's
// scripting interface over D-Bus, Xfce's xfconf-query, pcmanfm-qt for LXQt and swaymsg for sway.
// It draws nothing and does not remember what it set.
//
// Only the mechanisms of the desktop the session names (XDG_CURRENT_DESKTOP; sway by its socket,
// SWAYSOCK) are tried: another desktop's settings would be written "successfully" and change
// nothing on screen, so a desktop that is not named, or whose mechanism is missing or fails, is a
// refusal. Every desktop here keeps showing the old picture when it is handed the address it
// already has, and the file keeps its name from one set to the next; so each is first handed
// something else (an empty value, or the same file spelt differently) and then the file.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "platform/CommandRunner.h"
#include "platform/HostServices.h"

namespace lunasoma {

class LinuxWallpaperService : public WallpaperService {
 public:
  enum class Mechanism { Sway, Gnome, Mate, Cinnamon, Plasma, Xfce, Lxqt };

  // Where a gsettings desktop keeps its picture.
  struct GsettingsKeys {
    QString schema;
    QString pictureKey;
    QString darkKey;  // the picture for a dark style, where the desktop has one
    bool byUri;       // the key holds a file:// URI rather than a path
  };

  // currentDesktop is the colon-separated XDG_CURRENT_DESKTOP list, swaySocket the SWAYSOCK path;
  // either is empty when the session has none.
  LinuxWallpaperService(CommandRunner& runner, QString currentDesktop, QString swaySocket = {});

  bool setWallpaper(const QString& bitmapFile, bool tiled) override;

  // The mechanisms to try for a session, in order; none for a desktop that has no mechanism here.
  static std::vector<Mechanism> mechanismsFor(const QString& currentDesktop, const QString& swaySocket);
  // The file's address as the desktops want it: an absolute file:// URI, fully percent-encoded and
  // free of quotes and backslashes, so that it can be embedded in a quoted value as it stands.
  static QString fileUri(const QString& file);
  // The text of a GVariant string as gsettings prints it ('x' or "x", with backslash escapes);
  // nothing when the text is not one.
  static std::optional<QString> parseVariantString(const QString& printed);

 private:
  bool setWithGsettings(const GsettingsKeys& keys, const QString& file, bool tiled);
  bool setWithPlasma(const QString& file, bool tiled);
  bool setWithXfce(const QString& file, bool tiled);
  bool setWithLxqt(const QString& file, bool tiled);
  bool setWithSway(const QString& file, bool tiled);

  CommandRunner& m_runner;
  QString m_currentDesktop;
  QString m_swaySocket;
};

}  // namespace lunasoma
