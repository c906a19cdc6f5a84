// The File menu's chart commands and the chart's pointer zones, driven through the main window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <memory>
#include <optional>
#include <vector>

#include "chart/RecordingCanvas.h"
#include "programs/lunasoma-chart/ChartFileWriter.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/ChartDialogs.h"

namespace lunasoma {
namespace {

// Answers the print and save dialogs from a script and remembers what the save dialog was given.
class ScriptedChartDialogs : public ChartDialogs {
 public:
  bool choosePrinter(QPrinter& printer, QWidget*) override {
    ++printDialogs;
    printersAsked.push_back(&printer);
    if (!printAccepted) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    printer.setCopyCount(copies);
    if (printerResolution) printer.setResolution(*printerResolution);
    return true;
  }
  // Shows the preview by having it drawn into a PDF file, one page per page shown.
  // Printing from it, when asked, runs the print command on the preview's printer.
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint, const PrintCommand& print,
                    QWidget*) override {
    ++previews;
    previewPrinter = &printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewFile);
    paint(printer);
    if (printFromPreview) printedFromPreview = print(printer, nullptr);
  }
  std::optional<ExportChoice> chooseExportFile(const ExportDialogSetup& setup, QWidget*) override {
    exportSetups.push_back(setup);
    return exportChoice;
  }

  bool printAccepted = true;
  int copies = 1;
  std::optional<int> printerResolution;  // as a chosen printer may bring
  QString pdfFile;
  int printDialogs = 0;
  std::vector<QPrinter*> printersAsked;
  QString previewFile;
  int previews = 0;
  QPrinter* previewPrinter = nullptr;
  bool printFromPreview = false;
  std::optional<bool> printedFromPreview;
  std::optional<ExportChoice> exportChoice;
  std::vector<ExportDialogSetup> exportSetups;
};

class ChartCommandsTest : public test::MainWindowFixture {
 protected:
  // A window on a chart that starts well after the birth date, so that no move meets the birth.
  TfrmBio& openChart() {
    BiorhythmSettings previous;
    previous.Birth = day(1990, 5, 17);
    previous.Start = day(2024, 3, 1);
    previous.SaveStartDate = true;
    previous.Range = 2;
    previous.RecExportFileName = "/charts/old.BMP";
    previous.RecExportIndex = 2;
    store(previous);
    TfrmBio& window = open();
    auto dialogs = std::make_unique<ScriptedChartDialogs>();
    m_dialogs = dialogs.get();
    window.setChartDialogs(std::move(dialogs));
    return window;
  }

  void trigger(const char* item) { child<QAction>(item)->trigger(); }

  void mouse(QEvent::Type type, int x, Qt::MouseButton button = Qt::NoButton) {
    QWidget* pntBio = child<QWidget>("pntBio");
    const QPointF local(x, 20);
    const Qt::MouseButtons held = type == QEvent::MouseMove ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, local, pntBio->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : held, Qt::NoModifier);
    QApplication::sendEvent(pntBio, &event);
  }

  // The chart's pointer shapes differ by hot spot; the design-time pointer is the up-arrow.
  std::optional<QPoint> pointerHotSpot() {
    const QCursor cursor = child<QWidget>("pntBio")->cursor();
    if (cursor.shape() != Qt::BitmapCursor) return std::nullopt;
    return cursor.hotSpot();
  }

  ScriptedChartDialogs* m_dialogs = nullptr;
};

TEST_F(ChartCommandsTest, DateMovesRewriteTheStartFieldAndRedrawAtOnce) {
  openChart();
  QComboBox* cboStart = child<QComboBox>("cboStart");
  QWidget* pntBio = child<QWidget>("pntBio");
  int paints = 0;
  struct PaintCounter : QObject {
    int* count;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++*count;
      return false;
    }
  } counter(&paints);
  pntBio->installEventFilter(&counter);

  struct Row {
    const char* item;
    DayNumber start;
    const char* text;
  };
  const Row rows[] = {
      {"mnuNextPage", day(2024, 3, 22), "3/22/2024"},   {"mnuOneDayForward", day(2024, 3, 23), "3/23/2024"},
      {"mnuPreviousPage", day(2024, 3, 2), "3/2/2024"}, {"mnuOneDayBack", day(2024, 3, 1), "3/1/2024"},
      {"mnuToday", day(2024, 3, 15), "3/15/2024"},
  };
  for (const Row& row : rows) {
    const int before = paints;
    trigger(row.item);
    EXPECT_EQ(settings.Start, row.start) << row.item;
    EXPECT_EQ(cboStart->currentText(), row.text) << row.item;
    EXPECT_GT(paints, before) << row.item << ": drawn without waiting for the event loop";
  }
  pntBio->removeEventFilter(&counter);

  settings.Start = 0;
  trigger("mnuNextPage");
  EXPECT_EQ(settings.Start, day(1990, 5, 17)) << "a start holding no date is lifted to the birth date";
}

