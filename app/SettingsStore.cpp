#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QString>

#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "app/ProductInfo.h"

namespace lunasoma {

namespace {

constexpr std::uint8_t NoLimit = 255;

constexpr SettingRow dword(std::string_view name, std::uint8_t maximum, SettingField (*field)(BiorhythmSettings&)) {
  return SettingRow{name, RegistryType::Dword, maximum, field};
}

constexpr SettingRow flag(std::string_view name, SettingField (*field)(BiorhythmSettings&)) {
  return SettingRow{name, RegistryType::Dword, NoLimit, field};
}

const std::array<SettingRow, 30> Rows{{
    dword("Left", NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Bounds.left; }),
    dword("Top", NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Bounds.top; }),
    dword("Right", NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Bounds.right; }),
    dword("Bottom", NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Bounds.bottom; }),
    dword("WindowState", 2, [](BiorhythmSettings& s) -> SettingField { return &s.WindowState; }),
    dword("Range", 7, [](BiorhythmSettings& s) -> SettingField { return &s.Range; }),
    dword("Style", 1, [](BiorhythmSettings& s) -> SettingField { return &s.Style; }),
    flag("ShowPhysical", [](BiorhythmSettings& s) -> SettingField { return &s.ShowPhysical; }),
    flag("ShowMental", [](BiorhythmSettings& s) -> SettingField { return &s.ShowMental; }),
    flag("ShowEmotional", [](BiorhythmSettings& s) -> SettingField { return &s.ShowEmotional; }),
    flag("ShowOverall", [](BiorhythmSettings& s) -> SettingField { return &s.ShowOverall; }),
    flag("ShowLines", [](BiorhythmSettings& s) -> SettingField { return &s.ShowLines; }),
    dword("WidthPhysical", 9, [](BiorhythmSettings& s) -> SettingField { return &s.WidthPhysical; }),
    dword("WidthMental", 9, [](BiorhythmSettings& s) -> SettingField { return &s.WidthMental; }),
    dword("WidthEmotional", 9, [](BiorhythmSettings& s) -> SettingField { return &s.WidthEmotional; }),
    dword("WidthOverall", 9, [](BiorhythmSettings& s) -> SettingField { return &s.WidthOverall; }),
    dword("ColorPhysical", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorPhysical; }),
    dword("ColorMental", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorMental; }),
    dword("ColorEmotional", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorEmotional; }),
    dword("ColorOverall", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorOverall; }),
    dword("ColorText", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorText; }),
    dword("ColorBack", 15, [](BiorhythmSettings& s) -> SettingField { return &s.ColorBack; }),
    {"Birth", RegistryType::Binary, NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Birth; }},
    {"Start", RegistryType::Binary, NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.Start; }},
    dword("DivLeft", 100, [](BiorhythmSettings& s) -> SettingField { return &s.DivLeft; }),
    {"RecExportFileName", RegistryType::String, NoLimit,
     [](BiorhythmSettings& s) -> SettingField { return &s.RecExportFileName; }},
    dword("RecExportIndex", NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.RecExportIndex; }),
    flag("ShowHints", [](BiorhythmSettings& s) -> SettingField { return &s.ShowHints; }),
    flag("HideFlashScreen", [](BiorhythmSettings& s) -> SettingField { return &s.HideFlashScreen; }),
    flag("SaveStartDate", [](BiorhythmSettings& s) -> SettingField { return &s.SaveStartDate; }),
}};

const std::array<SettingRow, 3> AddedRows{{
    flag("MarkCritical", [](BiorhythmSettings& s) -> SettingField { return &s.MarkCritical; }),
    flag("MarkToday", [](BiorhythmSettings& s) -> SettingField { return &s.MarkToday; }),
    {"CompareWith", RegistryType::String, NoLimit, [](BiorhythmSettings& s) -> SettingField { return &s.CompareWith; }},
}};

}  // namespace

