// The chart's words come in as data: a caller's own words and order reach the drawing, and the
// pattern filler leaves alone what it does not know.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/ChartDrawing.h"
#include "chart/ChartTexts.h"
#include "chart/RecordingCanvas.h"

namespace lunasoma {
namespace {

TEST(ChartTexts, FillInPutsEachPartWhereThePatternNamesIt) {
  struct Row {
    std::string pattern;
    std::string expected;
  };
  const Row rows[] = {
      {"Born on {date} ({sign})", "Born on 5/10/1990 (Taurus)"},
      {"({sign}) {date}, {date}", "(Taurus) 5/10/1990, 5/10/1990"},
      {"{unknown} and {date}", "{unknown} and 5/10/1990"},
      {"an open {date", "an open {date"},
      {"{}", "{}"},
      {"", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fillIn(row.pattern, {{"date", "5/10/1990"}, {"sign", "Taurus"}}), row.expected) << row.pattern;
  }
}

TEST(ChartTexts, TheDrawingSpeaksTheWordsItIsGiven) {
  BiorhythmSettings settings;
  settings.Birth = *encodeDate(1990, 5, 10);
  settings.Start = *encodeDate(2026, 12, 1);
  ChartDevice device;
  device.width = 640;
  device.height = 400;
  ChartTexts german;
  german.bornOn = "Geboren am {date} ({sign})";
  german.ageAsOf = "{years} Jahre ({days} Tage) am {date}";
  german.legend = {"Körper", "Geist", "Gefühl", "Gesamt"};
  german.signs = {{"Taurus", "Stier"}};
  RecordingCanvas canvas;
  ASSERT_EQ(drawChart(canvas, settings, device, DateLocale{}, german), ChartOutcome::Drawn);
  const std::vector<std::string>& lines = canvas.lines();
  for (const std::string text : {"text 28 10 Geboren am Thursday, May 10, 1990 (Stier)",
                                 "text 28 26 36 Jahre (13354 Tage) am 12/1/26", "text 212 383 Geist"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), text), lines.end()) << text;
  }

  settings.Birth = 0;
  german.invalidDate = "Ungültiges Datum ...";
  RecordingCanvas notice;
  ASSERT_EQ(drawChart(notice, settings, device, DateLocale{}, german), ChartOutcome::InvalidDate);
  EXPECT_EQ(notice.lines().back(), "text 10 370 Ungültiges Datum ...");
}

}  // namespace
}  // namespace lunasoma
