#include "app/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/InstallFileTable.h"
#include "model/DateText.h"
#include "platform/Utf8Text.h"

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

namespace {

// The folder of the shared files of a program installed into a prefix: <prefix>/share/lunasoma/.
QString sharedFilesFolderOf(const QString& programFile) {
  return withTrailingSeparator(QDir::cleanPath(programFolderOf(programFile) + QStringLiteral("../share/lunasoma")));
}

}  // namespace

QString programFilesFolderOf(const QString& programFile) {
  const QString own = programFolderOf(programFile);
  const QString help = QStringLiteral("Lunasoma.hlp");
  if (QFileInfo::exists(own + help)) return own;
  const QString shared = sharedFilesFolderOf(programFile);
  if (QFileInfo::exists(shared + help)) return shared;
  return own;
}

QString userFilesFolder(const ProgramContext& context, const QString& dataHome) {
  // Installed into a prefix, the program's folders belong to the system and are shared by every
  // user; anywhere else the program keeps its files beside itself.
  if (context.programFolder != sharedFilesFolderOf(context.programFile) || dataHome.isEmpty()) {
    return context.programFolder;
  }
  const QString folder = withTrailingSeparator(dataHome) + QStringLiteral("Lunasoma/");
  QDir().mkpath(folder);
  return folder;
}

QString userFilesFolder(const ProgramContext& context) {
  return userFilesFolder(context, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString productFileSource(const ProgramContext& context, std::size_t entry) {
  const QString fileName = toQString(InstallFiles.fileNames[entry]);
  switch (InstallFiles.locationCodes[entry]) {
    case '0':
      return context.programFolder + fileName;
    case '1':
      return context.windowsFolder + fileName;
    default:
      return context.systemFolder + fileName;
  }
}

bool productFilesAtHand(const ProgramContext& context) {
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
    if (!QFileInfo(productFileSource(context, entry)).isFile()) return false;
  }
  return true;
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
      programFilesFolderOf(programFile),
      withTrailingSeparator(services.folders.windowsFolder()),
      withTrailingSeparator(services.folders.systemFolder()),
      std::move(locale),
      std::move(pattern),
  };
}

}  // namespace lunasoma
