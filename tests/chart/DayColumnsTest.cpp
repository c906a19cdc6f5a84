// Tracing a point on the chart back to its day column, against the columns the drawing itself
// draws (the dotted separator lines stand exactly on the columns).
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/ChartDrawing.h"
#include "chart/DayColumns.h"
#include "chart/RecordingCanvas.h"
#include "model/Biorhythm.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }

struct Separator {
  int x = 0;
  int top = 0;
  int bottom = 0;
};

// The dotted lines of a drawing, in drawing order: one per day column.
std::vector<Separator> separators(const RecordingCanvas& canvas) {
  std::vector<Separator> found;
  bool dotted = false;
  bool moved = false;
  Separator pending;
  for (const std::string& line : canvas.lines()) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    if (verb == "pen") dotted = line.ends_with(" dot");
    int x = 0;
    int y = 0;
    if (verb == "move") {
      moved = dotted && in >> x >> y;
      pending = {x, y, 0};
    } else if (verb == "line" && moved && in >> x >> y && x == pending.x) {
      found.push_back({x, pending.top, y});
      moved = false;
    }
  }
  return found;
}

struct Drawn {
  RecordingCanvas canvas;
  DayColumns columns;
  ChartOutcome outcome = ChartOutcome::InvalidDate;
};

Drawn draw(int range, int width, int height, DayNumber birth = day(1990, 5, 17)) {
  BiorhythmSettings settings;
  settings.Birth = birth;
  settings.Start = day(2026, 12, 8);
  settings.Range = static_cast<std::uint8_t>(range);
  settings.ShowLines = true;
  ChartDevice device;
  device.width = width;
  device.height = height;
  Drawn drawn;
  drawn.outcome = drawChart(drawn.canvas, settings, device, DateLocale{}, drawn.columns);
  return drawn;
}

TEST(DayColumns, EverySeparatorLineFallsInItsOwnColumn) {
  const struct {
    const char* name;
    int range;
    int width;
  } rows[] = {{"one week, wide", 0, 700}, {"three weeks", 2, 520}, {"eight weeks, narrow", 7, 300}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Drawn drawn = draw(row.range, row.width, 400);
    ASSERT_EQ(drawn.outcome, ChartOutcome::Drawn);
    const std::vector<Separator> lines = separators(drawn.canvas);
    ASSERT_EQ(static_cast<int>(lines.size()), 7 * (row.range + 1));
    EXPECT_EQ(drawn.columns.lastColumn + 1, static_cast<int>(lines.size()));
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
      const Separator& at = lines[static_cast<std::size_t>(i)];
      const int middle = (at.top + at.bottom) / 2;
      EXPECT_EQ(dayColumnAt(drawn.columns, at.x, middle), i) << "column " << i;
      EXPECT_EQ(dayColumnAt(drawn.columns, at.x, at.top), i) << "top of column " << i;
      const ColumnStrip strip = dayColumnStrip(drawn.columns, i);
      EXPECT_LE(strip.left, at.x);
      EXPECT_GT(strip.right, at.x);
      // The strips tile the columns: every point of a strip reads its column, the next one does not.
      EXPECT_EQ(dayColumnAt(drawn.columns, strip.left, middle), i);
      EXPECT_EQ(dayColumnAt(drawn.columns, strip.right - 1, middle), i);
      EXPECT_NE(dayColumnAt(drawn.columns, strip.right, middle), i);
    }
    EXPECT_EQ(drawn.columns.start, day(2026, 12, 8));
    EXPECT_EQ(drawn.columns.startDays, daysBetween(day(1990, 5, 17), day(2026, 12, 8)));
  }
}

TEST(DayColumns, PointsAwayFromTheColumnsReadNoDay) {
  const Drawn drawn = draw(2, 520, 400);
  const std::vector<Separator> lines = separators(drawn.canvas);
  ASSERT_FALSE(lines.empty());
  const Separator first = lines.front();
  const Separator last = lines.back();
  const int middle = (first.top + first.bottom) / 2;
  const int halfColumn = static_cast<int>(drawn.columns.dx / 2) + 1;
  const struct {
    const char* name;
    int x;
    int y;
  } rows[] = {
      {"above the plot box (the header)", first.x, first.top - 1},
      {"below the day numbers (the month bars)", first.x, drawn.columns.bottom},
      {"left of the first column by more than half a column", first.x - halfColumn - 1, middle},
      {"right of the last column by more than half a column", last.x + halfColumn + 1, middle},
      {"the paint box's left edge", 0, middle},
      {"the paint box's right edge", 519, middle},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(dayColumnAt(drawn.columns, row.x, row.y), std::nullopt);
  }
  // The row of day numbers under the box still belongs to the columns.
  EXPECT_EQ(dayColumnAt(drawn.columns, last.x, last.bottom + 2), drawn.columns.lastColumn);
}

TEST(DayColumns, NoColumnsWhereTheChartIsNotDrawn) {
  const Drawn invalid = draw(2, 520, 400, 0);
  EXPECT_EQ(invalid.outcome, ChartOutcome::InvalidDate);
  EXPECT_EQ(dayColumnAt(invalid.columns, 260, 200), std::nullopt);
  // A box without width has no distance between its columns to read a point by.
  const Drawn tiny = draw(2, 30, 400);
  EXPECT_EQ(dayColumnAt(tiny.columns, 15, 200), std::nullopt);
  EXPECT_EQ(dayColumnAt(DayColumns{}, 0, 0), std::nullopt);
}

}  // namespace
}  // namespace lunasoma
