#include "setup/CopyProgramAction.h"

#include <QDir>
#include <QFileInfo>

#include "app/InstallFileTable.h"
#include "app/OverrideCursorGuard.h"
#include "app/ProgramFolders.h"
#include "setup/FileCopy.h"
#include "setup/InstallLayout.h"
#include "setup/InstallText.h"

namespace lunasoma {

namespace {

// Two spellings of one folder count as the same: a trailing separator, a "." or a link on the way
// must not let a copy run onto the files it reads from.
bool sameFolder(const QString& a, const QString& b) {
  if (QDir::cleanPath(a) == QDir::cleanPath(b)) return true;
  const QString canonicalA = QFileInfo(a).canonicalFilePath();
  return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString copyTargetFolder(const QString& driveRoot) {
  if (driveRoot.isEmpty() || QDir::isRelativePath(driveRoot)) return {};
  return joinPath(driveRoot, installProductName());
}

CopyOutcome copyProgramFiles(const ProgramContext& context, const QString& targetFolder) {
  if (targetFolder.isEmpty()) return CopyOutcome::DriveNotReady;
  if (sameFolder(targetFolder, context.programFolder)) return CopyOutcome::SameFolder;

  const OverrideCursorGuard hourglass;
  // Every source is looked for before anything is made: a copy that cannot be complete leaves no
  // empty folder and no half set on the drive.
  if (!productFilesAtHand(context)) return CopyOutcome::MissingFile;
  // The drive's root exists when the drive is ready, so one level is all there is to make.
  if (!QFileInfo(targetFolder).isDir() && !QDir().mkdir(targetFolder)) return CopyOutcome::DriveNotReady;
  try {
    for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
      const QString source = productFileSource(context, entry);
      if (!QFileInfo::exists(source)) throw EMissingFile(source.toStdString());
      copyFileKeepingDate(source, joinPath(targetFolder, QFileInfo(source).fileName()));
    }
  } catch (const EMissingFile&) {
    return CopyOutcome::MissingFile;
  } catch (const FileIoError&) {
    return CopyOutcome::WriteError;
  }
  return CopyOutcome::Done;
}

}  // namespace lunasoma
