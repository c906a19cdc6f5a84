// The chart's geometry, checked call by call on the recording canvas (8 pixels per character).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "model/Biorhythm.h"

namespace lunasoma {
namespace {

struct Op {
  std::string verb;
  std::vector<int> numbers;  // coordinates of text, move, line, fill and frame
  std::string rest;          // the text of a text call, or everything after the verb otherwise
  std::string line;
};

std::vector<Op> parse(const std::vector<std::string>& lines) {
  std::vector<Op> ops;
  for (const std::string& line : lines) {
    Op op;
    op.line = line;
    std::istringstream in(line);
    in >> op.verb;
    const int count = op.verb == "text" || op.verb == "move" || op.verb == "line" ? 2
                      : op.verb == "fill" || op.verb == "frame"                   ? 4
                                                                                  : 0;
    for (int i = 0; i < count; ++i) {
      int n = 0;
      in >> n;
      op.numbers.push_back(n);
    }
    in.get();
    std::getline(in, op.rest);
    ops.push_back(std::move(op));
  }
  return ops;
}

// Names the rows of a table-driven test after their `name` field.
struct CaseName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

DayNumber day(int year, int month, int dayOfMonth) { return *encodeDate(year, month, dayOfMonth); }

struct Chart {
  ChartOutcome outcome;
  std::vector<std::string> lines;
  std::vector<Op> ops;

  int indexOf(const std::string& line, int from = 0) const {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
      if (lines[i] == line) return i;
    }
    return -1;
  }
  int indexOfText(const std::string& text) const {
    for (int i = 0; i < static_cast<int>(ops.size()); ++i) {
      if (ops[i].verb == "text" && ops[i].rest == text) return i;
    }
    return -1;
  }

  struct Segment {
    int x1, y1, x2, y2;
  };
  // The move/line pairs that follow a legend name, up to the next pen.
  std::vector<Segment> curve(const std::string& name) const {
    std::vector<Segment> segments;
    const int legend = indexOfText(name);
    if (legend < 0) return segments;
    for (std::size_t i = legend + 1; i + 1 < ops.size() && ops[i].verb == "move"; i += 2) {
      segments.push_back({ops[i].numbers[0], ops[i].numbers[1], ops[i + 1].numbers[0], ops[i + 1].numbers[1]});
    }
    return segments;
  }

  // Texts drawn at y (day numbers stand on the box's bottom edge).
  std::vector<Op> textsAt(int y) const {
    std::vector<Op> found;
    for (const Op& op : ops) {
      if (op.verb == "text" && op.numbers[1] == y) found.push_back(op);
    }
    return found;
  }
};

ChartDevice screen(int width, int height) {
  ChartDevice device;
  device.width = width;
  device.height = height;
  return device;
}

ChartDevice printer(int colorCount, int ppi = 96) {
  ChartDevice device;
  device.mode = ChartMode::Printer;
  device.printerDpiX = 300;
  device.pageWidth = 2400;
  device.pageHeight = 3400;
  device.colorCount = colorCount;
  device.screenPpi = ppi;
  return device;
}

BiorhythmSettings chartSettings(DayNumber birth, DayNumber start, int weeks = 3, int style = 0) {
  BiorhythmSettings settings;
  settings.Birth = birth;
  settings.Start = start;
  settings.Range = static_cast<std::uint8_t>(weeks - 1);
  settings.Style = static_cast<ChartStyle>(style);
  return settings;
}

Chart draw(const BiorhythmSettings& settings, const ChartDevice& device) {
  RecordingCanvas canvas;
  const ChartOutcome outcome = drawChart(canvas, settings, device, DateLocale{});
  Chart chart{outcome, canvas.lines(), {}};
  chart.ops = parse(chart.lines);
  return chart;
}

const DayNumber Birth = day(1990, 5, 10);

// In a 640 x 400 box with the recording canvas: the plot box is (28, 51, 592, 295), the zero line
// at 198, the amplitude 137, the box's bottom edge at 346.
TEST(ChartDrawing, ScreenChartOpensWithBackgroundMarksAndHeader) {
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1)), screen(640, 400));
  ASSERT_EQ(chart.outcome, ChartOutcome::Drawn);
  const std::vector<std::string> expected{
      "pen FFFFFF 1 solid",
      "brush 008080",
      "fill 0 0 640 400",
      "font MS Sans Serif 16 bold FFFFFF",
      "font MS Sans Serif 20 bold FFFFFF",
      "text 10 92 +",
      "text 10 288 -",
      "text 10 189 \u00B1",
      "font MS Sans Serif 16 regular FFFFFF",
      "text 28 10 Born on Thursday, May 10, 1990 (Taurus)",
      "text 28 26 Age as of 12/1/26: 36 Years (13354 Days)",
      "font MS Sans Serif 14 regular FFFFFF",
      "text 24 346 1",
  };
  ASSERT_GE(chart.lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(chart.lines.begin(), chart.lines.begin() + expected.size()), expected);
  EXPECT_NE(chart.indexOf("frame 28 51 621 346"), -1);
  const int zeroLine = chart.indexOf("move 28 198");
  ASSERT_NE(zeroLine, -1);
  EXPECT_EQ(chart.lines[zeroLine + 1], "line 621 198");
  // Legend entries are 621 / 4 apart on the outer box's bottom line, strokes 155 / 7 long.
  const int mental = chart.indexOfText("Mental");
  ASSERT_GE(mental, 2);
  EXPECT_EQ(std::vector<std::string>(chart.lines.begin() + mental - 2, chart.lines.begin() + mental + 1),
            (std::vector<std::string>{"move 183 390", "line 205 390", "text 212 383 Mental"}));
}

