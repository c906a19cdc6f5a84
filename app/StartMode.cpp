#include "app/StartMode.h"

namespace lunasoma {

StartMode startModeFor(const QStringList& arguments) {
  // Upper-casing follows Unicode, not the user's locale: under a Turkish locale "uninstall" would
  // become "UNİNSTALL" and the command of the uninstall entry would start the chart instead.
  const QString first = arguments.value(1).toUpper();
  if (first == QLatin1String("SETUP")) return StartMode::Setup;
  if (first == QLatin1String("UNINSTALL")) return StartMode::Uninstall;
  return StartMode::Chart;
}

}  // namespace lunasoma