std::optional<DayNumber> dayNumberFrom(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != sizeof(double)) return std::nullopt;
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  const auto day = std::bit_cast<double>(bits);
  // The last day's fractions (times of that day) are still that day.
  if (!std::isfinite(day) || day < firstDayNumber || day >= lastDayNumber + 1) return std::nullopt;
  return day;
}

std::vector<std::uint8_t> bytesOf(DayNumber day) {
  const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(day));
  std::vector<std::uint8_t> bytes(sizeof bits);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

namespace {

// The stored value when it can be read and has the row's type; load never fails, so a read error
// counts as a missing value.
std::optional<RegistryValue> usableValue(const Registry& userHive, const SettingRow& row) {
  try {
    if (std::optional<RegistryValue> value = userHive.readValue(SettingsKeyPath, row.name);
        value && value->type() == row.type)
      return value;
  } catch (const RegistryError&) {
  }
  return std::nullopt;
}

// Sets the row's field from the stored value, or from the same field of defaults when value is
// absent or unusable; a date's default is today instead.
void loadRow(const SettingRow& row, BiorhythmSettings& settings, BiorhythmSettings& defaults,
             const std::optional<RegistryValue>& stored, DayNumber today) {
  const RegistryValue* value = stored ? &*stored : nullptr;
  const std::uint32_t* number = value ? std::get_if<std::uint32_t>(&value->data) : nullptr;
  std::visit(
      [&](auto* field) {
        using Field = std::remove_pointer_t<decltype(field)>;
        const Field& fallback = *std::get<Field*>(row.field(defaults));
        if constexpr (std::is_same_v<Field, std::int32_t>) {
          *field = number ? static_cast<std::int32_t>(*number) : fallback;
        } else if constexpr (std::is_same_v<Field, std::uint8_t> || std::is_enum_v<Field>) {
          const auto low = number ? static_cast<std::uint8_t>(*number & 0xFF) : std::uint8_t{0};
          *field = number && low <= row.maximum ? static_cast<Field>(low) : fallback;
        } else if constexpr (std::is_same_v<Field, bool>) {
          *field = number ? *number != 0 : fallback;
        } else if constexpr (std::is_same_v<Field, DayNumber>) {
          const auto* bytes = value ? std::get_if<std::vector<std::uint8_t>>(&value->data) : nullptr;
          *field = (bytes ? dayNumberFrom(*bytes) : std::nullopt).value_or(today);
        } else {
          const auto* text = value ? std::get_if<std::string>(&value->data) : nullptr;
          *field = text ? *text : fallback;
        }
      },
      row.field(settings));
}

RegistryValue storedValue(const SettingRow& row, BiorhythmSettings& settings) {
  return std::visit(
      [](auto* field) -> RegistryValue {
        using Field = std::remove_pointer_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::int32_t>) {
          return RegistryValue{static_cast<std::uint32_t>(*field)};
        } else if constexpr (std::is_same_v<Field, std::uint8_t>) {
          return RegistryValue{std::uint32_t{*field}};
        } else if constexpr (std::is_enum_v<Field>) {
          return RegistryValue{std::uint32_t{static_cast<std::uint8_t>(*field)}};
        } else if constexpr (std::is_same_v<Field, bool>) {
          return RegistryValue{std::uint32_t{*field ? 1u : 0u}};
        } else if constexpr (std::is_same_v<Field, DayNumber>) {
          return RegistryValue{bytesOf(*field)};
        } else {
          return RegistryValue{*field};
        }
      },
      row.field(settings));
}

}  // namespace

std::span<const SettingRow> settingsTable() { return Rows; }

std::span<const SettingRow> addedSettingsTable() { return AddedRows; }

