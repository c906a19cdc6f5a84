#pragma once
// The program-wide constants that start-up works out once: the folders the program knows by name
// and the date settings as they stood at start, gathered into the ProgramContext. It reads the
// host only through the services it is given, and loads no settings.

#include <QDate>
#include <QString>

#include "app/ProgramContext.h"
#include "model/Calendar.h"

namespace lunasoma {

// The folder with exactly one '/' at its end; an empty text stays empty.
QString withTrailingSeparator(const QString& folder);

// The folder of a program file, ending in '/'.
QString programFolderOf(const QString& programFile);

// The whole day number of a calendar date; 0 for a date outside years 1..9999 or an invalid one.
DayNumber dayNumberOf(const QDate& date);

// Today in the host's local time, as a day number.
DayNumber localToday(SystemService& system);

// Everything ProgramContext holds, for the program file given (normally the running executable).
ProgramContext makeProgramContext(HostServices& services, BiorhythmSettings& settings, const QString& programFile);

}  // namespace lunasoma