TEST_F(ChartCommandsTest, PointerZonesShowTheirShapeAndLeftReleasesRunTheirMove) {
  openChart();
  child<QWidget>("pntBio")->setFixedWidth(203);

  mouse(QEvent::MouseButtonRelease, 100, Qt::LeftButton);
  EXPECT_EQ(settings.Start, day(2024, 3, 1)) << "a release before the pointer moved does nothing";
  mouse(QEvent::MouseMove, 201);
  EXPECT_EQ(pointerHotSpot(), std::nullopt) << "pixels right of the fifth zone keep the up-arrow";
  mouse(QEvent::MouseButtonRelease, 201, Qt::LeftButton);
  EXPECT_EQ(settings.Start, day(2024, 3, 1));

  struct Row {
    const char* name;
    int x;
    PointerShape shape;
    DayNumber start;  // after a left-button release
  };
  const Row rows[] = {
      {"zone 5", 199, PointerShape::RightDouble, day(2024, 3, 22)},
      {"zone 4", 120, PointerShape::RightSingle, day(2024, 3, 23)},
      {"zone 1", 0, PointerShape::LeftDouble, day(2024, 3, 2)},
      {"zone 2", 79, PointerShape::LeftSingle, day(2024, 3, 1)},
      {"zone 3", 80, PointerShape::Today, day(2024, 3, 15)},
  };
  for (const Row& row : rows) {
    mouse(QEvent::MouseMove, row.x);
    EXPECT_EQ(pointerHotSpot(), PointerShapes::hotSpot(row.shape)) << row.name;
    mouse(QEvent::MouseButtonRelease, row.x, Qt::LeftButton);
    EXPECT_EQ(settings.Start, row.start) << row.name;
  }

  mouse(QEvent::MouseMove, 0);
  mouse(QEvent::MouseMove, 202);
  EXPECT_EQ(pointerHotSpot(), PointerShapes::hotSpot(PointerShape::LeftDouble)) << "left-over pixels keep the shape";
  mouse(QEvent::MouseButtonRelease, 202, Qt::RightButton);
  EXPECT_EQ(settings.Start, day(2024, 3, 15)) << "a right-button release does nothing";
  mouse(QEvent::MouseButtonRelease, 202, Qt::LeftButton);
  EXPECT_EQ(settings.Start, day(2024, 2, 23)) << "the shape shown decides, not the position";
}

TEST_F(ChartCommandsTest, AChartNarrowerThanFivePixelsKeepsItsPointerAndIgnoresReleases) {
  openChart();
  QWidget* pntBio = child<QWidget>("pntBio");
  pntBio->setFixedWidth(4);
  for (int x = 0; x < 4; ++x) mouse(QEvent::MouseMove, x);
  EXPECT_EQ(pointerHotSpot(), std::nullopt);

  pntBio->setFixedWidth(203);
  mouse(QEvent::MouseMove, 199);
  pntBio->setFixedWidth(4);
  mouse(QEvent::MouseMove, 1);
  EXPECT_EQ(pointerHotSpot(), PointerShapes::hotSpot(PointerShape::RightDouble));
  mouse(QEvent::MouseButtonRelease, 1, Qt::LeftButton);
  EXPECT_EQ(settings.Start, day(2024, 3, 1));
}

