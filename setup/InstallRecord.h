#pragma once
// What an installation put into its folder, kept in the uninstall entry beside its two values so
// that the uninstall removes exactly that and nothing of someone else's: each file's name and
// size, and whether the installation made the folder. An entry written before installations kept
// this, or by hand, has no record; the uninstall then trusts only the contents this build ships.

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

#include "platform/Registry.h"

namespace lunasoma {

inline constexpr char InstalledFilesValue[] = "InstalledFiles";
inline constexpr char CreatedFolderValue[] = "CreatedFolder";

struct InstalledFile {
  QString name;  // a file name without folder
  qint64 size = 0;
  friend bool operator==(const InstalledFile&, const InstalledFile&) = default;
};

struct InstallRecord {
  std::vector<InstalledFile> files;
  bool createdFolder = false;
  friend bool operator==(const InstallRecord&, const InstallRecord&) = default;
};

// The record as values of the uninstall entry: "InstalledFiles" holds "name:size" items joined by
// '/', which no file name can contain; "CreatedFolder" is 1 or 0.
std::vector<NamedRegistryValue> installRecordValues(const InstallRecord& record);

// The record kept in the product's uninstall entry; nullopt when the entry holds none, or one that
// cannot be read, since a misread record must not make the uninstall delete anything.
std::optional<InstallRecord> readInstallRecord(const Registry& machine);

// The record of files as they lie in the folder now, for the names given; names of files that are
// not there are left out.
std::vector<InstalledFile> installedFilesIn(const QString& folder, const QStringList& names);

// True when the file is a plain file: no link, no folder. Only such a file is recorded or removed.
bool isPlainFile(const QFileInfo& info);

// True when path is a plain file of the recorded size.
bool stillAsInstalled(const QString& path, qint64 size);

// The name of the program's resource that holds the shipped files' digests.
inline constexpr char ShippedDigestsName[] = "shipped-files.sha256";

// The SHA-256 digest of a file's contents as lower-case hex, or empty when it cannot be read.
QByteArray fileDigest(const QString& path);

// The digests of the files this build ships, by file name, from lines "<hex digest>  <name>" as
// the build writes them (the format of sha256sum). Lines that are not of that form are skipped.
std::map<QString, QByteArray> parseShippedDigests(const QByteArray& text);

}  // namespace lunasoma
