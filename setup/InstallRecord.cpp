#include "setup/InstallRecord.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "setup/InstallLayout.h"

namespace lunasoma {

namespace {

constexpr QChar ItemSeparator = QLatin1Char('/');
constexpr QChar SizeSeparator = QLatin1Char(':');

std::optional<std::vector<InstalledFile>> parseFiles(const QString& text) {
  std::vector<InstalledFile> files;
  for (const QString& item : text.split(ItemSeparator, Qt::SkipEmptyParts)) {
    const qsizetype colon = item.lastIndexOf(SizeSeparator);
    if (colon <= 0) return std::nullopt;
    bool ok = false;
    const qint64 size = item.mid(colon + 1).toLongLong(&ok);
    if (!ok || size < 0) return std::nullopt;
    files.push_back({item.left(colon), size});
  }
  return files;
}

}  // namespace

std::vector<NamedRegistryValue> installRecordValues(const InstallRecord& record) {
  QStringList items;
  for (const InstalledFile& file : record.files) items << file.name + SizeSeparator + QString::number(file.size);
  return {{InstalledFilesValue, RegistryValue{items.join(ItemSeparator).toStdString()}},
          {CreatedFolderValue, RegistryValue{std::uint32_t{record.createdFolder ? 1u : 0u}}}};
}

std::optional<InstallRecord> readInstallRecord(const Registry& machine) {
  try {
    const std::optional<std::string> files = machine.readString(uninstallEntryKey(), InstalledFilesValue);
    const std::optional<std::uint32_t> created = machine.readDword(uninstallEntryKey(), CreatedFolderValue);
    if (!files || !created) return std::nullopt;
    std::optional<std::vector<InstalledFile>> parsed = parseFiles(QString::fromStdString(*files));
    if (!parsed) return std::nullopt;
    return InstallRecord{std::move(*parsed), *created != 0};
  } catch (const RegistryError&) {
    return std::nullopt;
  }
}

std::vector<InstalledFile> installedFilesIn(const QString& folder, const QStringList& names) {
  std::vector<InstalledFile> files;
  for (const QString& name : names) {
    const QFileInfo info(joinPath(folder, name));
    if (isPlainFile(info)) files.push_back({name, info.size()});
  }
  return files;
}

bool isPlainFile(const QFileInfo& info) { return info.isFile() && !info.isSymLink(); }

bool stillAsInstalled(const QString& path, qint64 size) {
  const QFileInfo info(path);
  return isPlainFile(info) && info.size() == size;
}

QByteArray fileDigest(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return hash.result().toHex();
}

std::map<QString, QByteArray> parseShippedDigests(const QByteArray& text) {
  std::map<QString, QByteArray> digests;
  for (const QByteArray& line : text.split('\n')) {
    const qsizetype gap = line.indexOf("  ");
    if (gap != 64) continue;
    const QByteArray digest = line.left(gap).toLower();
    const QString name = QString::fromUtf8(line.mid(gap + 2)).trimmed();
    if (name.isEmpty() || QByteArray::fromHex(digest).toHex() != digest) continue;
    digests[name] = digest;
  }
  return digests;
}

}  // namespace lunasoma
