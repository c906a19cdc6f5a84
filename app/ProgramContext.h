#pragma once
// What start-up hands to every window and command: the host services, the settings record with
// what the store held for it at load, and the program-wide constants that are computed once at
// start (program folder, the date settings as they stood at start, the display pattern made from
// them).

#include <QString>

#include <string>

#include "app/SettingsStore.h"
#include "model/BiorhythmSettings.h"
#include "model/DateText.h"
#include "platform/HostServices.h"

namespace lunasoma {

struct ProgramContext {
  HostServices& services;
  BiorhythmSettings& settings;
  QString programFile;         // full path of the running executable
  QString programFolder;       // its folder, ending in '/'
  QString windowsFolder;       // ending in '/'
  QString systemFolder;        // ending in '/'
  DateLocale startLocale;      // the locale's date settings at start; chart header and names use these
  std::string displayPattern;  // displayDatePattern(startLocale.shortDatePattern), made once
  // What the store held at load; the save at close writes only what differs from it.
  StoredSettings storedSettings{};
};

// A day as the program writes it into a date field or a caption: the pattern and the names stay as
// they were at start, and a separator in the pattern writes dateSeparator, the one in force now.
inline QString displayDateText(const ProgramContext& context, DayNumber date, char dateSeparator) {
  DateLocale locale = context.startLocale;
  locale.dateSeparator = dateSeparator;
  return QString::fromStdString(formatDate(date, context.displayPattern, locale));
}

}  // namespace lunasoma