int pageCount(const QString& pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(file.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(ChartCommandsTest, CopiesPrintAsSeparateOnePageDocuments) {
  openChart();
  const QString folder = host.root.path() + QStringLiteral("/print");
  QDir().mkpath(folder);
  m_dialogs->pdfFile = folder + QStringLiteral("/chart.pdf");
  m_dialogs->copies = 3;
  trigger("mnuPrint");

  EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"chart (2).pdf", "chart (3).pdf", "chart.pdf"}));
  for (const QString& name : QDir(folder).entryList(QDir::Files)) {
    EXPECT_EQ(pageCount(folder + QLatin1Char('/') + name), 1) << qPrintable(name);
  }
  // The job title is the caption, a blank and the birth field's text, kept as UTF-16 in the PDF.
  QFile first(m_dialogs->pdfFile);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QString title = QStringLiteral("Lunasoma 5/17/1990");
  QByteArray utf16;
  for (QChar c : title)
    utf16 += QByteArray(1, static_cast<char>(c.unicode() >> 8)) + QByteArray(1, static_cast<char>(c.unicode() & 0xFF));
  EXPECT_TRUE(first.readAll().contains(utf16)) << "job title";
  EXPECT_TRUE(host.messages.texts().isEmpty()) << qPrintable(host.messages.texts().join('|'));

  m_dialogs->printAccepted = false;
  m_dialogs->pdfFile = folder + QStringLiteral("/cancelled.pdf");
  trigger("mnuPrint");
  EXPECT_EQ(m_dialogs->printDialogs, 2);
  EXPECT_FALSE(QFile::exists(m_dialogs->pdfFile)) << "a cancelled dialog prints nothing";
}

// The scale of the first page's drawing: points per device pixel, 72 / dpi. Qt keeps the page
// content in zlib streams and sets the device's scale with its first "cm" operator.
double pageScale(const QString& pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = file.readAll();
  static const QRegularExpression stream(QStringLiteral("(?<!end)stream\r?\n"));
  static const QRegularExpression scale(QStringLiteral("(\\d+\\.\\d+) 0 0 -\\1 \\S+ \\S+ cm"));
  const QString latin1 = QString::fromLatin1(bytes);
  for (auto match = stream.globalMatch(latin1); match.hasNext();) {
    const auto found = match.next();
    const qsizetype begin = found.capturedEnd();
    const qsizetype end = bytes.indexOf("endstream", begin);
    if (end < 0) break;
    // qUncompress wants the length up front; it is only a first guess of the buffer it needs.
    const QByteArray packed = QByteArray("\0\0\x10\0", 4) + bytes.mid(begin, end - begin);
    const QString content = QString::fromLatin1(qUncompress(packed));
    const auto matrix = scale.match(content);
    if (matrix.hasMatch()) return matrix.captured(1).toDouble();
  }
  return 0;
}

// Widths are device pixels, so the print is made at 300 dpi whatever the dialog's printer would
// choose, the same as the command-line renderer's PDF.
TEST_F(ChartCommandsTest, PrintsAtThreeHundredDpiLikeTheCommandLineRenderer) {
  openChart();
  const QString folder = host.root.path() + QStringLiteral("/print");
  QDir().mkpath(folder);
  const ChartFileWriter renderer(settings, DateLocale{}, 640, 480);
  ASSERT_TRUE(renderer.write(folder + QStringLiteral("/renderer.pdf")).written);
  EXPECT_DOUBLE_EQ(pageScale(folder + QStringLiteral("/renderer.pdf")), 0.24);

  struct Row {
    const char* name;
    std::optional<int> printerResolution;
  };
  const Row rows[] = {{"a PDF file", std::nullopt}, {"a printer of 600 dpi", 600}, {"a printer of 1200 dpi", 1200}};
  for (const Row& row : rows) {
    m_dialogs->pdfFile = folder + QLatin1Char('/') + QString::fromLatin1(row.name) + QStringLiteral(".pdf");
    m_dialogs->printerResolution = row.printerResolution;
    trigger("mnuPrint");
    EXPECT_DOUBLE_EQ(pageScale(m_dialogs->pdfFile), 0.24) << row.name;
  }
}

TEST_F(ChartCommandsTest, APrintThatCannotStartIsReported) {
  openChart();
  m_dialogs->pdfFile = host.root.path() + QStringLiteral("/gone/chart.pdf");
  m_dialogs->copies = 2;
  trigger("mnuPrint");
  ASSERT_EQ(host.messages.texts().size(), 1);
  EXPECT_TRUE(host.messages.texts().front().contains(QStringLiteral("/gone/chart.pdf")));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

std::uint16_t bitsPerPixel(const QString& bmp) {
  QFile file(bmp);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray header = file.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return 0;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(header[28]) | static_cast<std::uint8_t>(header[29]) << 8);
}

