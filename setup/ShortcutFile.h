#pragma once
// Writes one shortcut file through the host's shortcut service and reports whether it was
// written. It raises nothing and decides nothing about which shortcuts an installation makes.

#include <QString>

namespace lunasoma {

class ShortcutService;

// The link file is named as on the original desktop ("...\Lunasoma.lnk"); the service decides
// the real file name. The icon is the icon file's first icon.
bool createShortcutFile(ShortcutService& shortcuts, const QString& description, const QString& target,
                        const QString& workingFolder, const QString& arguments, const QString& iconFile,
                        const QString& linkFile, int showCommand, int hotKey);

}  // namespace lunasoma
