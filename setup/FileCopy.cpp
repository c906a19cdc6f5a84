#include "setup/FileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <array>
#include <filesystem>
#include <limits>
#include <system_error>

#include <unistd.h>

namespace lunasoma {

namespace {

constexpr qint64 BufferSize = 8192;

std::filesystem::path nativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

[[noreturn]] void fail(const QString& what, const QString& file, const QString& reason) {
  throw FileIoError(QStringLiteral("%1 %2: %3").arg(what, file, reason).toStdString());
}

// Copies what is left of input into output and puts it on the disk; the paths name the files in
// the error a failure throws.
void copyAllBytes(QFile& input, const QString& sourcePath, QFileDevice& output, const QString& targetPath) {
  std::array<char, BufferSize> buffer{};
  for (;;) {
    const qint64 got = input.read(buffer.data(), BufferSize);
    if (got < 0) fail(QStringLiteral("Cannot read"), sourcePath, input.errorString());
    if (got > 0 && output.write(buffer.data(), got) != got) {
      fail(QStringLiteral("Cannot write"), targetPath, output.errorString());
    }
    if (got < BufferSize) break;
  }
  if (!output.flush() || ::fsync(output.handle()) != 0) {
    fail(QStringLiteral("Cannot write"), targetPath, output.errorString());
  }
}

}  // namespace

void copyFileKeepingDate(const QString& source, const QString& target) {
  copyFileKeepingDate(source, target, [](const QString& folder) {
    const QStorageInfo storage(folder);
    // An unknown size is no reason to refuse: the safe copy through a temporary file is tried.
    return storage.isValid() ? storage.bytesAvailable() : std::numeric_limits<qint64>::max();
  });
}

namespace {

// Rewrites an existing target where it lies, for a drive without room for a second copy. The
// caller has checked that the new contents fit into the old file's room plus the free room.
void copyInPlace(QFile& input, const QString& sourcePath, const QString& targetPath,
                 std::filesystem::file_time_type modified) {
  QFile output(targetPath);
  if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    fail(QStringLiteral("Cannot write"), targetPath, output.errorString());
  }
  copyAllBytes(input, sourcePath, output, targetPath);
  output.setPermissions(input.permissions());
  output.close();
  std::error_code error;
  std::filesystem::last_write_time(nativePath(targetPath), modified, error);
  if (error) fail(QStringLiteral("Cannot write"), targetPath, QString::fromStdString(error.message()));
}

}  // namespace

void copyFileKeepingDate(const QString& source, const QString& target,
                         const std::function<qint64(const QString& folder)>& freeBytesIn) {
  const QString sourcePath = QFileInfo(source).absoluteFilePath();
  const QFileInfo targetInfo(target);
  const QString targetPath = targetInfo.absoluteFilePath();

  if (!QFileInfo::exists(sourcePath)) {
    throw EMissingFile(QStringLiteral("File not found: %1").arg(sourcePath).toStdString());
  }

  // The time is taken through std::filesystem because it keeps the file system's full precision,
  // so source and copy compare equal to the nanosecond, not only to the millisecond.
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(nativePath(sourcePath), error);
  if (error) fail(QStringLiteral("Cannot read"), sourcePath, QString::fromStdString(error.message()));

  QFile input(sourcePath);
  if (!input.open(QIODevice::ReadOnly)) fail(QStringLiteral("Cannot read"), sourcePath, input.errorString());

  const qint64 needed = input.size();
  const qint64 freeBytes = freeBytesIn ? freeBytesIn(targetInfo.absolutePath()) : std::numeric_limits<qint64>::max();
  if (freeBytes < needed && targetInfo.isFile() && !targetInfo.isSymLink()) {
    // No room for a temporary second file; the old one's room may still take the new one.
    if (freeBytes + targetInfo.size() < needed) {
      fail(QStringLiteral("Cannot write"), targetPath, QStringLiteral("not enough free space on the drive"));
    }
    copyInPlace(input, sourcePath, targetPath, modified);
    return;
  }

  // The temporary file lives in the target's folder so that the final rename stays on one file
  // system and replaces the target in one step. It removes itself on every failure path.
  QTemporaryFile output(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName() +
                        QStringLiteral(".XXXXXX"));
  if (!output.open()) fail(QStringLiteral("Cannot write"), targetPath, output.errorString());

  copyAllBytes(input, sourcePath, output, targetPath);
  // An installed program must stay executable, so the copy takes the source's permissions.
  if (!output.setPermissions(input.permissions())) {
    fail(QStringLiteral("Cannot write"), targetPath, output.errorString());
  }
  const QString temporaryPath = output.fileName();
  output.close();

  std::filesystem::last_write_time(nativePath(temporaryPath), modified, error);
  if (error) fail(QStringLiteral("Cannot write"), targetPath, QString::fromStdString(error.message()));
  std::filesystem::rename(nativePath(temporaryPath), nativePath(targetPath), error);
  if (error) fail(QStringLiteral("Cannot write"), targetPath, QString::fromStdString(error.message()));
  output.setAutoRemove(false);
}

}  // namespace lunasoma