TEST_F(ChartCommandsTest, SaveAsBitmapWritesThePaintBoxPixelsAndRemembersTheFile) {
  openChart();
  const QString target = host.root.file(QStringLiteral("saved/chart.BMP"));
  m_dialogs->exportChoice = ExportChoice{target, 1};
  trigger("mnuSaveFile");

  ASSERT_EQ(m_dialogs->exportSetups.size(), 1u);
  const ExportDialogSetup& setup = m_dialogs->exportSetups.front();
  EXPECT_EQ(setup.title, "Save Lunasoma Bitmap");
  EXPECT_EQ(setup.folder, "/charts/");
  EXPECT_EQ(setup.fileName, "old.BMP");
  EXPECT_EQ(setup.selectedFilter, 1);

  EXPECT_EQ(bitsPerPixel(target), 24);
  const QImage saved(target);
  EXPECT_EQ(saved.size(), child<QWidget>("pntBio")->size());
  const std::uint32_t back = paletteColor(settings.ColorBack);
  EXPECT_EQ(saved.pixel(3, 3), qRgb(paletteRed(back), paletteGreen(back), paletteBlue(back)))
      << "the corner above the chart's outer box shows the background";
  EXPECT_EQ(settings.RecExportFileName, target.toStdString());
  EXPECT_EQ(settings.RecExportIndex, 1);

  m_dialogs->exportChoice.reset();
  QFile::remove(target);
  trigger("mnuSaveFile");
  EXPECT_FALSE(QFile::exists(target)) << "a cancelled dialog saves nothing";
  EXPECT_EQ(settings.RecExportFileName, target.toStdString());
}

TEST_F(ChartCommandsTest, ABitmapThatCannotBeWrittenKeepsTheOldFileAndTheRememberedName) {
  openChart();
  const QString target = host.root.file(QStringLiteral("saved/chart.BMP"));
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old chart");
  }
  m_dialogs->exportChoice = ExportChoice{target, 1};
  {
    test::FileSizeLimit fullDisk(1000);
    trigger("mnuSaveFile");
  }
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old chart");
  EXPECT_EQ(QDir(host.root.path() + QStringLiteral("/saved")).entryList(QDir::Files), QStringList{"chart.BMP"});
  EXPECT_EQ(settings.RecExportFileName, "/charts/old.BMP");
  EXPECT_EQ(settings.RecExportIndex, 2);
  ASSERT_EQ(host.messages.texts().size(), 1);
  EXPECT_TRUE(host.messages.texts().front().contains(target)) << qPrintable(host.messages.texts().front());
}

// The chart as the screen shows it, pixel for pixel.
QImage screenPixels(QWidget* pntBio) { return pntBio->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The texts of an SVG drawing's text elements, in document order; nothing when it does not parse.
std::optional<QStringList> svgTexts(const QString& svg) {
  QFile file(svg);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QXmlStreamReader reader(&file);
  QStringList texts;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("text"))
      texts.append(reader.readElementText());
  }
  if (reader.hasError()) return std::nullopt;
  return texts;
}

// The texts the chart drawing writes on a screen of the paint box's size, in drawing order.
QStringList drawnTexts(const BiorhythmSettings& settings, const DateLocale& locale, QSize size) {
  RecordingCanvas canvas;
  ChartDevice device;
  device.width = size.width();
  device.height = size.height();
  drawChart(canvas, settings, device, locale);
  QStringList texts;
  static const QRegularExpression text(QStringLiteral("^text -?\\d+ -?\\d+ (.*)$"),
                                       QRegularExpression::MultilineOption);
  for (auto match = text.globalMatch(QString::fromStdString(canvas.text())); match.hasNext();)
    texts.append(match.next().captured(1));
  return texts;
}

