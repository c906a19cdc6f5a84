#include "chart/ChartDrawing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "model/Biorhythm.h"
#include "model/Calendar.h"
#include "model/CycleMarks.h"

namespace lunasoma {

namespace {

constexpr int MaxWeeks = 8;
// Day columns of the longest range, plus one day of look-ahead for the last segment of a curve.
constexpr int MaxDays = 7 * MaxWeeks + 1;
static_assert(lastChartStart == lastDayNumber - MaxDays);

// The days the chart's columns show: whole weeks, as many as the range asks for up to the most.
int shownDays(const BiorhythmSettings& settings) { return 7 * (std::min<int>(settings.Range, MaxWeeks - 1) + 1); }

// A date outside the calendar's span (a hand-edited store can hold any 8 bytes) cannot be decoded,
// so the chart does not try; nor does it for a range that would run past the span's last day.
bool chartableDate(DayNumber date) { return std::isfinite(date) && date >= firstDayNumber && date <= lastChartStart; }

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The drawing's measures on one device: three font heights and the area inside the margins.
struct Scale {
  std::string_view face;
  int labelHeight = 0;  // day numbers, month labels and legend names; the gaps below the box
  int rowHeight = 0;    // a header line
  int markHeight = 0;   // the +, - and ± marks, and the room above the header
  Box area;             // inside the margins
};

Scale screenScale(const ChartDevice& device) {
  return {"MS Sans Serif", 14, 16, 20, {10, 10, device.width - 20, device.height - 20}};
}

Scale printerScale(const ChartDevice& device) {
  // A window that reports no resolution would divide by zero; it is taken as the usual 96.
  const int ppi = device.screenPpi > 0 ? device.screenPpi : 96;
  const int dpi = device.printerDpiX;
  const int margin = device.pageWidth / 10;
  return {"Arial",
          dpi * 14 / ppi,
          dpi * 18 / ppi,
          dpi * 20 / ppi,
          {margin, margin, device.pageWidth - 2 * margin, device.pageHeight - 2 * margin}};
}

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;

// The relative luminance of a palette colour, 0 for black to 1 for white, with the sRGB channels
// made linear first so that pure green counts as much lighter than pure blue, as the eye sees it.
double relativeLuminance(std::uint32_t color) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(paletteRed(color)) + 0.7152 * linear(paletteGreen(color)) +
         0.0722 * linear(paletteBlue(color));
}

// The text colour is chosen against the screen's background, often a dark one, while paper is
// white: a light text colour would leave the page without header, labels or frame.
std::uint32_t textColorFor(ChartMode mode, std::uint32_t color) {
  return mode == ChartMode::Printer && relativeLuminance(color) > 0.6 ? Black : color;
}

std::string_view decimal(int value, std::array<char, 16>& buffer) {
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// The notice stands where the chart would, so it takes the chart's text colour: in the canvas's own
// font colour it could vanish into a background of the same colour.
void drawInvalidDate(Canvas& canvas, const ChartDevice& device, std::uint32_t textColor, std::string_view notice) {
  FontSpec font = canvas.font();
  font.cellHeight = 15;
  font.color = textColor;
  canvas.setFont(font);
  canvas.textOut(10, device.height - 30, notice);
}

// One complete drawing of a valid chart, in the order its parts overlap: marks, header, day
// columns, frame and zero line, then each legend entry followed by its curve.
class ChartPainter {
 public:
  ChartPainter(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device, const DateLocale& locale,
               const ChartTexts& texts, const ChartExtras& extras)
      : m_canvas(canvas),
        m_settings(settings),
        m_locale(locale),
        m_texts(texts),
        m_extras(extras),
        m_scale(device.mode == ChartMode::Printer ? printerScale(device) : screenScale(device)),
        m_textColor(textColorFor(device.mode, paletteColor(settings.ColorText))),
        // The legend names stand on the paper itself rather than in boxes of the screen's colour.
        m_legendBrush(device.mode == ChartMode::Printer ? White : paletteColor(settings.ColorBack)) {}

  void draw(const std::array<int, 4>& widths) {
    layOutBox();
    drawMarks();
    drawHeader();
    drawColumns();
    drawFrame();
    drawLegendsAndCurves(widths);
    if (m_extras.compareBirth) drawComparedCurves();
    if (m_extras.markToday) drawToday();
    if (m_extras.markCritical) drawCriticalDays();
  }

  DayColumns columns() const {
    DayColumns columns;
    columns.left = m_box.left;
    columns.top = m_box.top;
    columns.bottom = m_bottom + m_scale.labelHeight;
    columns.lastColumn = m_lastColumn;
    columns.dx = m_columnStep;
    columns.start = m_settings.Start;
    columns.startDays = m_daysToStart;
    return columns;
  }

 private:
  void font(int height, bool bold) { m_canvas.setFont(FontSpec{std::string(m_scale.face), height, bold, m_textColor}); }

  void layOutBox() {
    const Box& area = m_scale.area;
    font(m_scale.rowHeight, true);
    const int minusWidth = m_canvas.textWidth("-");
    m_box.left = area.left + minusWidth + 10;
    m_box.top = area.top + m_scale.markHeight + m_scale.rowHeight + 5;
    m_box.width = area.width - minusWidth - 20;
    m_box.height = static_cast<int>((area.height - m_scale.markHeight - m_scale.rowHeight) - 3.5 * m_scale.labelHeight);
    // The comparison's header line takes its room from the top of the plot box.
    if (m_extras.compareBirth) {
      m_box.top += m_scale.rowHeight;
      m_box.height -= m_scale.rowHeight;
    }
    m_bottom = m_box.top + m_box.height;
    m_mid = m_box.top + m_box.height / 2;
    m_amplitude = m_box.height / 2 - 10;
    m_daysToStart = daysBetween(m_settings.Birth, m_settings.Start);
    m_lastColumn = shownDays(m_settings) - 1;
    m_columnStep = static_cast<float>(static_cast<double>(m_box.width) / m_lastColumn);
  }

  void drawMarks() {
    // The marks are set in the marks' font but placed by a header line's height.
    const int rowHeight = m_scale.rowHeight;
    font(m_scale.markHeight, true);
    m_canvas.textOut(m_scale.area.left, m_box.top + m_box.height / 6 - rowHeight / 2, "+");
    m_canvas.textOut(m_scale.area.left, m_box.top + 5 * (m_box.height / 6) - rowHeight / 2, "-");
    m_canvas.textOut(m_scale.area.left, m_box.top + 2 * (m_box.height / 4) - rowHeight / 2, "\u00B1");
  }

  void drawHeader() {
    const DayNumber birth = m_settings.Birth;
    const DayNumber start = m_settings.Start;
    font(m_scale.rowHeight, false);
    const std::string born = formatDate(birth, m_locale.longDatePattern, m_locale);
    const std::string_view sign = m_texts.sign(birthSign(birth));
    m_canvas.textOut(
        m_box.left, m_scale.area.top,
        m_extras.personName.empty()
            ? fillIn(m_texts.bornOn, {{"date", born}, {"sign", sign}})
            : fillIn(m_texts.personBornOn, {{"name", m_extras.personName}, {"date", born}, {"sign", sign}}));
    const std::string asOf = formatDate(start, m_locale.shortDatePattern, m_locale);
    const std::string years = std::to_string(yearsBetween(birth, start));
    const std::string days = std::to_string(m_daysToStart);
    m_canvas.textOut(m_box.left, m_scale.area.top + m_scale.rowHeight,
                     fillIn(m_texts.ageAsOf, {{"date", asOf}, {"years", years}, {"days", days}}));
    if (m_extras.compareBirth) {
      const int apart = daysBetween(birth, *m_extras.compareBirth);
      std::array<std::string, 3> percents;
      for (std::size_t c = 0; c < ComparedCycles.size(); ++c)
        percents[c] = std::to_string(compatibilityPercent(*ComparedCycles[c], apart));
      m_canvas.textOut(m_box.left, m_scale.area.top + 2 * m_scale.rowHeight,
                       fillIn(m_texts.comparedWith, {{"name", m_extras.compareName},
                                                     {"physical", percents[0]},
                                                     {"emotional", percents[1]},
                                                     {"mental", percents[2]}}));
    }
  }

  void drawColumns() {
    const int labelHeight = m_scale.labelHeight;
    const int lastColumn = m_lastColumn;
    font(labelHeight, false);
    // A narrow box numbers fewer days. A box without width has nowhere to put a second number, so
    // only the first column is numbered; that is also where a vanishing column step leads.
    const double labelRatio =
        m_columnStep > 0 ? m_canvas.textWidth("30") * 1.15 / static_cast<double>(m_columnStep) : lastColumn;
    const int labelStep = labelRatio < lastColumn ? static_cast<int>(labelRatio) + 1 : lastColumn + 1;
    const int tickTop = m_bottom + labelHeight;
    const int tickBottom = static_cast<int>(m_bottom + 1.5 * labelHeight);

    std::array<char, 16> buffer{};
    int prevX = m_box.left;
    for (int i = 0; i <= lastColumn; ++i) {
      m_columnX[i] = static_cast<int>(i * static_cast<double>(m_columnStep) + m_box.left);
      const int dayOfMonth = decodeDate(m_settings.Start + i).day;
      if (m_settings.ShowLines) {
        m_canvas.setPen(m_textColor, 1, PenStyle::Dot);
        m_canvas.moveTo(m_columnX[i], m_box.top);
        m_canvas.lineTo(m_columnX[i], m_bottom);
      }
      if (i % labelStep == 0) {
        const std::string_view number = decimal(dayOfMonth, buffer);
        m_canvas.textOut(m_columnX[i] - m_canvas.textWidth(number) / 2, m_bottom, number);
      }
      // A month's span closes at the column before the next 1st, and the last one at the last
      // column unless that column is itself a 1st.
      if ((dayOfMonth == 1 && i > 0) || i == lastColumn) {
        const int xEnd = i == lastColumn && dayOfMonth != 1 ? m_columnX[i] : m_columnX[i - 1];
        m_canvas.setPen(m_textColor, 1, PenStyle::Solid);
        m_canvas.moveTo(prevX, tickTop);
        m_canvas.lineTo(prevX, tickBottom);
        m_canvas.moveTo(xEnd, tickTop);
        m_canvas.lineTo(xEnd, tickBottom);
        m_canvas.moveTo(prevX + 1, tickBottom);
        m_canvas.lineTo(xEnd, tickBottom);
        const std::string label = formatDate(m_settings.Start + i - 1, " mmm yy ", m_locale);
        m_canvas.textOut(prevX + (xEnd - prevX - m_canvas.textWidth(label)) / 2, tickTop, label);
        prevX = m_columnX[i];
      }
    }
  }

  void drawFrame() {
    // The frame's right side falls on the last column.
    m_right = m_box.left + static_cast<int>(m_lastColumn * static_cast<double>(m_columnStep)) + 1;
    m_canvas.setBrush(m_textColor);
    m_canvas.frameRect(m_box.left, m_box.top, m_right, m_bottom);
    m_canvas.setPen(m_textColor, 1, PenStyle::Solid);
    m_canvas.moveTo(m_box.left, m_mid);
    m_canvas.lineTo(m_right, m_mid);
  }

  // How every curve, one's own or the compared one, is drawn column by column: segment i runs from
  // column i to stepX further right. Line style joins each day to the next; High/Low draws a
  // vertical stroke per column from the day's value to the next day's. A style past the last one
  // is taken as the last.
  struct Segments {
    int last;
    int stepX;
  };

  Segments segments() const {
    const bool lineStyle = m_settings.Style == ChartStyle::Line;
    return {lineStyle ? m_lastColumn - 1 : m_lastColumn, lineStyle ? static_cast<int>(m_columnStep) : 0};
  }

  void drawLegendsAndCurves(const std::array<int, 4>& widths) {
    const auto [lastSegment, stepX] = segments();

    // The plotted positions for the columns 0 .. lastSegment + 1, each sine taken once. The overall curve is
    // the integer mean of the three plotted positions, whether or not those curves are shown.
    std::array<std::array<int, MaxDays + 1>, 4> plotted{};
    const std::array<const Cycle*, 3> cycles{&Physical, &Mental, &Emotional};
    for (int i = 0; i <= lastSegment + 1; ++i) {
      for (std::size_t c = 0; c < cycles.size(); ++c)
        plotted[c][i] = m_mid - cycleOffset(*cycles[c], m_daysToStart + i, m_amplitude);
      plotted[3][i] = (plotted[0][i] + plotted[2][i] + plotted[1][i]) / 3;
    }

    const std::array<std::uint8_t, 4> colors{m_settings.ColorPhysical, m_settings.ColorMental,
                                             m_settings.ColorEmotional, m_settings.ColorOverall};
    const std::array<bool, 4> shown{m_settings.ShowPhysical, m_settings.ShowMental, m_settings.ShowEmotional,
                                    m_settings.ShowOverall};
    // The legend is spaced by the frame's right coordinate, measured from the canvas origin.
    const int legendStep = m_right / 4;
    const int legendY = m_scale.area.top + m_scale.area.height;
    m_canvas.setBrush(m_legendBrush);
    font(m_scale.labelHeight, false);
    const std::array<std::string, 4>& names = m_texts.legend;
    for (std::size_t k = 0; k < names.size(); ++k) {
      const int strokeLeft = m_box.left + static_cast<int>(k) * legendStep;
      const int strokeRight = strokeLeft + legendStep / 7;
      m_canvas.setPen(paletteColor(colors[k]), widths[k], PenStyle::Solid);
      m_canvas.moveTo(strokeLeft, legendY);
      m_canvas.lineTo(strokeRight, legendY);
      m_canvas.textOut(strokeRight + 7, legendY - m_scale.labelHeight / 2, names[k]);
      if (!shown[k]) continue;
      for (int i = 0; i <= lastSegment; ++i) {
        m_canvas.moveTo(m_columnX[i], plotted[k][i]);
        m_canvas.lineTo(m_columnX[i] + stepX, plotted[k][i + 1]);
      }
    }
  }

  // The other person's Physical, Mental and Emotional curves, each as its own is shown, in its
  // colour but dotted and one pixel wide so that the two people's curves tell apart.
  void drawComparedCurves() {
    const auto [lastSegment, stepX] = segments();
    const int firstDay = daysBetween(*m_extras.compareBirth, m_settings.Start);
    for (const ShownCycle& shown : shownCycles()) {
      m_canvas.setPen(paletteColor(shown.color), 1, PenStyle::Dot);
      for (int i = 0; i <= lastSegment; ++i) {
        m_canvas.moveTo(m_columnX[i], m_mid - cycleOffset(*shown.cycle, firstDay + i, m_amplitude));
        m_canvas.lineTo(m_columnX[i] + stepX, m_mid - cycleOffset(*shown.cycle, firstDay + i + 1, m_amplitude));
      }
    }
  }

  void drawToday() {
    const int column = daysBetween(m_settings.Start, m_extras.today);
    if (column < 0 || column > m_lastColumn) return;
    m_canvas.setPen(m_textColor, 1, PenStyle::Dot);
    m_canvas.moveTo(m_columnX[column], m_box.top);
    m_canvas.lineTo(m_columnX[column], m_bottom);
  }

  // A small filled triangle standing on the zero line at each critical day's column, one per shown
  // cycle, side by side when several cycles meet the line on one day.
  void drawCriticalDays() {
    const int half = std::max(3, m_scale.labelHeight * 3 / 7);
    const int height = half + 1;
    const std::vector<ShownCycle> cycles = shownCycles();
    for (int i = 0; i <= m_lastColumn; ++i) {
      std::vector<std::uint8_t> colors;
      for (const ShownCycle& shown : cycles) {
        if (isCriticalDay(*shown.cycle, m_daysToStart + i)) colors.push_back(shown.color);
      }
      const int count = static_cast<int>(colors.size());
      for (int k = 0; k < count; ++k) {
        const int centre = m_columnX[i] + (2 * k - (count - 1)) * (half + 1);
        m_canvas.setBrush(paletteColor(colors[static_cast<std::size_t>(k)]));
        for (int row = 0; row < height; ++row) {
          const int spread = half * (row + 1) / height;
          m_canvas.fillRect(centre - spread, m_mid - height + row, centre + spread + 1, m_mid - height + row + 1);
        }
      }
    }
  }

  struct ShownCycle {
    const Cycle* cycle;
    std::uint8_t color;
  };

  // The three cycles whose own curves are shown, in the legend's order.
  std::vector<ShownCycle> shownCycles() const {
    std::vector<ShownCycle> cycles;
    if (m_settings.ShowPhysical) cycles.push_back({&Physical, m_settings.ColorPhysical});
    if (m_settings.ShowMental) cycles.push_back({&Mental, m_settings.ColorMental});
    if (m_settings.ShowEmotional) cycles.push_back({&Emotional, m_settings.ColorEmotional});
    return cycles;
  }

  Canvas& m_canvas;
  const BiorhythmSettings& m_settings;
  const DateLocale& m_locale;
  const ChartTexts& m_texts;
  const ChartExtras& m_extras;
  const Scale m_scale;
  const std::uint32_t m_textColor;
  const std::uint32_t m_legendBrush;
  Box m_box;         // the plot box
  int m_bottom = 0;  // the plot box's bottom edge
  int m_mid = 0;     // the zero line
  int m_amplitude = 0;
  int m_daysToStart = 0;   // days from birth to the first column
  int m_lastColumn = 0;    // the index of the last day column
  float m_columnStep = 0;  // kept in single precision; the products it enters are taken in double
  int m_right = 0;         // one past the frame's right side
  std::array<int, MaxDays> m_columnX{};
};

}  // namespace

bool chartDatesValid(const BiorhythmSettings& settings) {
  return settings.Birth > 1 && settings.Start > 1 && chartableDate(settings.Birth) && chartableDate(settings.Start);
}

std::string shownDaysTable(const BiorhythmSettings& settings, bool withCritical) {
  if (!chartDatesValid(settings)) return {};
  return dayTableCsv(settings.Birth, settings.Start, shownDays(settings), withCritical);
}

ChartOutcome drawChart(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device,
                       const DateLocale& locale, const ChartTexts& texts, const ChartExtras& extras) {
  DayColumns unused;
  return drawChart(canvas, settings, device, locale, unused, texts, extras);
}

ChartOutcome drawChart(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device,
                       const DateLocale& locale, DayColumns& columns, const ChartTexts& texts,
                       const ChartExtras& extras) {
  columns = DayColumns{};
  const bool printer = device.mode == ChartMode::Printer;
  const bool datesChartable = chartableDate(settings.Birth) && chartableDate(settings.Start);
  if (!printer) {
    canvas.setPen(paletteColor(settings.ColorText), 1, PenStyle::Solid);
    canvas.setBrush(paletteColor(settings.ColorBack));
    canvas.fillRect(0, 0, device.width, device.height);
    if (!chartDatesValid(settings)) {
      drawInvalidDate(canvas, device, textColorFor(device.mode, paletteColor(settings.ColorText)), texts.invalidDate);
      return ChartOutcome::InvalidDate;
    }
  } else if (!datesChartable) {
    return ChartOutcome::InvalidDate;
  }

  std::array<int, 4> widths{lineWidth(settings.WidthPhysical), lineWidth(settings.WidthMental),
                            lineWidth(settings.WidthEmotional), lineWidth(settings.WidthOverall)};
  // Thin lines of one colour cannot be told apart on a printer without colour, so each curve gets
  // a width of its own there. A device that reports no colour count (-1) counts as monochrome.
  if (printer && device.colorCount <= 2) widths = {1, 10, 5, 15};

  ChartPainter painter(canvas, settings, device, locale, texts, extras);
  painter.draw(widths);
  columns = painter.columns();
  return ChartOutcome::Drawn;
}

}  // namespace lunasoma
