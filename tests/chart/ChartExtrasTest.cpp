// What the chart draws beyond itself (whose chart, another person's curves, today, critical days),
// checked on the recording canvas against the plain chart: each extra adds its own calls and
// leaves the rest of the drawing as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "model/Biorhythm.h"
#include "model/CycleMarks.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return *encodeDate(year, month, dayOfMonth); }

const DayNumber Birth = day(1990, 5, 10);
const DayNumber Start = day(2026, 12, 1);

std::string hex(std::uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", paletteRed(color), paletteGreen(color), paletteBlue(color));
  return text;
}

BiorhythmSettings settingsFor(DayNumber birth, DayNumber start) {
  BiorhythmSettings settings;
  settings.Birth = birth;
  settings.Start = start;
  return settings;
}

std::vector<std::string> drawn(const BiorhythmSettings& settings, const ChartExtras& extras,
                               ChartMode mode = ChartMode::Screen) {
  ChartDevice device;
  device.mode = mode;
  device.width = 640;
  device.height = 400;
  device.printerDpiX = 300;
  device.pageWidth = 2400;
  device.pageHeight = 3400;
  device.colorCount = 256;
  RecordingCanvas canvas;
  drawChart(canvas, settings, device, DateLocale{}, ChartTexts{}, extras);
  return canvas.lines();
}

std::vector<int> numbers(const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  std::vector<int> values;
  int value = 0;
  while (in >> value) values.push_back(value);
  return values;
}

// The calls after the plain chart's, when the plain chart is their beginning.
std::vector<std::string> added(const std::vector<std::string>& plain, const std::vector<std::string>& extra) {
  EXPECT_GE(extra.size(), plain.size());
  EXPECT_TRUE(std::equal(plain.begin(), plain.end(), extra.begin())) << "the chart itself changed";
  return {extra.begin() + static_cast<std::ptrdiff_t>(std::min(plain.size(), extra.size())), extra.end()};
}

TEST(ChartExtras, APersonsNameTakesTheHeaderAndNothingElseChanges) {
  const BiorhythmSettings settings = settingsFor(Birth, Start);
  const std::vector<std::string> plain = drawn(settings, {});
  ChartExtras extras;
  extras.personName = "Anna \"A\" {date}";
  std::vector<std::string> named = drawn(settings, extras);
  ASSERT_EQ(named.size(), plain.size());
  const auto header = std::find(named.begin(), named.end(), "text 28 10 Born on Thursday, May 10, 1990 (Taurus)");
  EXPECT_EQ(header, named.end());
  const auto personal =
      std::find(named.begin(), named.end(), "text 28 10 Anna \"A\" {date}, born on Thursday, May 10, 1990 (Taurus)");
  ASSERT_NE(personal, named.end());
  *personal = "text 28 10 Born on Thursday, May 10, 1990 (Taurus)";
  EXPECT_EQ(named, plain);
}

TEST(ChartExtras, AComparisonAddsItsLineMovesTheBoxAndDrawsDottedCurves) {
  const BiorhythmSettings settings = settingsFor(Birth, Start);
  ChartExtras extras;
  extras.compareBirth = Birth + 7;
  extras.compareName = "Bob";
  const std::vector<std::string> lines = drawn(settings, extras);
  // 7 days apart: cos^2(7 pi / period) is 33.3 %, 50 % and 61.8 %.
  EXPECT_NE(
      std::find(lines.begin(), lines.end(), "text 28 42 Compared with Bob: Physical 33%, Emotional 50%, Mental 62%"),
      lines.end());
  // The plot box gives the line's 16 pixels from its top; its bottom stays.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "frame 28 67 621 346"), lines.end());

  // Compared with someone born on the same day, each dotted curve runs through the points of the
  // person's own.
  extras.compareBirth = Birth;
  const std::vector<std::string> same = drawn(settings, extras);
  for (const std::uint8_t color : {settings.ColorPhysical, settings.ColorMental, settings.ColorEmotional}) {
    SCOPED_TRACE(hex(paletteColor(color)));
    const auto solid = std::find(same.begin(), same.end(), "pen " + hex(paletteColor(color)) + " 3 solid");
    const auto dotted = std::find(same.begin(), same.end(), "pen " + hex(paletteColor(color)) + " 1 dot");
    ASSERT_NE(solid, same.end());
    ASSERT_NE(dotted, same.end());
    ASSERT_LT(solid, dotted);
    // The solid pen is followed by the legend's stroke and name, then the curve.
    const auto ownCurve = solid + 4;
    for (int k = 0; k < 2 * 21 - 2; ++k) EXPECT_EQ(*(ownCurve + k), *(dotted + 1 + k)) << k;
  }
}

