#pragma once
// The program-wide constants that start-up works out once: the folders the program knows by name
// and the date settings as they stood at start, gathered into the ProgramContext. It reads the
// host only through the services it is given, and loads no settings.

#include <QDate>
#include <QString>

#include <cstddef>

#include "app/ProgramContext.h"
#include "model/Calendar.h"

namespace lunasoma {

// The folder with exactly one '/' at its end; an empty text stays empty.
QString withTrailingSeparator(const QString& folder);

// The folder of a program file, ending in '/'.
QString programFolderOf(const QString& programFile);

// The folder that holds the program's help and distribution files, ending in '/': the program's
// own folder when the help file lies there (the wizard's installation, the build folder), else
// <folder>/../share/lunasoma/ when it lies there (an installation by the build system into a
// prefix), else the program's own folder.
QString programFilesFolderOf(const QString& programFile);

// Where the program writes files for the user (the wallpaper bitmap), ending in '/': the program
// folder, except for an installation into a prefix (its files under share/lunasoma), whose folders
// are the system's: then the user's data folder dataHome/Lunasoma/, created when missing.
QString userFilesFolder(const ProgramContext& context, const QString& dataHome);
QString userFilesFolder(const ProgramContext& context);

// The name of the wallpaper bitmap the program writes into userFilesFolder.
inline constexpr char WallpaperBitmapName[] = "Bio.bmp";

// Where the program finds an entry of the installed-file table to copy: by its location code, the
// program folder, the Windows folder or the system folder, followed by the file name.
QString productFileSource(const ProgramContext& context, std::size_t entry);

// True when every file of the table is where productFileSource looks for it: a program installed by
// its own setup, or run from its distribution folder. A program installed the distribution's way has
// its files elsewhere and so nothing to copy for a friend.
bool productFilesAtHand(const ProgramContext& context);

// The whole day number of a calendar date; 0 for a date outside years 1..9999 or an invalid one.
DayNumber dayNumberOf(const QDate& date);

// Today in the host's local time, as a day number.
DayNumber localToday(SystemService& system);

// Everything ProgramContext holds, for the program file given (normally the running executable).
ProgramContext makeProgramContext(HostServices& services, BiorhythmSettings& settings, const QString& programFile);

}  // namespace lunasoma
