#include "chart/ChartDrawing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "model/Biorhythm.h"
#include "model/Calendar.h"

namespace lunasoma {

namespace {

constexpr int MaxWeeks = 8;
// Day columns of the longest range, plus one day of look-ahead for the last segment of a curve.
constexpr int MaxDays = 7 * MaxWeeks + 1;

// The calendar ends on 31 December 9999 and begins on 1 January of year 1; a date outside it (a
// hand-edited store can hold any 8 bytes) cannot be decoded, so the chart does not try.
constexpr DayNumber FirstCalendarDay = -693593;
constexpr DayNumber LastCalendarDay = 2958465;

bool chartableDate(DayNumber date) {
  return std::isfinite(date) && date >= FirstCalendarDay && date <= LastCalendarDay - MaxDays;
}

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Scale {
  std::string_view face;
  int small = 0;   // S
  int medium = 0;  // R
  int large = 0;   // T
  Box outer;       // P
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

struct Entry {
  std::string_view name;
  const Cycle* cycle;  // none for the overall curve
  std::uint8_t color;
  bool show;
};

std::string_view decimal(int value, std::array<char, 16>& buffer) {
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

void drawInvalidDate(Canvas& canvas, const ChartDevice& device) {
  FontSpec font = canvas.font();
  font.cellHeight = 15;
  canvas.setFont(font);
  canvas.textOut(10, device.height - 30, "Invalid date ...");
}

}  // namespace

ChartOutcome drawChart(Canvas& canvas, const BiorhythmSettings& settings, const ChartDevice& device,
                       const DateLocale& locale) {
  const bool printer = device.mode == ChartMode::Printer;
  const std::uint32_t textColor = paletteColor(settings.ColorText);
  const std::uint32_t backColor = paletteColor(settings.ColorBack);
  const bool datesChartable = chartableDate(settings.Birth) && chartableDate(settings.Start);

  if (!printer) {
    canvas.setPen(textColor, 1, PenStyle::Solid);
    canvas.setBrush(backColor);
    canvas.fillRect(0, 0, device.width, device.height);
    if (settings.Birth <= 1 || settings.Start <= 1 || !datesChartable) {
      drawInvalidDate(canvas, device);
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

  const Scale scale = printer ? printerScale(device) : screenScale(device);
  const int S = scale.small;
  const int R = scale.medium;
  const int T = scale.large;
  const Box& P = scale.outer;
  const auto font = [&](int height, bool bold) {
    canvas.setFont(FontSpec{std::string(scale.face), height, bold, textColor});
  };

  font(R, true);
  const int tw = canvas.textWidth("-");
  Box B;
  B.left = P.left + tw + 10;
  B.top = P.top + T + R + 5;
  B.width = P.width - tw - 20;
  B.height = static_cast<int>((P.height - T - R) - 3.5 * S);
  const int mid = B.top + B.height / 2;
  const int amplitude = B.height / 2 - 10;
  const int d0 = daysBetween(settings.Birth, settings.Start);

  font(T, true);
  canvas.textOut(P.left, B.top + B.height / 6 - R / 2, "+");
  canvas.textOut(P.left, B.top + 5 * (B.height / 6) - R / 2, "-");
  canvas.textOut(P.left, B.top + 2 * (B.height / 4) - R / 2, "\u00B1");

  font(R, false);
  const std::string birthText = formatDate(settings.Birth, locale.longDatePattern, locale);
  canvas.textOut(B.left, P.top, "Born on " + birthText + " (" + std::string(birthSign(settings.Birth)) + ")");
  const std::string startText = formatDate(settings.Start, locale.shortDatePattern, locale);
  canvas.textOut(B.left, P.top + R,
                 "Age as of " + startText + ": " + std::to_string(yearsBetween(settings.Birth, settings.Start)) +
                     " Years (" + std::to_string(d0) + " Days)");

  font(S, false);
  const int weeks = std::min<int>(settings.Range, MaxWeeks - 1) + 1;
  const int G0 = 7 * weeks - 1;
  const float dx = static_cast<float>(static_cast<double>(B.width) / G0);
  // A narrow box numbers fewer days. A box without width has nowhere to put a second number, so
  // only the first column is numbered; that is also where a vanishing dx leads.
  const double labelRatio = dx > 0 ? canvas.textWidth("30") * 1.15 / static_cast<double>(dx) : G0;
  const int labelStep = labelRatio < G0 ? static_cast<int>(labelRatio) + 1 : G0 + 1;
  const int Yb = B.top + B.height;
  const int tickTop = Yb + S;
  const int tickBottom = static_cast<int>(Yb + 1.5 * S);

  std::array<int, MaxDays> x{};
  std::array<char, 16> buffer{};
  int prevX = B.left;
  for (int i = 0; i <= G0; ++i) {
    x[i] = static_cast<int>(i * static_cast<double>(dx) + B.left);
    const int D = decodeDate(settings.Start + i).day;
    if (settings.ShowLines) {
      canvas.setPen(textColor, 1, PenStyle::Dot);
      canvas.moveTo(x[i], B.top);
      canvas.lineTo(x[i], Yb);
    }
    if (i % labelStep == 0) {
      const std::string_view number = decimal(D, buffer);
      canvas.textOut(x[i] - canvas.textWidth(number) / 2, Yb, number);
    }
    if ((D == 1 && i > 0) || i == G0) {
      const int xEnd = i == G0 && D != 1 ? x[i] : x[i - 1];
      canvas.setPen(textColor, 1, PenStyle::Solid);
      canvas.moveTo(prevX, tickTop);
      canvas.lineTo(prevX, tickBottom);
      canvas.moveTo(xEnd, tickTop);
      canvas.lineTo(xEnd, tickBottom);
      canvas.moveTo(prevX + 1, tickBottom);
      canvas.lineTo(xEnd, tickBottom);
      const std::string label = formatDate(settings.Start + i - 1, " mmm yy ", locale);
      canvas.textOut(prevX + (xEnd - prevX - canvas.textWidth(label)) / 2, tickTop, label);
      prevX = x[i];
    }
  }

  // The frame's right side falls on the last column.
  const int Rr = B.left + static_cast<int>(G0 * static_cast<double>(dx)) + 1;
  canvas.setBrush(textColor);
  canvas.frameRect(B.left, B.top, Rr, Yb);
  canvas.setPen(textColor, 1, PenStyle::Solid);
  canvas.moveTo(B.left, mid);
  canvas.lineTo(Rr, mid);

  // Line style joins each day to the next; High/Low draws a vertical stroke per column from the
  // day's value to the next day's. A style past the last one is taken as the last.
  const bool lineStyle = settings.Style == 0;
  const int G = lineStyle ? G0 - 1 : G0;
  const int stepX = lineStyle ? static_cast<int>(dx) : 0;

  // The plotted positions of each cycle for days d0 .. d0 + G + 1, each sine taken once.
  const std::array<const Cycle*, 3> cycles{&Physical, &Mental, &Emotional};
  std::array<std::array<int, MaxDays + 1>, 3> plotted{};
  for (std::size_t c = 0; c < cycles.size(); ++c) {
    for (int i = 0; i <= G + 1; ++i) plotted[c][i] = mid - cycleOffset(*cycles[c], d0 + i, amplitude);
  }

  const std::array<Entry, 4> entries{{
      {"Physical", cycles[0], settings.ColorPhysical, settings.ShowPhysical},
      {"Mental", cycles[1], settings.ColorMental, settings.ShowMental},
      {"Emotional", cycles[2], settings.ColorEmotional, settings.ShowEmotional},
      {"Overall", nullptr, settings.ColorOverall, settings.ShowOverall},
  }};
  const int legendStep = Rr / 4;
  const int legendY = P.top + P.height;
  canvas.setBrush(backColor);
  font(S, false);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const Entry& entry = entries[k];
    const int strokeLeft = B.left + static_cast<int>(k) * legendStep;
    const int strokeRight = strokeLeft + legendStep / 7;
    canvas.setPen(paletteColor(entry.color), widths[k], PenStyle::Solid);
    canvas.moveTo(strokeLeft, legendY);
    canvas.lineTo(strokeRight, legendY);
    canvas.textOut(strokeRight + 7, legendY - S / 2, entry.name);
    if (!entry.show) continue;

    std::array<int, MaxDays + 1> overall{};
    const int* y = nullptr;
    if (entry.cycle) {
      y = plotted[k].data();
    } else {
      // The overall curve is the integer mean of the three plotted positions, whether or not
      // those curves are shown.
      for (int i = 0; i <= G + 1; ++i) overall[i] = (plotted[0][i] + plotted[2][i] + plotted[1][i]) / 3;
      y = overall.data();
    }
    for (int i = 0; i <= G; ++i) {
      canvas.moveTo(x[i], y[i]);
      canvas.lineTo(x[i] + stepX, y[i + 1]);
    }
  }
  return ChartOutcome::Drawn;
}

}  // namespace lunasoma
