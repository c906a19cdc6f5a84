#include "app/StartMode.h"

#include <QDir>

namespace lunasoma {

StartMode startModeFor(const QStringList& arguments) {
  // Upper-casing follows Unicode, not the user's locale: under a Turkish locale "uninstall" would
  // become "UNİNSTALL" and the command of the uninstall entry would start the chart instead.
  const QString first = arguments.value(1).toUpper();
  if (first == QLatin1String("SETUP")) return StartMode::Setup;
  if (first == QLatin1String(UninstallArgument)) return StartMode::Uninstall;
  if (first == QLatin1String(HelpArgument)) return StartMode::Help;
  return StartMode::Chart;
}

QString programHelpFile(const ProgramContext& context) {
  return context.programFolder + QStringLiteral("Lunasoma.hlp");
}

bool showProgramHelp(ProgramContext& context, QWidget* parent) {
  const QString helpFile = programHelpFile(context);
  if (context.services.help.showContents(parent, helpFile)) return true;
  context.services.beeper.beep(Beep::Stop);
  context.services.messages.error(
      parent, QStringLiteral("The help file \"%1\" cannot be opened.").arg(QDir::toNativeSeparators(helpFile)));
  return false;
}

}  // namespace lunasoma