TEST_F(ChartCommandsTest, SaveWritesTheFormatTheNameOrTheFilterAsksFor) {
  openChart();
  QWidget* pntBio = child<QWidget>("pntBio");
  const QString folder = host.root.path() + QStringLiteral("/saved");
  struct Row {
    const char* name;
    QString chosen;
    int filter;
    QString written;
    ChartFileFormat format;
  };
  const Row rows[] = {
      {"PNG under its filter", "chart.png", 3, "chart.png", ChartFileFormat::Png},
      {"a bitmap name under the PNG filter", "pic.bmp", 3, "pic.bmp", ChartFileFormat::Bitmap},
      {"SVG by its name under All Files", "chart.SVG", 2, "chart.SVG", ChartFileFormat::Svg},
      {"PDF by its filter, the name without a suffix", "chart", 5, "chart.pdf", ChartFileFormat::Pdf},
      {"the table by its filter, the name without a suffix", "days", 6, "days.csv", ChartFileFormat::Csv},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    m_dialogs->exportChoice = ExportChoice{folder + QLatin1Char('/') + row.chosen, row.filter};
    trigger("mnuSaveFile");

    const QString written = folder + QLatin1Char('/') + row.written;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{row.written}) << "the file and nothing beside it";
    EXPECT_TRUE(host.messages.texts().isEmpty()) << qPrintable(host.messages.texts().join('|'));
    EXPECT_EQ(settings.RecExportFileName, written.toStdString());
    EXPECT_EQ(settings.RecExportIndex, row.filter);
    switch (row.format) {
      case ChartFileFormat::Bitmap:
      case ChartFileFormat::Png: {
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(4).startsWith(row.format == ChartFileFormat::Png ? "\x89PNG" : "BM"));
        EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB32), screenPixels(pntBio));
        break;
      }
      case ChartFileFormat::Svg: {
        QSvgRenderer renderer(written);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), pntBio->size()));
        const std::optional<QStringList> texts = svgTexts(written);
        ASSERT_TRUE(texts.has_value());
        EXPECT_FALSE(texts->isEmpty());
        EXPECT_EQ(*texts, drawnTexts(settings, context.startLocale, pntBio->size())) << "every text as text";
        break;
      }
      case ChartFileFormat::Pdf:
        EXPECT_EQ(pageCount(written), 1);
        EXPECT_DOUBLE_EQ(pageScale(written), 0.24) << "at the print resolution";
        break;
      case ChartFileFormat::Csv: {
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), shownDaysTable(settings, settings.MarkCritical));
        break;
      }
    }
  }
}

