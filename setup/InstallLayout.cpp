#include "setup/InstallLayout.h"

#include <QFileInfo>

#include <algorithm>

#include "app/InstallFileTable.h"
#include "app/ProductInfo.h"
#include "setup/InstallText.h"

namespace lunasoma {

std::string uninstallEntryKey() { return std::string(UninstallKeyPath) + "\\" + std::string(Product.productName); }

QString uninstallCommand(const QString& installFolder, const QString& programFileName) {
  return shellQuoted(joinPath(installFolder, programFileName)) + QStringLiteral(" Uninstall");
}

QString shellQuoted(const QString& word) {
  static const QString plain =
      QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_/.,:+-@%");
  const bool needsQuotes =
      word.isEmpty() || std::any_of(word.begin(), word.end(), [](QChar c) { return !plain.contains(c); });
  if (!needsQuotes) return word;
  QString quoted = word;
  quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString programOfCommand(const QString& command) {
  QString word;
  bool started = false;
  qsizetype at = 0;
  while (at < command.size() && command.at(at).isSpace()) ++at;
  for (; at < command.size(); ++at) {
    const QChar c = command.at(at);
    if (c.isSpace()) break;
    started = true;
    if (c == QLatin1Char('\'')) {
      const qsizetype end = command.indexOf(QLatin1Char('\''), at + 1);
      if (end < 0) return {};
      word += command.mid(at + 1, end - at - 1);
      at = end;
    } else if (c == QLatin1Char('"')) {
      // Inside double quotes a backslash escapes only the characters a shell lets it escape.
      for (++at;; ++at) {
        if (at >= command.size()) return {};
        const QChar d = command.at(at);
        if (d == QLatin1Char('"')) break;
        if (d == QLatin1Char('\\') && at + 1 < command.size() &&
            QStringLiteral("$`\"\\").contains(command.at(at + 1))) {
          ++at;
        }
        word += command.at(at);
      }
    } else if (c == QLatin1Char('\\')) {
      if (++at >= command.size()) return {};
      word += command.at(at);
    } else {
      word += c;
    }
  }
  return started ? word : QString();
}

QString installedIconFile(const QString& installFolder) {
  return joinPath(installFolder, installProductName() + QStringLiteral(".svg"));
}

QString installedIconBitmap(const QString& installFolder) {
  return joinPath(installFolder, installProductName() + QStringLiteral(".png"));
}

QString joinPath(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

QString installedFilePath(std::size_t entry, const QString& programFolder, const QString& windowsFolder,
                          const QString& systemFolder) {
  const QString fileName = toQString(InstallFiles.fileNames[entry]);
  switch (InstallFiles.locationCodes[entry]) {
    case '0':
      return joinPath(programFolder, fileName);
    case '1':
      return windowsFolder + fileName;
    default:
      return systemFolder + fileName;
  }
}

QString installFolderFor(const QString& parentFolder) { return joinPath(parentFolder, installProductName()); }

QString startMenuGroupFolder(const QString& programsFolder) { return joinPath(programsFolder, installProductName()); }

QString startMenuLinkFor(const QString& programsFolder, const QString& fileName) {
  const bool help = QFileInfo(fileName).suffix().toUpper() == QStringLiteral("HLP");
  return help ? startMenuHelpLink(programsFolder) : startMenuProgramLink(programsFolder);
}

QString startMenuProgramLink(const QString& programsFolder) {
  return joinPath(startMenuGroupFolder(programsFolder), installProductName() + QStringLiteral(".lnk"));
}

QString startMenuHelpLink(const QString& programsFolder) {
  return joinPath(startMenuGroupFolder(programsFolder), installProductName() + QStringLiteral(" Help.lnk"));
}

QString startMenuUninstallLink(const QString& programsFolder) {
  return joinPath(startMenuGroupFolder(programsFolder),
                  QStringLiteral("Uninstall ") + installProductName() + QStringLiteral(".lnk"));
}

QString folderLink(const QString& folder) { return joinPath(folder, installProductName() + QStringLiteral(".lnk")); }

}  // namespace lunasoma
