#pragma once
// What the command-line renderer was asked to draw: the parsed arguments, and the settings record
// they make together with the defaults or the stored settings. It reads no files and draws nothing.

#include <optional>
#include <string>
#include <vector>

#include "chart/ChartDrawing.h"
#include "model/BiorhythmSettings.h"
#include "model/Calendar.h"

namespace lunasoma {

struct ChartRequest {
  DayNumber birth = 0;
  std::optional<DayNumber> start;  // today when not given
  std::optional<int> weeks;        // 1..8
  std::optional<ChartStyle> style;
  bool lines = false;
  int width = 640;
  int height = 400;
  bool stored = false;
  std::string outFile;  // empty when the drawing calls are to be printed instead
  bool ops = false;
  bool critical = false;             // mark the critical days (and list them in a table)
  bool today = false;                // mark today's column
  std::optional<DayNumber> compare;  // another birth whose curves are drawn beside
  std::string compareText;           // that birth as given, which names it in the header
  std::string person;                // whose chart it is, for the header
};

struct ChartRequestParse {
  std::optional<ChartRequest> request;
  std::string error;  // one line naming the argument at fault, when there is no request
};

// The arguments after the program name.
ChartRequestParse parseChartRequest(const std::vector<std::string>& arguments);

// The settings to draw with: `base` (the defaults, or the stored settings for --stored) with the
// dates and whatever the command line gave laid over it. As in the main window, a curve is shown
// exactly when its width is not 0.
BiorhythmSettings settingsForRequest(const ChartRequest& request, BiorhythmSettings base, DayNumber today);

// What the drawing shows beyond the chart: nothing unless the command line asked for it.
ChartExtras extrasForRequest(const ChartRequest& request, DayNumber today);

}  // namespace lunasoma
