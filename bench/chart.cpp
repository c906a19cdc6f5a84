// Speed of the chart drawing: eight weeks into a 1280 x 800 bitmap through the QPainter canvas,
// against a baseline that draws the same primitives straight through QPainter, and the drawing
// arithmetic alone into the recording canvas; the chart saved in each file format the program
// writes, and the read-out of one day under the pointer.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <variant>
#include <vector>

#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "chart/qt/ChartFile.h"
#include "chart/qt/QPainterCanvas.h"
#include "model/DayReadout.h"

namespace lunasoma {
namespace {

constexpr int Width = 1280;
constexpr int Height = 800;

BiorhythmSettings eightWeeks() {
  BiorhythmSettings settings;
  settings.Birth = *encodeDate(1990, 5, 10);
  settings.Start = *encodeDate(2026, 11, 20);
  settings.Range = 7;
  return settings;
}

ChartDevice bitmapDevice() {
  ChartDevice device;
  device.width = Width;
  device.height = Height;
  return device;
}

// The primitives one drawing produces, captured once with the QPainter canvas's own text metrics
// so that the baseline draws exactly the same lines and texts.
struct PenOp {
  QPen pen;
  bool wide;
};
struct FontOp {
  QFont font;
  int ascent;
  int cellHeight;
  QColor color;
};
struct BrushOp {
  QColor color;
};
struct TextOp {
  QPoint at;
  int width;
  QString text;
};
struct LineOp {
  QPoint from;
  QPoint to;
};
struct FillOp {
  QRect rect;
};
using Primitive = std::variant<PenOp, FontOp, BrushOp, TextOp, LineOp, FillOp>;

class CapturingCanvas : public Canvas {
 public:
  CapturingCanvas(QPainterCanvas& metrics, CellFontCache& fonts, const QPaintDevice& device)
      : m_metrics(metrics), m_fonts(fonts), m_device(device) {}

  std::vector<Primitive> primitives;

  void setPen(std::uint32_t color, int width, PenStyle style) override {
    QPen pen(QPainterCanvas::toQColor(color));
    pen.setStyle(style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    if (width <= 1) {
      pen.setCosmetic(true);
      pen.setCapStyle(Qt::FlatCap);
    } else {
      pen.setWidth(width);
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
    }
    primitives.emplace_back(PenOp{pen, width > 1});
  }
  void setBrush(std::uint32_t color) override { primitives.emplace_back(BrushOp{QPainterCanvas::toQColor(color)}); }
  void setFont(const FontSpec& font) override {
    m_font = font;
    m_metrics.setFont(font);
    const CellFontCache::ResolvedFont& resolved = m_fonts.resolve(font, &m_device);
    primitives.emplace_back(
        FontOp{resolved.font, resolved.ascent, font.cellHeight, QPainterCanvas::toQColor(font.color)});
  }
  const FontSpec& font() const override { return m_font; }
  int textWidth(std::string_view utf8) override { return m_metrics.textWidth(utf8); }
  void textOut(int x, int y, std::string_view utf8) override {
    primitives.emplace_back(TextOp{QPoint(x, y), m_metrics.textWidth(utf8),
                                   QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))});
  }
  void moveTo(int x, int y) override { m_position = QPoint(x, y); }
  void lineTo(int x, int y) override {
    primitives.emplace_back(LineOp{m_position, QPoint(x, y)});
    m_position = QPoint(x, y);
  }
  void fillRect(int left, int top, int right, int bottom) override {
    primitives.emplace_back(FillOp{QRect(left, top, right - left, bottom - top)});
  }
  void frameRect(int left, int top, int right, int bottom) override {
    const int w = right - left;
    const int h = bottom - top;
    for (const QRect& side :
         {QRect(left, top, w, 1), QRect(left, bottom - 1, w, 1), QRect(left, top, 1, h), QRect(right - 1, top, 1, h)})
      primitives.emplace_back(FillOp{side});
  }

 private:
  QPainterCanvas& m_metrics;
  CellFontCache& m_fonts;
  const QPaintDevice& m_device;
  FontSpec m_font;
  QPoint m_position;
};

void replay(QPainter& painter, const std::vector<Primitive>& primitives) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  const PenOp* linePen = nullptr;
  const FontOp* font = nullptr;
  QColor brush = Qt::white;
  QPen textPen;
  for (const Primitive& primitive : primitives) {
    if (const auto* pen = std::get_if<PenOp>(&primitive)) {
      linePen = pen;
      painter.setPen(pen->pen);
    } else if (const auto* f = std::get_if<FontOp>(&primitive)) {
      font = f;
      painter.setFont(f->font);
      textPen = QPen(f->color);
    } else if (const auto* b = std::get_if<BrushOp>(&primitive)) {
      brush = b->color;
    } else if (const auto* text = std::get_if<TextOp>(&primitive)) {
      painter.fillRect(QRect(text->at.x(), text->at.y(), text->width, font->cellHeight), brush);
      painter.setPen(textPen);
      painter.drawText(QPoint(text->at.x(), text->at.y() + font->ascent), text->text);
      if (linePen) painter.setPen(linePen->pen);
    } else if (const auto* line = std::get_if<LineOp>(&primitive)) {
      if (linePen && linePen->wide) {
        painter.drawLine(QLineF(QPointF(line->from) + QPointF(0.5, 0.5), QPointF(line->to) + QPointF(0.5, 0.5)));
      } else {
        painter.drawLine(line->from, line->to);
      }
    } else if (const auto* fill = std::get_if<FillOp>(&primitive)) {
      painter.fillRect(fill->rect, brush);
    }
  }
}

