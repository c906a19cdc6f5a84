#include "app/StartMode.h"

namespace lunasoma {

StartMode startModeFor(const QStringList& arguments) {
  // Upper-casing follows Unicode, not the user's locale: under a Turkish locale "uninstall" would
  // become "UNİNSTALL" and the command of the uninstall entry would start the chart instead.
  const QString first = arguments.value(1).toUpper();
  if (first == QLatin1String("SETUP")) return StartMode::Setup;
  if (first == QLatin1String("UNINSTALL")) return StartMode::Uninstall;
  if (first == QLatin1String(HelpArgument)) return StartMode::Help;
  return StartMode::Chart;
}

QString programHelpFile(const ProgramContext& context) { return context.programFolder + QStringLiteral("Lunasoma.hlp"); }

bool showProgramHelp(ProgramContext& context) {
  const QString helpFile = programHelpFile(context);
  if (context.services.help.showContents(nullptr, helpFile)) return true;
  context.services.messages.error(nullptr, QStringLiteral("The help file \"%1\" cannot be opened.").arg(helpFile));
  return false;
}

}  // namespace lunasoma
