#pragma once
// Loads BiorhythmSettings from the user hive at start and saves it at close, under
// HKEY_CURRENT_USER\Software\Corvanti\Lunasoma. One table, settingsTable(), names every value with
// its registry type and the field it fills; load, save and the tests all walk it. A value's default
// is its field's in a default-made BiorhythmSettings, except that Birth and Start default to the
// "today" that load is given, so the defaults are written once, in the record.
// It neither decides when to load or save nor applies anything it loads to a window.
//
// Loading never fails. A value that is missing, unreadable or stored with another type takes its
// default; a number read into an 8-bit field keeps its low 8 bits (258 becomes 2) and a boolean is
// any number but 0. A hand-edited hive can still hold values the program cannot use, and those
// take their default too, so no table look-up ever sees them:
//   - an 8-bit field above its row's maximum (colour above 15, width above 9, Style above 1,
//     Range above 7, DivLeft above 100, WindowState above 2), judged after the 8-bit truncation;
//   - a Birth or Start that is not exactly 8 bytes, not a finite number, or outside the years
//     1 to 9999.
//
// Saving writes AppPath, Version and then, in load order, every field this run changed (every
// field when the hive held none), as one change of the hive made under its lock: a value another
// copy of the program saved meanwhile survives unless this run changed it too. Either all of them
// land or, on failure, the hive is left exactly as it was, and a SettingsError
// "Failed to set data for '<name>'" names the value that could not be written, followed on a
// second line by the system's reason when the system refused the file ("Permission denied").
//
// A user hive whose file cannot be read or held no hive at all reads as empty, so loading gives
// the defaults; the start-up tells the user so once (warnOfUnreadableSettingsFile) before any
// window shows.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/BiorhythmSettings.h"
#include "model/Calendar.h"
#include "platform/HostServices.h"
#include "platform/Registry.h"

namespace lunasoma {

class SettingsError : public RegistryError {
 public:
  using RegistryError::RegistryError;
};

// Where a row's value lives in the record; the alternative also says how it is converted.
using SettingField =
    std::variant<std::int32_t*, std::uint8_t*, WindowShowState*, ChartStyle*, bool*, DayNumber*, std::string*>;

struct SettingRow {
  std::string_view name;
  RegistryType type;
  std::uint8_t maximum;  // for 8-bit fields: a loaded value above it takes the default
  SettingField (*field)(BiorhythmSettings&);
};

// The 30 field values, in load order.
std::span<const SettingRow> settingsTable();
// The values added beside them (MarkCritical, MarkToday, CompareWith). A missing one counts as
// its default, and one is written only when it differs from what was stored, so that a run that
// leaves them at their defaults stores exactly what it always did.
std::span<const SettingRow> addedSettingsTable();

// "AppPath" and "Version", written before the fields and never read.
inline constexpr std::string_view AppPathValueName = "AppPath";
inline constexpr std::string_view VersionValueName = "Version";

// What the hive held for each row of the table when the settings were loaded (nullopt where a
// value was missing or of another type), in table order. Empty when nothing was loaded.
struct StoredSettings {
  std::vector<std::optional<RegistryValue>> values;
  std::vector<std::optional<RegistryValue>> added;  // the same for addedSettingsTable()
};

StoredSettings loadSettings(BiorhythmSettings& settings, const Registry& userHive, DayNumber today);
// With what loadSettings returned, writes only the fields whose stored value differs from what
// was loaded (every field on a first run, when nothing was stored); without it, every field.
void saveSettings(const BiorhythmSettings& settings, Registry& userHive, const std::string& appPath,
                  const StoredSettings& loaded = {});

// When the user hive's file holds no hive at all, keeps a copy of it aside and says so in an error
// box naming the file and the copy (or why no copy could be kept); when the file cannot be read,
// says so naming the file and the system's reason; nothing otherwise. Called once, after loading.
void warnOfUnreadableSettingsFile(Registry& userHive, MessageService& messages);

// A date as Birth and Start store it: the day number's 8 bytes, least significant first. Reading
// gives nothing for any other length, a number that is not finite, or a day outside the years 1
// to 9999.
std::optional<DayNumber> dayNumberFrom(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> bytesOf(DayNumber day);

// The folder as AppPath stores it: without a trailing separator, except that a root keeps its
// own ("/" and "C:\" stay as they are).
std::string appPathValue(std::string_view folder);

}  // namespace lunasoma
