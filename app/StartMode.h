#pragma once
// Decides from the command line what the program does: draw charts, run the setup wizard or
// uninstall itself. It only reads the arguments; start-up acts on the answer.

#include <QStringList>

#include "app/ProgramContext.h"

class QWidget;

namespace lunasoma {

enum class StartMode { Chart, Setup, Uninstall, Help };

// The word that opens the program's own help viewer instead of the chart: the desktop's help
// entry starts the installed program with it.
inline constexpr char HelpArgument[] = "HELP";
// The word that uninstalls the installed program; the menu group's uninstall entry starts it so.
inline constexpr char UninstallArgument[] = "UNINSTALL";

// The arguments as the process got them, the program itself first. Only the first argument after
// it counts: upper-cased, it must equal "SETUP", "UNINSTALL" or "HELP" exactly; anything else, or
// none, starts the chart program.
StartMode startModeFor(const QStringList& arguments);

// The program's help file: Lunasoma.hlp in the folder of the program's files.
QString programHelpFile(const ProgramContext& context);

// Opens the help viewer on the program's help file, or says that the file cannot be opened; for
// Help > Contents and for help mode alike. True when the viewer shows.
bool showProgramHelp(ProgramContext& context, QWidget* parent = nullptr);

}  // namespace lunasoma