TEST(ChartDrawing, PartsAreDrawnInOrder) {
  BiorhythmSettings settings = chartSettings(Birth, day(2026, 11, 20));
  settings.ShowLines = true;
  const Chart chart = draw(settings, screen(640, 400));
  const std::vector<int> order{
      chart.indexOf("fill 0 0 640 400"), chart.indexOfText("+"),
      chart.indexOfText("\u00B1"),       chart.indexOfText("Born on Thursday, May 10, 1990 (Taurus)"),
      chart.indexOf("pen FFFFFF 1 dot"), chart.indexOfText(" Nov 26 "),
      chart.indexOfText(" Dec 26 "),     chart.indexOf("frame 28 51 621 346"),
      chart.indexOf("move 28 198"),      chart.indexOf("brush 008080", 3),
      chart.indexOfText("Physical"),     chart.indexOfText("Mental"),
      chart.indexOfText("Emotional"),    chart.indexOfText("Overall"),
  };
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_NE(order[i], -1) << "part " << i;
    if (i > 0) {
      EXPECT_LT(order[i - 1], order[i]) << "part " << i;
    }
  }
  // Each column's dotted separator runs from the box's top to its bottom edge before its number.
  const int firstSeparator = chart.indexOf("pen FFFFFF 1 dot");
  EXPECT_EQ(chart.lines[firstSeparator + 1], "move 28 51");
  EXPECT_EQ(chart.lines[firstSeparator + 2], "line 28 346");
  EXPECT_EQ(chart.lines[firstSeparator + 3], "text 20 346 20");
}

// A box 100 pixels wide over one week gives dx = 16.666666f. The product 3 * dx in double is
// 49.99999..., so the column lies at 28 + 49; single precision (or dx kept in double) gives 78.
TEST(ChartDrawing, ColumnsUseTheSingleDxInDoubleArithmetic) {
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1), 1), screen(148, 400));
  std::vector<int> columns;
  for (const Chart::Segment& s : chart.curve("Physical")) columns.push_back(s.x1);
  EXPECT_EQ(columns, (std::vector<int>{28, 44, 61, 77, 94, 111}));
  for (const Chart::Segment& s : chart.curve("Physical")) EXPECT_EQ(s.x2, s.x1 + 16);
  EXPECT_NE(chart.indexOf("frame 28 51 128 346"), -1);
  // 16 * 1.15 / 16.67 leaves every second day unnumbered.
  std::vector<std::string> numbers;
  for (const Op& op : chart.textsAt(346)) numbers.push_back(op.rest);
  EXPECT_EQ(numbers, (std::vector<std::string>{"1", "3", "5", "7"}));
}

struct SegmentCase {
  const char* name;
  int weeks;
  int style;
  std::size_t segments;
};

class CurveSegments : public testing::TestWithParam<SegmentCase> {};

