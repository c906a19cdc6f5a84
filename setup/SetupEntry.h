#pragma once
// The two installation modes that start-up dispatches to by the first command-line argument.

#include "app/ProgramContext.h"

namespace lunasoma {

// Runs the setup wizard until it closes; returns the process exit code. Nothing is saved.
int runSetupWizard(ProgramContext& context);

// Asks and, when confirmed, uninstalls the program. Returns true when the program must end now
// (the uninstall ran), false when the user cancelled and start-up goes on normally.
bool runUninstall(ProgramContext& context);

}  // namespace lunasoma
