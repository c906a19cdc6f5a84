#pragma once
// The folders the installation works with. Programs, Startup and Desktop come from the user hive's
// Shell Folders values when they are there (an empty value meaning "no such folder"), else from
// the XDG base folders; Program Files from the machine hive's ProgramFilesDir, else ~/.local/opt.
// The Windows and system folders are per-user folders under the XDG data folder, never system-wide.
// It does not read the environment itself: XdgFolders::fromEnvironment() does that for the program.

#include <QString>

#include "platform/HostServices.h"
#include "platform/Registry.h"

namespace lunasoma {

class LinuxFolderService : public FolderService {
 public:
  struct XdgFolders {
    QString dataHome;    // $XDG_DATA_HOME, ~/.local/share by default
    QString configHome;  // $XDG_CONFIG_HOME, ~/.config by default
    QString desktop;     // the XDG desktop folder
    QString home;
    QString temp;  // without the trailing separator
    static XdgFolders fromEnvironment();
  };

  static constexpr const char* shellFoldersKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  static constexpr const char* currentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

  LinuxFolderService(const Registry& userHive, const Registry& machineHive, XdgFolders xdg);

  // Looking a folder up creates nothing: whoever writes an entry into one creates it then, so that
  // a home without a desktop or an autostart folder does not get an empty one from a mere look.
  QString programsFolder() override;
  QString startupFolder() override;
  QString desktopFolder() override;
  QString programFilesFolder() override;
  QString windowsFolder() override;
  QString systemFolder() override;
  QString tempFolder() override;

 private:
  QString shellFolder(const char* valueName, const QString& fallback) const;

  const Registry& m_userHive;
  const Registry& m_machineHive;
  XdgFolders m_xdg;
};

}  // namespace lunasoma
