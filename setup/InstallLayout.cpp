#include "setup/InstallLayout.h"

#include <QFileInfo>

#include "app/ProductInfo.h"
#include "setup/InstallText.h"

namespace lunasoma {

std::string uninstallEntryKey() {
  return std::string(UninstallListKey) + "\\" + std::string(Product.productName);
}

QString uninstallCommand(const QString& installFolder, const QString& programFileName) {
  QString program = joinPath(installFolder, programFileName);
  if (program.contains(QLatin1Char(' '))) program = QLatin1Char('"') + program + QLatin1Char('"');
  return program + QStringLiteral(" Uninstall");
}

QString joinPath(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

QString installFolderFor(const QString& parentFolder) { return joinPath(parentFolder, installProductName()); }

QString startMenuGroupFolder(const QString& programsFolder) {
  return joinPath(programsFolder, installProductName());
}

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

QString folderLink(const QString& folder) { return joinPath(folder, installProductName() + QStringLiteral(".lnk")); }

}  // namespace lunasoma