TEST_F(ChartCommandsTest, AFileThatCannotBeWrittenLeavesNothingAndIsReported) {
  openChart();
  struct Row {
    const char* name;
    QString chosen;
    int filter;
    QString kind;
  };
  const Row rows[] = {
      {"png", "gone/chart.png", 1, "PNG image"},
      {"svg", "gone/chart.svg", 1, "SVG drawing"},
      {"pdf", "gone/chart", 5, "PDF document"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host.journal.clear();
    host.messages.clear();
    m_dialogs->exportChoice = ExportChoice{host.root.path() + QLatin1Char('/') + row.chosen, row.filter};
    trigger("mnuSaveFile");
    EXPECT_FALSE(QFileInfo::exists(host.root.path() + QStringLiteral("/gone")));
    ASSERT_EQ(host.messages.texts().size(), 1);
    EXPECT_TRUE(host.messages.texts().front().startsWith(QStringLiteral("The ") + row.kind + QStringLiteral(" \"") +
                                                         host.root.path() + QStringLiteral("/gone/chart.")))
        << qPrintable(host.messages.texts().front());
    EXPECT_EQ(settings.RecExportFileName, "/charts/old.BMP");
    EXPECT_EQ(settings.RecExportIndex, 2);
  }
}

TEST_F(ChartCommandsTest, PrintPreviewFollowsPrintAndShowsWhatPrintPrints) {
  openChart();
  const QList<QAction*> items = child<QMenu>("mnuFile")->actions();
  QAction* mnuPrint = child<QAction>("mnuPrint");
  QAction* mnuPrintPreview = child<QAction>("mnuPrintPreview");
  ASSERT_TRUE(items.contains(mnuPrint));
  EXPECT_EQ(items.indexOf(mnuPrintPreview), items.indexOf(mnuPrint) + 1);
  EXPECT_EQ(mnuPrintPreview->text(), "Print Pre&view");

  const QString folder = host.root.path() + QStringLiteral("/print");
  QDir().mkpath(folder);
  m_dialogs->previewFile = folder + QStringLiteral("/preview.pdf");
  m_dialogs->pdfFile = folder + QStringLiteral("/print.pdf");
  ASSERT_TRUE(mnuPrintPreview->isEnabled());
  trigger("mnuPrintPreview");
  trigger("mnuPrint");
  EXPECT_EQ(m_dialogs->previews, 1);
  EXPECT_EQ(pageCount(m_dialogs->previewFile), 1);
  EXPECT_DOUBLE_EQ(pageScale(m_dialogs->previewFile), pageScale(m_dialogs->pdfFile)) << "the same page as Print";

  // A date that is no date disables Print, and with it the preview and the PDF that is its page.
  QComboBox* cboStart = child<QComboBox>("cboStart");
  cboStart->setFocus();
  cboStart->setEditText("");
  QTest::keyClicks(cboStart->lineEdit(), QStringLiteral("1-2-2003"));
  ASSERT_FALSE(mnuPrint->isEnabled());
  EXPECT_FALSE(mnuPrintPreview->isEnabled());
  m_dialogs->exportChoice = ExportChoice{folder + QStringLiteral("/invalid.pdf"), 5};
  trigger("mnuSaveFile");
  EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/invalid.pdf")));
  EXPECT_EQ(host.messages.texts().size(), 1);

  cboStart->setEditText("");
  QTest::keyClicks(cboStart->lineEdit(), QStringLiteral("1/2/2003"));
  EXPECT_TRUE(mnuPrintPreview->isEnabled());
}

// Printing from the preview is Print: the same dialog, on the preview's printer, and a document
// for each copy.
TEST_F(ChartCommandsTest, PrintingFromThePreviewPrintsEveryCopyAsPrintDoes) {
  openChart();
  const QString folder = host.root.path() + QStringLiteral("/print");
  QDir().mkpath(folder);
  m_dialogs->previewFile = folder + QStringLiteral("/preview.pdf");
  m_dialogs->pdfFile = folder + QStringLiteral("/chart.pdf");
  m_dialogs->copies = 3;
  m_dialogs->printFromPreview = true;
  trigger("mnuPrintPreview");

  EXPECT_EQ(m_dialogs->printedFromPreview, true);
  ASSERT_EQ(m_dialogs->printersAsked.size(), 1u);
  EXPECT_EQ(m_dialogs->printersAsked.front(), m_dialogs->previewPrinter);
  QFile::remove(m_dialogs->previewFile);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"chart (2).pdf", "chart (3).pdf", "chart.pdf"}));
  for (const QString& name : QDir(folder).entryList(QDir::Files))
    EXPECT_EQ(pageCount(folder + QLatin1Char('/') + name), 1) << qPrintable(name);

  m_dialogs->printAccepted = false;
  trigger("mnuPrintPreview");
  EXPECT_EQ(m_dialogs->printedFromPreview, false) << "a cancelled print dialog keeps the preview open";
}

// Paging forward stops at the last first day the chart can draw, 4 November 9999, rather than
// running past the calendar into a start field with no date in it.
TEST_F(ChartCommandsTest, PagingForwardStopsAtTheLastStartTheChartCanDraw) {
  openChart();
  QComboBox* cboStart = child<QComboBox>("cboStart");
  settings.Start = day(9999, 10, 20);
  for (const char* item : {"mnuNextPage", "mnuNextPage", "mnuOneDayForward", "mnuNextPage"}) {
    trigger(item);
    EXPECT_LE(settings.Start, day(9999, 11, 4)) << item;
  }
  EXPECT_EQ(settings.Start, day(9999, 11, 4));
  EXPECT_EQ(cboStart->currentText(), "11/4/9999");
  EXPECT_TRUE(child<QAction>("mnuPrint")->isEnabled()) << "the chart is drawn";
}

