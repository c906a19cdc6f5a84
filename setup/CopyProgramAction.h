#pragma once
// What Copy does in the copy dialog: copies the product's seven files into a folder named after the
// product at the root of a drive, with their modification times, and says how it went. It shows
// the busy pointer while it works but no message; the dialog turns the outcome into one.

#include <QString>

#include "app/ProgramContext.h"

namespace lunasoma {

enum class CopyOutcome {
  SameFolder,     // the target is the folder the program runs from; nothing was touched
  DriveNotReady,  // the target folder could not be entered or created; nothing was copied
  MissingFile,    // a source file is missing; the files before it were copied
  WriteError,     // a file could not be copied; the files before it were copied
  Done,
};

// The folder a copy goes to: the drive's root (its mount point) + the product name. Empty for a
// drive without an absolute root, which names no place at all.
QString copyTargetFolder(const QString& driveRoot);

// Copies the seven files into targetFolder (made when missing), replacing files of the same names.
// When any source is missing it makes and copies nothing.
CopyOutcome copyProgramFiles(const ProgramContext& context, const QString& targetFolder);

}  // namespace lunasoma
