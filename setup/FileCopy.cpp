#include "setup/FileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <array>
#include <filesystem>
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

}  // namespace

void copyFileKeepingDate(const QString& source, const QString& target) {
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

  // The temporary file lives in the target's folder so that the final rename stays on one file
  // system and replaces the target in one step. It removes itself on every failure path.
  QTemporaryFile output(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName() +
                        QStringLiteral(".XXXXXX"));
  if (!output.open()) fail(QStringLiteral("Cannot write"), targetPath, output.errorString());

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