TEST_P(CurveSegments, CountAndShapeFollowTheStyle) {
  const SegmentCase& c = GetParam();
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1), c.weeks, c.style), screen(640, 400));
  const int mid = 198;
  const int amplitude = 137;
  const int d0 = 13354;
  const std::vector<Chart::Segment> physical = chart.curve("Physical");
  const std::vector<Chart::Segment> mental = chart.curve("Mental");
  const std::vector<Chart::Segment> emotional = chart.curve("Emotional");
  const std::vector<Chart::Segment> overall = chart.curve("Overall");
  ASSERT_EQ(physical.size(), c.segments);
  ASSERT_EQ(mental.size(), c.segments);
  ASSERT_EQ(emotional.size(), c.segments);
  ASSERT_EQ(overall.size(), c.segments);

  for (std::size_t i = 0; i < c.segments; ++i) {
    const int d = d0 + static_cast<int>(i);
    EXPECT_EQ(physical[i].y1, mid - cycleOffset(Physical, d, amplitude)) << i;
    EXPECT_EQ(physical[i].y2, mid - cycleOffset(Physical, d + 1, amplitude)) << i;
    EXPECT_EQ(mental[i].y2, mid - cycleOffset(Mental, d + 1, amplitude)) << i;
    EXPECT_EQ(emotional[i].y2, mid - cycleOffset(Emotional, d + 1, amplitude)) << i;
    // The overall curve is the integer mean of the three plotted positions, which differs from
    // the zero line less the mean offset where the sum is negative and not a multiple of 3.
    EXPECT_EQ(overall[i].y1, (physical[i].y1 + mental[i].y1 + emotional[i].y1) / 3) << i;
    EXPECT_EQ(overall[i].y2, (physical[i].y2 + mental[i].y2 + emotional[i].y2) / 3) << i;
    EXPECT_EQ(overall[i].x1, physical[i].x1);
    if (c.style == 1) {
      EXPECT_EQ(physical[i].x2, physical[i].x1) << "a High/Low stroke is vertical";
    } else {
      EXPECT_GT(physical[i].x2, physical[i].x1);
    }
  }
  if (c.style == 1) {
    const auto frame =
        std::find_if(chart.ops.begin(), chart.ops.end(), [](const Op& op) { return op.verb == "frame"; });
    ASSERT_NE(frame, chart.ops.end());
    EXPECT_EQ(physical.back().x1, frame->numbers[2] - 1) << "the last column lies on the frame's right side";
  }
}

INSTANTIATE_TEST_SUITE_P(ChartDrawing, CurveSegments,
                         testing::Values(SegmentCase{"OneWeekLine", 1, 0, 6}, SegmentCase{"OneWeekHighLow", 1, 1, 7},
                                         SegmentCase{"EightWeeksLine", 8, 0, 55},
                                         SegmentCase{"EightWeeksHighLow", 8, 1, 56}),
                         CaseName());

struct Span {
  int from;
  int to;
  std::string label;
};

struct SpanCase {
  const char* name;
  DayNumber start;
  int weeks;
  std::vector<Span> spans;
};

class MonthSpans : public testing::TestWithParam<SpanCase> {};

TEST_P(MonthSpans, CloseAtTheColumnBeforeTheFirstAndAtTheLastColumn) {
  const SpanCase& c = GetParam();
  const Chart chart = draw(chartSettings(Birth, c.start, c.weeks), screen(640, 400));
  // A span is drawn as: two ticks from 360 to 367, the bar on 367 from one past the left tick,
  // then its label centred on the bar (the recording canvas makes " mmm yy " 64 pixels wide).
  std::vector<Span> spans;
  for (std::size_t i = 0; i + 7 < chart.ops.size(); ++i) {
    if (chart.ops[i].line != "pen FFFFFF 1 solid" || chart.ops[i + 1].line.rfind("move", 0) != 0) continue;
    if (chart.ops[i + 1].numbers[1] != 360) continue;
    const int from = chart.ops[i + 1].numbers[0];
    const int to = chart.ops[i + 3].numbers[0];
    EXPECT_EQ(chart.ops[i + 2].line, "line " + std::to_string(from) + " 367");
    EXPECT_EQ(chart.ops[i + 3].line, "move " + std::to_string(to) + " 360");
    EXPECT_EQ(chart.ops[i + 4].line, "line " + std::to_string(to) + " 367");
    EXPECT_EQ(chart.ops[i + 5].line, "move " + std::to_string(from + 1) + " 367");
    EXPECT_EQ(chart.ops[i + 6].line, "line " + std::to_string(to) + " 367");
    const Op& label = chart.ops[i + 7];
    EXPECT_EQ(label.verb, "text");
    EXPECT_EQ(label.numbers, (std::vector<int>{from + (to - from - 64) / 2, 360}));
    spans.push_back({from, to, label.rest});
  }
  ASSERT_EQ(spans.size(), c.spans.size());
  for (std::size_t i = 0; i < spans.size(); ++i) {
    EXPECT_EQ(spans[i].from, c.spans[i].from) << i;
    EXPECT_EQ(spans[i].to, c.spans[i].to) << i;
    EXPECT_EQ(spans[i].label, c.spans[i].label) << i;
  }
}

