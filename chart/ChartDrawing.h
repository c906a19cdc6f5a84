#pragma once
// Draws the whole biorhythm chart onto a Canvas from the settings record: header, day and month
// labels, frame, legend and the four curves. A plain function of its inputs; it does not begin or
// end print documents and knows nothing of windows or of the main window's guard flags.

#include <optional>
#include <string>

#include "chart/Canvas.h"
#include "chart/ChartTexts.h"
#include "chart/DayColumns.h"
#include "model/BiorhythmSettings.h"
#include "model/Calendar.h"
#include "model/DateText.h"

namespace lunasoma {

enum class ChartMode { Screen, Printer };

// The last first day the chart can draw: it lays out the longest range and one day of look-ahead
// whatever the range, and the calendar ends on 31 December 9999.
inline constexpr DayNumber lastChartStart = lastDayNumber - (7 * 8 + 1);

struct ChartDevice {
  ChartMode mode = ChartMode::Screen;
  int width = 0;  // screen: the paint box size in pixels
  int height = 0;
  int printerDpiX = 0;  // printer: horizontal resolution in pixels per inch
  int pageWidth = 0;    // printer: printable size in device pixels
  int pageHeight = 0;
  int colorCount = 0;  // printer: device colour count; 2 or fewer (or negative) is monochrome
  int screenPpi = 96;  // the main window's pixels per inch
};

enum class ChartOutcome {
  InvalidDate,  // screen mode, birth or start day number 1 or less: only the notice was drawn;
                // also a date outside the calendar (years 1 to 9999), which on paper draws nothing
  Drawn,        // the full chart was drawn (Print may be enabled)
};

// What a drawing shows beyond the chart itself; made by default, it adds nothing, and the drawing
// is exactly the chart as it always was. "Today" comes in here: the drawing never reads a clock.
struct ChartExtras {
  std::string personName;                 // whose chart it is, named in the header when not empty
  std::optional<DayNumber> compareBirth;  // another person's curves drawn beside, dotted
  std::string compareName;
  bool markCritical = false;  // a triangle on the zero line for each shown cycle's critical day
  bool markToday = false;     // a dotted line through today's column
  DayNumber today = 0;
};

// Whether the dates make a chart: both after day 1 and both within what the chart can lay out. A
// screen drawing of dates that do not shows only the invalid-date notice.
bool chartDatesValid(const BiorhythmSettings& settings);

// The days the chart shows, one row each, as the CSV table of their values (see dayTableCsv);
// empty when the dates make no chart.
std::string shownDaysTable(const BiorhythmSettings& settings, bool withCritical);

// `locale` holds the long and short date patterns and names as they stood at program start;
// `texts` the words drawn around them.
ChartOutcome drawChart(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device,
                       const DateLocale& locale, const ChartTexts& texts = ChartTexts{},
                       const ChartExtras& extras = ChartExtras{});
// The same, also telling where the day columns were laid out; `columns` is left with no columns
// (lastColumn -1) when only the invalid-date notice, or nothing, was drawn.
ChartOutcome drawChart(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device,
                       const DateLocale& locale, DayColumns& columns, const ChartTexts& texts = ChartTexts{},
                       const ChartExtras& extras = ChartExtras{});

}  // namespace lunasoma
