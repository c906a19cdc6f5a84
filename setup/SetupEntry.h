#pragma once
// The two installation modes that start-up dispatches to by the first command-line argument.

#include <functional>

#include "app/ProgramContext.h"

namespace lunasoma {

// Runs the setup wizard until it closes; returns the process exit code. Nothing is saved.
// beforeInstall runs when the user presses Finish, before the installation writes anything.
int runSetupWizard(ProgramContext& context, std::function<void()> beforeInstall = {});

// Asks and, when confirmed, uninstalls the program. Returns true when the program must end now
// (the uninstall ran, or was refused for a copy that is not the installed one), false when the
// user cancelled and start-up goes on normally.
bool runUninstall(ProgramContext& context);

}  // namespace lunasoma
