#include "setup/ShortcutFile.h"

#include "platform/HostServices.h"

namespace lunasoma {

bool createShortcutFile(ShortcutService& shortcuts, const QString& description, const QString& target,
                        const QString& workingFolder, const QString& arguments, const QString& iconFile,
                        const QString& linkFile, int showCommand, int hotKey) {
  ShortcutInfo shortcut;
  shortcut.linkPath = linkFile;
  shortcut.description = description;
  shortcut.target = target;
  shortcut.workingFolder = workingFolder;
  shortcut.arguments = arguments;
  shortcut.iconPath = iconFile;
  shortcut.iconIndex = 1;
  shortcut.showCommand = showCommand;
  shortcut.hotKey = hotKey;
  return shortcuts.createShortcut(shortcut);
}

}  // namespace lunasoma