StoredSettings loadSettings(BiorhythmSettings& settings, const Registry& userHive, DayNumber today) {
  BiorhythmSettings defaults;  // the table's field accessors need a mutable record
  StoredSettings stored;
  stored.values.reserve(Rows.size());
  for (const SettingRow& row : Rows) {
    stored.values.push_back(usableValue(userHive, row));
    loadRow(row, settings, defaults, stored.values.back(), today);
  }
  for (const SettingRow& row : AddedRows) {
    stored.added.push_back(usableValue(userHive, row));
    loadRow(row, settings, defaults, stored.added.back(), today);
  }
  return stored;
}

void saveSettings(const BiorhythmSettings& settings, Registry& userHive, const std::string& appPath,
                  const StoredSettings& loaded) {
  BiorhythmSettings record = settings;  // the table's field accessors need a mutable record
  const bool everyValue = loaded.values.size() != Rows.size();
  std::vector<NamedRegistryValue> values;
  values.reserve(Rows.size() + 2);
  values.push_back({std::string(AppPathValueName), RegistryValue{appPathValue(appPath)}});
  values.push_back({std::string(VersionValueName), RegistryValue{std::string(Product.productVersion)}});
  for (std::size_t i = 0; i < Rows.size(); ++i) {
    RegistryValue value = storedValue(Rows[i], record);
    // What this run left as it found it is not written, so that what another copy of the program
    // changed meanwhile survives; the hive merges the rest in under its lock.
    if (everyValue || loaded.values[i] != value) values.push_back({std::string(Rows[i].name), std::move(value)});
  }
  BiorhythmSettings defaults;
  const bool addedLoaded = loaded.added.size() == AddedRows.size();
  for (std::size_t i = 0; i < AddedRows.size(); ++i) {
    RegistryValue value = storedValue(AddedRows[i], record);
    const std::optional<RegistryValue>& stored = addedLoaded ? loaded.added[i] : std::nullopt;
    if (value != stored.value_or(storedValue(AddedRows[i], defaults)))
      values.push_back({std::string(AddedRows[i].name), std::move(value)});
  }
  try {
    userHive.writeValues(SettingsKeyPath, values);
  } catch (const RegistryValueError& error) {
    throw SettingsError("Failed to set data for '" + error.valueName() + "'");
  } catch (const RegistryError& error) {
    // The whole hive refused the change, so the first value is the one that could not be set; the
    // system's reason, when it gave one, is what the user can act on.
    std::string message = "Failed to set data for '" + values.front().name + "'";
    if (const auto* refused = dynamic_cast<const RegistrySystemError*>(&error))
      message += "\n" + std::string(std::strerror(refused->errorNumber()));
    throw SettingsError(message);
  }
}

void warnOfUnreadableSettingsFile(Registry& userHive, MessageService& messages) {
  const std::optional<UnreadableHiveFile> unreadable = userHive.keepUnreadableFileAside();
  if (!unreadable) return;
  const QString file = QString::fromStdString(unreadable->file);
  const QString reason = QString::fromLocal8Bit(unreadable->reason.c_str());
  QString text;
  if (!unreadable->copy.empty()) {
    text =
        QCoreApplication::translate("SettingsStore", "The settings file '%1' could not be read and was kept as '%2'.")
            .arg(file, QString::fromStdString(unreadable->copy));
  } else if (unreadable->heldNoHive) {
    text = QCoreApplication::translate("SettingsStore",
                                       "The settings file '%1' could not be read and could not be kept aside: %2.")
               .arg(file, reason);
  } else {
    text =
        QCoreApplication::translate("SettingsStore", "The settings file '%1' could not be read: %2.").arg(file, reason);
  }
  messages.error(nullptr,
                 text + QCoreApplication::translate("SettingsStore", " The program starts with its default settings."));
}

std::string appPathValue(std::string_view folder) {
  std::string path(folder);
  const auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
  const auto isDriveRoot = [&] { return path.size() == 3 && path[1] == ':'; };
  while (path.size() > 1 && isSeparator(path.back()) && !isDriveRoot()) path.pop_back();
  return path;
}

}  // namespace lunasoma