// Columns of three weeks: 28, 57, 87, ... 324 (10), 353 (11), 383 (12), ... 620 (20); of one
// week: 28, 126, 225, 323, 422, 521, 619.
INSTANTIATE_TEST_SUITE_P(
    ChartDrawing, MonthSpans,
    testing::Values(
        SpanCase{"StartOnTheFirst", day(2026, 12, 1), 3, {{28, 620, " Dec 26 "}}},
        SpanCase{"FirstInsideTheRange", day(2026, 11, 20), 3, {{28, 324, " Nov 26 "}, {353, 620, " Dec 26 "}}},
        SpanCase{"LastColumnOnTheFirst", day(2026, 11, 25), 1, {{28, 521, " Nov 26 "}}},
        SpanCase{"AcrossTheYearEnd", day(2026, 12, 20), 3, {{28, 353, " Dec 26 "}, {383, 620, " Jan 27 "}}}),
    CaseName());

struct LabelCase {
  const char* name;
  int width;
  int weeks;
  std::vector<std::string> numbers;
};

class DayNumbers : public testing::TestWithParam<LabelCase> {};

TEST_P(DayNumbers, EveryLabelStepthColumnFromTheFirst) {
  const LabelCase& c = GetParam();
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1), c.weeks), screen(c.width, 400));
  EXPECT_EQ(chart.outcome, ChartOutcome::Drawn);
  std::vector<std::string> numbers;
  for (const Op& op : chart.textsAt(346)) numbers.push_back(op.rest);
  EXPECT_EQ(numbers, c.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    ChartDrawing, DayNumbers,
    testing::Values(
        LabelCase{"OneWeekIn500", 500, 1, {"1", "2", "3", "4", "5", "6", "7"}},
        // 252 / 55 = 4.58 pixels a day: 18.4 / 4.58 gives every fifth day.
        LabelCase{"EightWeeksIn300", 300, 8, {"1", "6", "11", "16", "21", "26", "31", "5", "10", "15", "20", "25"}},
        // The box has a negative width: one number, and no division by a zero step.
        LabelCase{"NoWidthLeft", 40, 8, {"1"}}),
    CaseName());

struct DateCase {
  const char* name;
  DayNumber birth;
  DayNumber start;
  ChartOutcome outcome;
};

class DateValidity : public testing::TestWithParam<DateCase> {};

TEST_P(DateValidity, DayOneOrLessShowsOnlyTheNotice) {
  const DateCase& c = GetParam();
  const Chart chart = draw(chartSettings(c.birth, c.start), screen(640, 400));
  EXPECT_EQ(chart.outcome, c.outcome);
  if (c.outcome == ChartOutcome::InvalidDate) {
    // The canvas keeps its face; the notice is in the text colour, as the chart's texts are.
    EXPECT_EQ(chart.lines,
              (std::vector<std::string>{"pen FFFFFF 1 solid", "brush 008080", "fill 0 0 640 400",
                                        "font MS Sans Serif 15 regular FFFFFF", "text 10 370 Invalid date ..."}));
  } else {
    EXPECT_EQ(chart.curve("Overall").size(), 20u);
  }
}

INSTANTIATE_TEST_SUITE_P(ChartDrawing, DateValidity,
                         testing::Values(DateCase{"BirthDayOne", 1, day(2026, 12, 1), ChartOutcome::InvalidDate},
                                         DateCase{"BirthDayTwo", 2, day(2026, 12, 1), ChartOutcome::Drawn},
                                         DateCase{"StartDayOne", Birth, 1, ChartOutcome::InvalidDate},
                                         DateCase{"UnparsedField", 0, day(2026, 12, 1), ChartOutcome::InvalidDate},
                                         DateCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(),
                                                  day(2026, 12, 1), ChartOutcome::InvalidDate},
                                         DateCase{"PastTheCalendar", Birth, 1e12, ChartOutcome::InvalidDate}),
                         CaseName());

