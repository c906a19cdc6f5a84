#include "platform/LinuxFolderService.h"

#include <QDir>
#include <QStandardPaths>

namespace lunasoma {

namespace {

// A folder without a trailing separator, except for the root, which keeps its own.
QString withoutTrailingSeparator(QString folder) {
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder;
}

QString withTrailingSeparator(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

LinuxFolderService::XdgFolders LinuxFolderService::XdgFolders::fromEnvironment() {
  return XdgFolders{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                    QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), QDir::homePath(),
                    QDir::tempPath()};
}

LinuxFolderService::LinuxFolderService(const Registry& userHive, const Registry& machineHive, XdgFolders xdg)
    : m_userHive(userHive), m_machineHive(machineHive), m_xdg(std::move(xdg)) {}

QString LinuxFolderService::shellFolder(const char* valueName, const QString& fallback) const {
  // A hive that cannot be read is no reason to give up on the shortcuts: the XDG folder serves.
  std::optional<std::string> value;
  try {
    value = m_userHive.readString(shellFoldersKey, valueName);
  } catch (const RegistryError&) {
  }
  if (value) return value->empty() ? QString() : withoutTrailingSeparator(QString::fromStdString(*value));
  return fallback;
}

QString LinuxFolderService::programsFolder() {
  return shellFolder("Programs", m_xdg.dataHome + QStringLiteral("/applications"));
}

QString LinuxFolderService::startupFolder() {
  return shellFolder("Startup", m_xdg.configHome + QStringLiteral("/autostart"));
}

QString LinuxFolderService::desktopFolder() { return shellFolder("Desktop", m_xdg.desktop); }

QString LinuxFolderService::programFilesFolder() {
  std::optional<std::string> value;
  try {
    value = m_machineHive.readString(currentVersionKey, "ProgramFilesDir");
  } catch (const RegistryError&) {
  }
  if (value && !value->empty()) return withoutTrailingSeparator(QString::fromStdString(*value));
  // Not created here: the wizard shows it as the default and only Finish makes it.
  return m_xdg.home + QStringLiteral("/.local/opt");
}

QString LinuxFolderService::windowsFolder() { return m_xdg.dataHome + QStringLiteral("/Corvanti/Windows/"); }

QString LinuxFolderService::systemFolder() { return m_xdg.dataHome + QStringLiteral("/Corvanti/System/"); }

QString LinuxFolderService::tempFolder() { return withTrailingSeparator(m_xdg.temp); }

}  // namespace lunasoma