void BM_ChartIntoImage(benchmark::State& state) {
  const BiorhythmSettings settings = eightWeeks();
  const DateLocale locale;
  QImage image(Width, Height, QImage::Format_RGB32);
  CellFontCache fonts;  // kept for the life of the window, as the main window keeps it
  for (auto _ : state) {
    QPainter painter(&image);
    QPainterCanvas canvas(painter, fonts);
    benchmark::DoNotOptimize(drawChart(canvas, settings, bitmapDevice(), locale));
  }
}
BENCHMARK(BM_ChartIntoImage)->Unit(benchmark::kMicrosecond);

void BM_BaselineStraightQPainter(benchmark::State& state) {
  QImage image(Width, Height, QImage::Format_RGB32);
  CellFontCache fonts;
  std::vector<Primitive> primitives;
  {
    QPainter painter(&image);
    QPainterCanvas metrics(painter, fonts);
    CapturingCanvas capture(metrics, fonts, image);
    drawChart(capture, eightWeeks(), bitmapDevice(), DateLocale{});
    primitives = std::move(capture.primitives);
  }
  for (auto _ : state) {
    QPainter painter(&image);
    replay(painter, primitives);
  }
  state.counters["primitives"] = static_cast<double>(primitives.size());
}
BENCHMARK(BM_BaselineStraightQPainter)->Unit(benchmark::kMicrosecond);

void BM_ChartIntoRecordingCanvas(benchmark::State& state) {
  const BiorhythmSettings settings = eightWeeks();
  const DateLocale locale;
  RecordingCanvas canvas;
  for (auto _ : state) {
    canvas.clear();
    benchmark::DoNotOptimize(drawChart(canvas, settings, bitmapDevice(), locale));
    benchmark::DoNotOptimize(canvas.text().data());
  }
}
BENCHMARK(BM_ChartIntoRecordingCanvas)->Unit(benchmark::kMicrosecond);

// Save As at a typical window's chart size, 800 x 500: the picture is drawn and then written, as
// the program captures its chart first; SVG and PDF draw the chart once more into their document.
void BM_SaveChartFile(benchmark::State& state) {
  const auto format = static_cast<ChartFileFormat>(state.range(0));
  const BiorhythmSettings settings = eightWeeks();
  const DateLocale locale;
  const QSize size(800, 500);
  const ChartDrawer draw = [&](Canvas& canvas, const ChartDevice& device) {
    drawChart(canvas, settings, device, locale);
  };
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart"));
  CellFontCache fonts;
  QPrinter printer(QPrinter::HighResolution);
  for (auto _ : state) {
    QString reason;
    switch (format) {
      case ChartFileFormat::Bitmap:
      case ChartFileFormat::Png: {
        QImage picture(size, QImage::Format_RGB32);
        {
          QPainter painter(&picture);
          QPainterCanvas canvas(painter, fonts);
          ChartDevice device;
          device.width = size.width();
          device.height = size.height();
          draw(canvas, device);
        }
        reason = writeChartPicture(picture, format, path);
        break;
      }
      case ChartFileFormat::Svg:
        reason = writeChartSvg(draw, size, 96, QStringLiteral("Lunasoma"), path);
        break;
      case ChartFileFormat::Pdf:
        reason = writeChartPdf(draw, printer, 96, QStringLiteral("Lunasoma"), path);
        break;
      case ChartFileFormat::Csv: {
        ChartFileSource source;
        source.table = [&] { return shownDaysTable(settings, true); };
        reason = writeChartFile(format, source, path);
        break;
      }
    }
    if (!reason.isEmpty()) {
      state.SkipWithError(reason.toStdString().c_str());
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_SaveChartFile)
    ->Arg(static_cast<int>(ChartFileFormat::Bitmap))
    ->Arg(static_cast<int>(ChartFileFormat::Png))
    ->Arg(static_cast<int>(ChartFileFormat::Svg))
    ->Arg(static_cast<int>(ChartFileFormat::Pdf))
    ->Arg(static_cast<int>(ChartFileFormat::Csv))
    ->ArgName("format")
    ->Unit(benchmark::kMillisecond);

// What resting the pointer on a day column costs: the day's four values and its long date.
void BM_DayReadout(benchmark::State& state) {
  const BiorhythmSettings settings = eightWeeks();
  const DateLocale locale;
  int column = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        dayReadoutText(settings.Start + column, static_cast<int>(settings.Start - settings.Birth) + column, locale));
    column = (column + 1) % 56;
  }
}
BENCHMARK(BM_DayReadout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lunasoma

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