// The bitmap files are the chart drawn afresh at the paint box's size, not the screen's pixels:
// on a scaled screen those are more, and scaling them down would blur the file. So at any scale
// the file is exactly what lunasoma-chart draws for the same settings, dates and size. (This test
// also runs with the screen scaled twice.)
TEST_F(ChartCommandsTest, BitmapFilesAreTheRenderersDrawingAtAnyScale) {
  openChart();
  settings.ShowLines = true;  // dotted lines are the first to smear
  QWidget* pntBio = child<QWidget>("pntBio");
  const QString folder = host.root.path() + QStringLiteral("/saved");
  QDir().mkpath(folder);
  const QString rendered = folder + QStringLiteral("/rendered.png");
  ASSERT_TRUE(
      ChartFileWriter(settings, context.startLocale, pntBio->width(), pntBio->height()).write(rendered).written);
  const QImage expected = QImage(rendered).convertToFormat(QImage::Format_RGB32);

  for (const QString& name : {QStringLiteral("chart.png"), QStringLiteral("chart.bmp")}) {
    m_dialogs->exportChoice = ExportChoice{folder + QLatin1Char('/') + name, 1};
    trigger("mnuSaveFile");
    EXPECT_EQ(QImage(folder + QLatin1Char('/') + name).convertToFormat(QImage::Format_RGB32), expected)
        << qPrintable(name);
  }
  trigger("mnuSetAsWallpaperCentered");
  ASSERT_EQ(host.wallpaper.calls().size(), 1u);
  EXPECT_EQ(QImage(host.wallpaper.calls().back().bitmapFile).convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(ChartCommandsTest, WallpaperWritesBioBmpAndTileWallpaperBeforeAskingTheDesktop) {
  struct Row {
    const char* name;
    const char* item;
    bool tiled;
    bool accepted;
    bool longFolder;
  };
  const Row rows[] = {
      {"tiled", "mnuSetAsWallpaperTiled", true, true, false},
      {"centred", "mnuSetAsWallpaperCentered", false, true, false},
      {"refused", "mnuSetAsWallpaperTiled", true, false, false},
      {"program folder longer than 200 characters", "mnuSetAsWallpaperCentered", false, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.longFolder) {
      context.programFolder = host.root.path() + QLatin1Char('/') + QString(100, 'a') + QLatin1Char('/') +
                              QString(100, 'b') + QLatin1Char('/');
      QDir().mkpath(context.programFolder);
    }
    openChart();
    host.journal.clear();
    host.wallpaper.setResult(row.accepted);
    std::optional<std::string> valueAtCall;
    bool bitmapAtCall = false;
    host.wallpaper.setOnCall([&](const test::FakeWallpaper::Call& call) {
      valueAtCall = host.userHive.readString("Control Panel\\Desktop", "TileWallpaper");
      bitmapAtCall = QImage(call.bitmapFile).size() == child<QWidget>("pntBio")->size();
    });
    const std::size_t callsBefore = host.wallpaper.calls().size();
    trigger(row.item);

    ASSERT_EQ(host.wallpaper.calls().size(), callsBefore + 1);
    const test::FakeWallpaper::Call& call = host.wallpaper.calls().back();
    EXPECT_EQ(call.bitmapFile, context.programFolder + QStringLiteral("Bio.bmp"));
    EXPECT_EQ(call.tiled, row.tiled);
    EXPECT_EQ(valueAtCall, std::string(row.tiled ? "1" : "0"));
    EXPECT_TRUE(bitmapAtCall) << "Bio.bmp holds the chart when the desktop is asked";
    EXPECT_EQ(bitsPerPixel(call.bitmapFile), 24);
    const QStringList expected =
        row.accepted ? QStringList{} : QStringList{"beep Exclamation", "error Could not set desktop wallpaper!"};
    EXPECT_EQ(host.journal, expected);
    m_window.reset();
  }
}

TEST_F(ChartCommandsTest, WallpaperWithoutAWritableProgramFolderSaysSoAndAsksNothing) {
  context.programFolder = host.root.path() + QStringLiteral("/gone/");
  openChart();
  trigger("mnuSetAsWallpaperTiled");
  EXPECT_TRUE(host.wallpaper.calls().empty());
  EXPECT_FALSE(host.userHive.readString("Control Panel\\Desktop", "TileWallpaper").has_value());
  ASSERT_EQ(host.messages.texts().size(), 1);
  EXPECT_TRUE(host.messages.texts().front().contains(QStringLiteral("/gone/Bio.bmp")));
}

TEST_F(ChartCommandsTest, ExitClosesTheWindowAndSavesTheSettings) {
  TfrmBio& window = openChart();
  trigger("mnuNextPage");
  trigger("mnuExit");
  EXPECT_FALSE(window.isVisible());
  BiorhythmSettings reloaded;
  loadSettings(reloaded, host.userHive, today());
  EXPECT_EQ(reloaded.Start, day(2024, 3, 22));
}

}  // namespace
}  // namespace lunasoma
