#pragma once
// Whether a Qt platform plugin name is one of Wayland's. Wayland lets no program learn or choose
// where its windows are, so several places of the program behave differently there.

#include <QLatin1String>
#include <QStringView>

namespace lunasoma {

// Qt's Wayland plugins are all named "wayland" or "wayland-" something ("wayland-egl").
inline bool isWaylandPlatform(QStringView platformName) { return platformName.startsWith(QLatin1String("wayland")); }

}  // namespace lunasoma