TEST(ChartDrawing, StartBeforeBirthCountsBackwards) {
  const Chart chart = draw(chartSettings(day(2000, 1, 10), day(2000, 1, 1)), screen(640, 400));
  EXPECT_NE(chart.indexOfText("Age as of 1/1/00: -1 Years (-9 Days)"), -1);
  const std::vector<Chart::Segment> physical = chart.curve("Physical");
  ASSERT_EQ(physical.size(), 20u);
  EXPECT_EQ(physical[0].y1, 198 - cycleOffset(Physical, -9, 137));
  EXPECT_GT(physical[0].y1, 198) << "nine days before birth the physical cycle is below the line";
}

struct PrinterCase {
  const char* name;
  int colorCount;
  std::vector<std::string> legendPens;
};

class PrinterWidths : public testing::TestWithParam<PrinterCase> {};

TEST_P(PrinterWidths, MonochromeGetsWidthsOfItsOwn) {
  const PrinterCase& c = GetParam();
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1)), printer(c.colorCount));
  ASSERT_EQ(chart.outcome, ChartOutcome::Drawn);
  std::vector<std::string> pens;
  for (const char* name : {"Physical", "Mental", "Emotional", "Overall"}) {
    const int legend = chart.indexOfText(name);
    ASSERT_GE(legend, 3);
    pens.push_back(chart.lines[legend - 3]);
  }
  EXPECT_EQ(pens, c.legendPens);
}

INSTANTIATE_TEST_SUITE_P(
    ChartDrawing, PrinterWidths,
    testing::Values(
        PrinterCase{"TwoColours",
                    2,
                    {"pen 00FF00 1 solid", "pen 00FFFF 10 solid", "pen FF0000 5 solid", "pen FFFF00 15 solid"}},
        PrinterCase{"NoneReported",
                    -1,
                    {"pen 00FF00 1 solid", "pen 00FFFF 10 solid", "pen FF0000 5 solid", "pen FFFF00 15 solid"}},
        PrinterCase{
            "Colour", 256, {"pen 00FF00 3 solid", "pen 00FFFF 3 solid", "pen FF0000 3 solid", "pen FFFF00 6 solid"}}),
    CaseName());

// 300 dpi for a 96 ppi window: S = 43, R = 56, T = 62; margins of 240 on a 2400 x 3400 page.
TEST(ChartDrawing, PrinterModeScalesAndLeavesThePageUnpainted) {
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1)), printer(256));
  ASSERT_GE(chart.lines.size(), 3u);
  EXPECT_EQ(chart.lines[0], "font Arial 56 bold 000000");
  EXPECT_EQ(chart.lines[1], "font Arial 62 bold 000000");
  EXPECT_NE(chart.indexOf("text 258 240 Born on Thursday, May 10, 1990 (Taurus)"), -1);
  EXPECT_NE(chart.indexOf("frame 258 363 2150 3014"), -1);
  // Nothing fills the page, and the strings before the frame stand on whatever brush the printer
  // canvas has.
  int firstBrushOrFill = -1;
  for (int i = 0; i < static_cast<int>(chart.ops.size()) && firstBrushOrFill < 0; ++i) {
    if (chart.ops[i].verb == "brush" || chart.ops[i].verb == "fill") firstBrushOrFill = i;
  }
  EXPECT_EQ(chart.lines[firstBrushOrFill], "brush 000000");
  EXPECT_GT(firstBrushOrFill, chart.indexOfText(" Dec 26 "));
  // A window that reports no resolution still scales as one of 96 ppi.
  const Chart noPpi = draw(chartSettings(Birth, day(2026, 12, 1)), printer(256, 0));
  EXPECT_EQ(noPpi.lines, chart.lines);
}

// Paper is white, so text and lines in a colour too light to read there (relative luminance
// above 0.6) are drawn black, and the legend names stand on white rather than on the background
// colour. The curves keep their colours, and the screen keeps the text colour as it is.
struct InkCase {
  const char* name;
  std::uint8_t colorText;
  std::string onScreen;
  std::string onPaper;
};

