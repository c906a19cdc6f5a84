#pragma once
// Writes shortcuts as freedesktop desktop entries: "Name.lnk" becomes "Name.desktop" beside it,
// written atomically and marked executable, as desktops want of a launcher they are to trust.
// A target that is not an executable file is opened through the desktop's handler. It creates no
// folders: a shortcut into a folder that does not exist fails, as a shell link would.

#include "platform/HostServices.h"

namespace lunasoma {

class DesktopShortcutService : public ShortcutService {
 public:
  QString shortcutFileFor(const QString& linkPath) const override;
  bool createShortcut(const ShortcutInfo& shortcut) override;
};

}  // namespace lunasoma
