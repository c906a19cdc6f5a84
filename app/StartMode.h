#pragma once
// Decides from the command line what the program does: draw charts, run the setup wizard or
// uninstall itself. It only reads the arguments; start-up acts on the answer.

#include <QStringList>

namespace lunasoma {

enum class StartMode { Chart, Setup, Uninstall };

// The arguments as the process got them, the program itself first. Only the first argument after
// it counts: upper-cased, it must equal "SETUP" or "UNINSTALL" exactly; anything else, or none,
// starts the chart program.
StartMode startModeFor(const QStringList& arguments);

}  // namespace lunasoma