class PrinterInk : public testing::TestWithParam<InkCase> {};

TEST_P(PrinterInk, TextTooLightForPaperPrintsBlack) {
  const InkCase& c = GetParam();
  BiorhythmSettings settings = chartSettings(Birth, day(2026, 11, 20));
  settings.ColorText = c.colorText;
  settings.ColorBack = 6;  // teal
  settings.ShowLines = true;

  // Fonts, the pens of everything before the legend, and the brushes, as drawn.
  struct Inks {
    std::set<std::string> fonts, pens, brushes;
    std::vector<std::string> legendPens;
  };
  const auto inksOf = [](const Chart& chart) {
    Inks inks;
    const int firstLegend = chart.indexOfText("Physical") - 3;
    for (int i = 0; i < static_cast<int>(chart.ops.size()); ++i) {
      const Op& op = chart.ops[i];
      std::istringstream words(op.rest);
      std::string word;
      if (op.verb == "font") {
        while (words >> word) {
        }
        inks.fonts.insert(word);
      } else if (op.verb == "pen" && i < firstLegend) {
        words >> word;
        inks.pens.insert(word);
      } else if (op.verb == "brush") {
        inks.brushes.insert(op.rest);
      }
    }
    for (const char* name : {"Physical", "Mental", "Emotional", "Overall"}) {
      inks.legendPens.push_back(chart.lines[chart.indexOfText(name) - 3]);
    }
    return inks;
  };
  const std::vector<std::string> curvePens{"pen 00FF00 3 solid", "pen 00FFFF 3 solid", "pen FF0000 3 solid",
                                           "pen FFFF00 6 solid"};

  const Inks paper = inksOf(draw(settings, printer(256)));
  EXPECT_EQ(paper.fonts, std::set<std::string>{c.onPaper});
  EXPECT_EQ(paper.pens, std::set<std::string>{c.onPaper});
  EXPECT_EQ(paper.brushes, (std::set<std::string>{c.onPaper, "FFFFFF"}));
  EXPECT_EQ(paper.legendPens, curvePens);

  const Inks screenInks = inksOf(draw(settings, screen(640, 400)));
  EXPECT_EQ(screenInks.fonts, std::set<std::string>{c.onScreen});
  EXPECT_EQ(screenInks.pens, std::set<std::string>{c.onScreen});
  EXPECT_EQ(screenInks.brushes, (std::set<std::string>{c.onScreen, "008080"}));
  EXPECT_EQ(screenInks.legendPens, curvePens);

  // A date that is no date leaves only its notice, which must not vanish into the background.
  settings.Start = 0;
  const Chart notice = draw(settings, screen(640, 400));
  const int noticeText = notice.indexOfText("Invalid date ...");
  ASSERT_GE(noticeText, 1);
  EXPECT_EQ(notice.lines[noticeText - 1], "font MS Sans Serif 15 regular " + c.onScreen);
}

INSTANTIATE_TEST_SUITE_P(
    ChartDrawing, PrinterInk,
    testing::Values(InkCase{"White", 15, "FFFFFF", "000000"}, InkCase{"Aqua", 14, "00FFFF", "000000"},
                    InkCase{"Yellow", 11, "FFFF00", "000000"}, InkCase{"Lime", 10, "00FF00", "000000"},
                    // Silver is light to look at but still reads on white.
                    InkCase{"Silver", 8, "C0C0C0", "C0C0C0"}, InkCase{"Navy", 4, "000080", "000080"},
                    InkCase{"Black", 0, "000000", "000000"}),
    CaseName());

TEST(ChartDrawing, ZeroWidthCurveKeepsItsLegend) {
  BiorhythmSettings settings = chartSettings(Birth, day(2026, 12, 1));
  settings.WidthMental = 0;
  settings.ShowMental = false;
  const Chart chart = draw(settings, screen(640, 400));
  const int legend = chart.indexOfText("Mental");
  ASSERT_GE(legend, 3);
  EXPECT_EQ(chart.lines[legend - 3], "pen 00FFFF 0 solid");
  EXPECT_EQ(chart.ops[legend - 2].verb, "move");
  EXPECT_EQ(chart.ops[legend - 1].verb, "line");
  EXPECT_TRUE(chart.curve("Mental").empty());
  EXPECT_EQ(chart.lines[legend + 1], "pen FF0000 3 solid");
  EXPECT_EQ(chart.curve("Overall").size(), 20u);
}

