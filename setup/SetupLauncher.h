#pragma once
// What Setup.exe needs besides starting the program: the program it starts, and how it reports a
// failure so that a user who double-clicked it in a file manager sees why nothing happened.

#include <QString>

#include "platform/HostServices.h"

namespace lunasoma {

// The Lunasoma.exe beside the launcher file.
QString launchedProgramFor(const QString& launcherFile);

QString launchFailureText(const QString& program, const QString& reason);

// True when a window can be shown: an X11 or Wayland display is named in the environment.
bool displayAvailable(const QString& x11Display, const QString& waylandDisplay);

// Writes the text to standard error (for a terminal and logs) and, when a display is available,
// shows it in an error box as well.
void reportLaunchFailure(const QString& text, bool display, MessageService& messages);

}  // namespace lunasoma
