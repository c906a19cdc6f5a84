#include "app/ProgramFolders.h"

#include <QFileInfo>

#include "model/DateText.h"

namespace lunasoma {

QString withTrailingSeparator(const QString& folder) {
  if (folder.isEmpty()) return folder;
  QString result = folder;
  while (result.size() > 1 && result.endsWith(QLatin1Char('/'))) result.chop(1);
  if (result != QStringLiteral("/")) result += QLatin1Char('/');
  return result;
}

QString programFolderOf(const QString& programFile) {
  return withTrailingSeparator(QFileInfo(programFile).absolutePath());
}

DayNumber dayNumberOf(const QDate& date) {
  if (!date.isValid()) return 0;
  return encodeDate(date.year(), date.month(), date.day()).value_or(0);
}

DayNumber localToday(SystemService& system) { return dayNumberOf(system.now().date()); }

ProgramContext makeProgramContext(HostServices& services, BiorhythmSettings& settings, const QString& programFile) {
  DateLocale locale = services.system.dateLocale();
  std::string pattern = displayDatePattern(locale.shortDatePattern);
  return ProgramContext{
      services,
      settings,
      programFile,
      programFolderOf(programFile),
      withTrailingSeparator(services.folders.windowsFolder()),
      withTrailingSeparator(services.folders.systemFolder()),
      std::move(locale),
      std::move(pattern),
  };
}

}  // namespace lunasoma