TEST(ChartExtras, TodaysLineStandsInItsColumnOnlyWhenShown) {
  const BiorhythmSettings settings = settingsFor(Birth, Start);
  const std::vector<std::string> plain = drawn(settings, {});
  struct Case {
    DayNumber today;
    std::vector<std::string> added;
  };
  // Columns are 592 / 20 = 29.6 pixels apart from x = 28; the box runs from 51 to 346.
  const Case cases[] = {
      {Start, {"pen FFFFFF 1 dot", "move 28 51", "line 28 346"}},
      {Start + 7, {"pen FFFFFF 1 dot", "move 235 51", "line 235 346"}},
      {Start + 20, {"pen FFFFFF 1 dot", "move 620 51", "line 620 346"}},
      {Start - 1, {}},
      {Start + 21, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.today - Start);
    ChartExtras extras;
    extras.markToday = true;
    extras.today = c.today;
    EXPECT_EQ(added(plain, drawn(settings, extras)), c.added);
  }
}

TEST(ChartExtras, OnPaperTodaysLineTakesTheInkOfTheText) {
  const BiorhythmSettings settings = settingsFor(Birth, Start);  // white text on the screen
  ChartExtras extras;
  extras.markToday = true;
  extras.today = Start + 3;
  const std::vector<std::string> lines = drawn(settings, extras, ChartMode::Printer);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3], "pen 000000 1 dot");
}

struct Triangle {
  std::string color;
  int centre;
  int base;  // the row of its base
};

// The triangles as drawn: a brush, then rows from the apex down, each row one pixel high.
std::vector<Triangle> triangles(const std::vector<std::string>& calls) {
  std::vector<Triangle> found;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (!calls[i].starts_with("brush ")) continue;
    std::size_t last = i;
    while (last + 1 < calls.size() && calls[last + 1].starts_with("fill ")) ++last;
    if (last == i) continue;
    const std::vector<int> base = numbers(calls[last]);
    const std::vector<int> apex = numbers(calls[i + 1]);
    EXPECT_EQ(apex[3] - apex[2], base[3] - base[2]);
    EXPECT_LT(apex[2] - apex[0], base[2] - base[0]) << "wider at the base";
    found.push_back({calls[i].substr(6), (base[0] + base[2] - 1) / 2, base[1]});
  }
  return found;
}

TEST(ChartExtras, CriticalDaysGetATriangleOnTheZeroLinePerShownCycle) {
  BiorhythmSettings settings = settingsFor(Birth, Birth);  // day 0: every cycle at zero
  const std::vector<std::string> plain = drawn(settings, {});
  ChartExtras extras;
  extras.markCritical = true;
  const std::vector<Triangle> found = triangles(added(plain, drawn(settings, extras)));

  // Each shown cycle's critical days among the 21 columns, by hand: Physical 0, 11; Mental 0, 16;
  // Emotional 0, 14.
  const int x0 = 28;
  const auto column = [](int i) { return static_cast<int>(i * static_cast<double>(592.0F / 20) + 28); };
  const std::string physical = hex(paletteColor(settings.ColorPhysical));
  const std::string mental = hex(paletteColor(settings.ColorMental));
  const std::string emotional = hex(paletteColor(settings.ColorEmotional));
  ASSERT_EQ(found.size(), 6u);
  // Three side by side on day 0, in the legend's order, centred on the column.
  EXPECT_EQ(found[0].color, physical);
  EXPECT_EQ(found[1].color, mental);
  EXPECT_EQ(found[2].color, emotional);
  EXPECT_LT(found[0].centre, x0);
  EXPECT_EQ(found[1].centre, x0);
  EXPECT_GT(found[2].centre, x0);
  EXPECT_EQ(found[0].centre + found[2].centre, 2 * x0);
  EXPECT_EQ((std::vector<std::string>{found[3].color, found[4].color, found[5].color}),
            (std::vector<std::string>{physical, emotional, mental}));
  EXPECT_EQ(found[3].centre, column(11));
  EXPECT_EQ(found[4].centre, column(14));
  EXPECT_EQ(found[5].centre, column(16));
  for (const Triangle& triangle : found) EXPECT_EQ(triangle.base, 197) << "standing on the zero line at 198";

  // A hidden cycle's days are not marked.
  settings.ShowMental = false;
  const std::vector<Triangle> withoutMental = triangles(added(drawn(settings, {}), drawn(settings, extras)));
  EXPECT_EQ(withoutMental.size(), 4u);
  for (const Triangle& triangle : withoutMental) EXPECT_NE(triangle.color, mental);
}

}  // namespace
}  // namespace lunasoma