struct SmallBoxCase {
  const char* name;
  int width;
  int height;
};

class SmallBoxes : public testing::TestWithParam<SmallBoxCase> {};

TEST_P(SmallBoxes, DrawWithoutLeavingTheAmplitude) {
  const SmallBoxCase& c = GetParam();
  const Chart chart = draw(chartSettings(Birth, day(2026, 12, 1), 8, 1), screen(c.width, c.height));
  ASSERT_EQ(chart.outcome, ChartOutcome::Drawn);
  // The box and its zero line as drawn: the frame, then the move that starts the zero line.
  const auto frame = std::find_if(chart.ops.begin(), chart.ops.end(), [](const Op& op) { return op.verb == "frame"; });
  ASSERT_NE(frame, chart.ops.end());
  const auto zeroLine = std::find_if(frame, chart.ops.end(), [](const Op& op) { return op.verb == "move"; });
  ASSERT_NE(zeroLine, chart.ops.end());
  const int boxHeight = frame->numbers[3] - frame->numbers[1];
  const int mid = zeroLine->numbers[1];
  EXPECT_EQ(mid, frame->numbers[1] + boxHeight / 2) << "the zero line halves the box";
  // The curves swing at most half the box less 10 pixels from the zero line; in a box lower than 20
  // pixels that difference is negative, and its size is the bound.
  const int amplitude = std::abs(boxHeight / 2 - 10);
  const std::vector<Chart::Segment> physical = chart.curve("Physical");
  ASSERT_EQ(physical.size(), 56u);
  for (const Chart::Segment& s : physical) {
    EXPECT_LE(std::abs(s.y1 - mid), amplitude);
    EXPECT_LE(std::abs(s.y2 - mid), amplitude);
  }
}

INSTANTIATE_TEST_SUITE_P(ChartDrawing, SmallBoxes,
                         testing::Values(SmallBoxCase{"UnderTwentyHigh", 640, 100}, SmallBoxCase{"NoRoomAtAll", 0, 0},
                                         SmallBoxCase{"NarrowerThanItsMargins", 30, 400}),
                         CaseName());

TEST(ChartDrawing, OutOfRangeSettingsStayInsideTheTables) {
  BiorhythmSettings settings = chartSettings(Birth, day(2026, 12, 1));
  settings.ColorPhysical = 200;
  settings.ColorBack = 16;
  settings.WidthPhysical = 50;
  settings.Range = 200;
  settings.Style = static_cast<ChartStyle>(9);
  const Chart chart = draw(settings, screen(640, 400));
  ASSERT_EQ(chart.outcome, ChartOutcome::Drawn);
  EXPECT_EQ(chart.lines[1], "brush FFFFFF");
  const int legend = chart.indexOfText("Physical");
  ASSERT_GE(legend, 3);
  EXPECT_EQ(chart.lines[legend - 3], "pen FFFFFF 9 solid");
  const std::vector<Chart::Segment> physical = chart.curve("Physical");
  ASSERT_EQ(physical.size(), 56u) << "eight weeks in High/Low style";
  EXPECT_EQ(physical[0].x1, physical[0].x2);
}

TEST(RecordingCanvas, WritesColoursRedFirstAndCountsCodePoints) {
  RecordingCanvas canvas;
  canvas.setPen(Palette[9], 0, PenStyle::Dot);
  canvas.setBrush(Palette[12]);
  canvas.setFont({"Arial", 43, true, Palette[3]});
  canvas.textOut(-5, 7, "\u00B1 x");
  canvas.fillRect(1, 2, 3, 4);
  canvas.frameRect(-1, -2, 3, 4);
  EXPECT_EQ(canvas.lines(), (std::vector<std::string>{"pen FF0000 0 dot", "brush 0000FF", "font Arial 43 bold 808000",
                                                      "text -5 7 \u00B1 x", "fill 1 2 3 4", "frame -1 -2 3 4"}));
  EXPECT_EQ(canvas.textWidth("\u00B130"), 24);
  EXPECT_EQ(canvas.font().cellHeight, 43);
}

}  // namespace
}  // namespace lunasoma
