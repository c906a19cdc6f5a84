#pragma once
// The program's one settings record: the live state that the date fields, the setup page,
// the paging commands and the chart share between the load at start and the save at close.
// Loading and saving it is SettingsStore's job; this header holds only the record and the two
// tables (palette, line widths) that give its colour and width fields their meaning.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Calendar.h"

namespace lunasoma {

struct Bounds {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 640;
  std::int32_t bottom = 480;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// The main window's state as the store keeps it; the numbers are the stored values.
enum class WindowShowState : std::uint8_t { Normal = 0, Minimized = 1, Maximized = 2 };

// How the curves are drawn; the numbers are the stored values. A hand-edited record may hold a
// number past the last one.
enum class ChartStyle : std::uint8_t { Line = 0, HighLow = 1 };

struct BiorhythmSettings {
  lunasoma::Bounds Bounds;
  WindowShowState WindowState = WindowShowState::Normal;
  std::uint8_t Range = 2;  // weeks shown minus one
  ChartStyle Style = ChartStyle::Line;
  bool ShowPhysical = true;
  bool ShowMental = true;
  bool ShowEmotional = true;
  bool ShowOverall = true;
  bool ShowLines = false;
  std::uint8_t WidthPhysical = 3;
  std::uint8_t WidthMental = 3;
  std::uint8_t WidthEmotional = 3;
  std::uint8_t WidthOverall = 6;
  std::uint8_t ColorPhysical = 10;
  std::uint8_t ColorMental = 14;
  std::uint8_t ColorEmotional = 9;
  std::uint8_t ColorOverall = 11;
  std::uint8_t ColorText = 15;
  std::uint8_t ColorBack = 6;
  DayNumber Birth = 0;
  DayNumber Start = 0;
  std::uint8_t DivLeft = 20;
  std::string RecExportFileName = "Bio.BMP";
  std::uint8_t RecExportIndex = 1;
  bool ShowHints = true;
  bool HideFlashScreen = false;
  bool SaveStartDate = false;
  // Added beside the original's values; their defaults leave the chart as it always was.
  bool MarkCritical = false;
  bool MarkToday = false;
  std::string CompareWith{};  // the stored person whose curves are drawn beside; empty for nobody

  friend bool operator==(const BiorhythmSettings&, const BiorhythmSettings&) = default;
};

// The 16 standard colours as the platform's 32-bit colour value: red in the lowest byte.
constexpr std::array<std::uint32_t, 16> Palette{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The usual names of the palette's colours, in its order, for those who cannot see the swatches.
constexpr std::array<std::string_view, Palette.size()> PaletteNames{
    "Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
    "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

// Screen line widths in pixels; entry 0 means the curve is not drawn.
constexpr std::array<int, 10> LineWidths{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// Table look-ups that a hand-edited store cannot push outside the tables: an index past the end
// gives the last entry.
constexpr std::uint32_t paletteColor(std::uint8_t index) {
  return Palette[index < Palette.size() ? index : Palette.size() - 1];
}
constexpr int lineWidth(std::uint8_t index) {
  return LineWidths[index < LineWidths.size() ? index : LineWidths.size() - 1];
}

constexpr int paletteRed(std::uint32_t c) { return static_cast<int>(c & 0xFF); }
constexpr int paletteGreen(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int paletteBlue(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace lunasoma
