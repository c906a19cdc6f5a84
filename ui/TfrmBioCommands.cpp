#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QToolTip>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/OverrideCursorGuard.h"
#include "app/ProgramFolders.h"
#include "chart/PointerZones.h"
#include "chart/qt/BitmapFile.h"
#include "chart/qt/ChartFile.h"
#include "chart/qt/PrinterChartDevice.h"
#include "chart/qt/QPainterCanvas.h"
#include "model/DayReadout.h"
#include "platform/Utf8Text.h"
#include "ui/AccessibleItems.h"
#include "ui/DateField.h"
#include "ui/PaintBox.h"
#include "ui/PointerShapes.h"
#include "ui/QtChartDialogs.h"
#include "ui/TfrmBio.h"

namespace lunasoma {

namespace {

// The pointer shape of the chart zone that runs a move.
PointerShape pointerOf(DateMove move) {
  switch (move) {
    case DateMove::PreviousPage:
      return PointerShape::LeftDouble;
    case DateMove::OneDayBack:
      return PointerShape::LeftSingle;
    case DateMove::Today:
      return PointerShape::Today;
    case DateMove::OneDayForward:
      return PointerShape::RightSingle;
    case DateMove::NextPage:
      return PointerShape::RightDouble;
  }
  return PointerShape::Today;
}

// Every copy is a document of its own. A printer takes them one after the other, but a PDF file
// would be overwritten by each next copy, so copies after the first go to numbered files beside it:
// "chart.pdf", "chart (2).pdf", "chart (3).pdf".
QString copyFileName(const QString& firstCopy, int copy) {
  if (copy <= 1) return firstCopy;
  const QFileInfo info(firstCopy);
  const QString number = QStringLiteral(" (%1)").arg(copy);
  if (info.suffix().isEmpty()) return firstCopy + number;
  const QString stem = firstCopy.left(firstCopy.size() - info.suffix().size() - 1);
  return stem + number + QLatin1Char('.') + info.suffix();
}

// Tells the user when a file could not be written; true when it is there.
bool reportChartFile(HostServices& services, QWidget* parent, ChartFileFormat format, const QString& path,
                     const QString& reason) {
  if (reason.isEmpty()) return true;
  services.beeper.beep(Beep::Stop);
  services.messages.error(parent, QCoreApplication::translate("TfrmBio", "The %1 \"%2\" could not be written.\n\n%3")
                                      .arg(QCoreApplication::translate("ChartFile", chartFileType(format).noun),
                                           QDir::toNativeSeparators(path), reason));
  return false;
}

bool writeChartBitmap(HostServices& services, QWidget* parent, const QImage& picture, const QString& path) {
  return reportChartFile(services, parent, ChartFileFormat::Bitmap, path, writeBitmapFile(picture, path));
}

}  // namespace

void TfrmBio::connectChartCommands() {
  m_chartDialogs = std::make_unique<QtChartDialogs>(m_context.services.messages);
  connect(m_pntBio, &PaintBox::mouseMoved, this, &TfrmBio::pntBioMouseMove);
  connect(m_pntBio, &PaintBox::mouseReleased, this, &TfrmBio::pntBioMouseUp);
  connect(m_pntBio, &PaintBox::wheelTurned, this, &TfrmBio::pntBioWheel);
  connect(m_pntBio, &PaintBox::toolTipRequested, this, &TfrmBio::pntBioToolTip);
  connect(m_pntBio, &PaintBox::keyPressed, this, &TfrmBio::pntBioKeyDown);
  connect(m_pntBio, &PaintBox::focusChanged, this, [this] {
    // The chart's focus frame lies in the page around it, the day cursor on the chart itself.
    m_panMain->update();
    m_pntBio->update();
  });
}

void TfrmBio::setChartDialogs(std::unique_ptr<ChartDialogs> dialogs) {
  if (dialogs) m_chartDialogs = std::move(dialogs);
}

void TfrmBio::moveStart(DateMove move) {
  BiorhythmSettings& settings = m_context.settings;
  settings.Start =
      movedStart(move, settings.Start, settings.Birth, settings.Range, localToday(m_context.services.system));
  // Text written by the program runs no change handler, so the settings were set first.
  m_cboStart->setDateText(dateText(settings.Start));
  repaintChart();
  // A reader on the chart hears the day its cursor now stands on.
  m_chartDays->announceCurrent();
}

QString TfrmBio::printTitle() const { return windowTitle() + QLatin1Char(' ') + m_cboBirth->currentText(); }

bool TfrmBio::printChartPage(QPrinter& printer) {
  // Set after the print dialog, whose choice of printer may bring a resolution of its own.
  printer.setResolution(PrintResolution);
  printer.setDocName(printTitle());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QPainterCanvas canvas(painter);
  showCurves(canvas, printerChartDevice(printer, logicalDpiX()));
  return painter.end();
}

void TfrmBio::printChart() {
  QPrinter printer(QPrinter::HighResolution);
  printChartOn(printer, this);
}

bool TfrmBio::printChartOn(QPrinter& printer, QWidget* dialogParent) {
  // The dialog proposes a PDF file named after the document.
  printer.setDocName(printTitle());
  if (!m_chartDialogs->choosePrinter(printer, dialogParent)) return false;
  repaint();

  const int copies = printer.copyCount();
  // The copies are separate one-page documents, so the printer must not multiply each of them.
  printer.setCopyCount(1);
  const QString firstFile = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  QString failedOn;
  {
    OverrideCursorGuard hourglass;
    for (int copy = 1; copy <= copies && failedOn.isEmpty(); ++copy) {
      if (!firstFile.isEmpty()) printer.setOutputFileName(copyFileName(firstFile, copy));
      if (!printChartPage(printer)) failedOn = firstFile.isEmpty() ? printer.printerName() : printer.outputFileName();
    }
  }
  if (failedOn.isEmpty()) return true;
  m_context.services.beeper.beep(Beep::Stop);
  m_context.services.messages.error(dialogParent,
                                    QCoreApplication::translate("TfrmBio", "The chart could not be printed on \"%1\".")
                                        .arg(QDir::toNativeSeparators(failedOn)));
  return true;
}

void TfrmBio::previewChart() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(PrintResolution);
  m_chartDialogs->previewPrint(
      printer, [this](QPrinter& target) { printChartPage(target); },
      [this](QPrinter& target, QWidget* dialogParent) { return printChartOn(target, dialogParent); }, this);
  repaint();
}

QImage TfrmBio::captureChart() {
  // Drawn once more at the paint box's own size rather than grabbed from the screen: on a scaled
  // screen a grab holds more pixels, and scaling them down blurs the text and the dotted lines.
  return drawChartPicture([this](Canvas& canvas, const ChartDevice& device) { showCurves(canvas, device); },
                          m_pntBio->size(), logicalDpiX());
}

void TfrmBio::saveChartAsBitmap() {
  BiorhythmSettings& settings = m_context.settings;
  const ExportDialogSetup setup = exportDialogSetup(windowTitle(), settings.RecExportFileName, settings.RecExportIndex);
  const std::optional<ExportChoice> choice = m_chartDialogs->chooseExportFile(setup, this);
  if (!choice) return;
  repaint();
  const QString path = exportFilePath(*choice);
  const ChartFileFormat format = exportFileFormat(*choice);
  // The page is the one Print starts from; paper takes no chart while a date is not valid.
  if (chartFileType(format).onPaper && !chartDatesValid(settings)) {
    reportChartFile(
        m_context.services, this, format, path,
        QCoreApplication::translate("TfrmBio", "The chart cannot be put on paper while a date is not valid."));
    return;
  }
  ChartFileSource source;
  source.draw = [this](Canvas& canvas, const ChartDevice& device) { showCurves(canvas, device); };
  source.size = m_pntBio->size();
  source.screenPpi = logicalDpiX();
  source.title = printTitle();
  source.table = [&settings] { return shownDaysTable(settings, settings.MarkCritical); };
  const QString reason = writeChartFile(format, source, path);
  // The remembered file is the last one actually saved, so a failed attempt leaves it as it was.
  if (!reportChartFile(m_context.services, this, format, path, reason)) return;
  settings.RecExportFileName = path.toStdString();
  settings.RecExportIndex = static_cast<std::uint8_t>(choice->filterIndex);
}

void TfrmBio::setChartAsWallpaper(bool tiled) {
  HostServices& services = m_context.services;
  const QString bitmap = userFilesFolder(m_context) + QLatin1String(WallpaperBitmapName);
  // Without the file there is nothing for the desktop to show; the write error says why.
  if (!writeChartBitmap(services, this, captureChart(), bitmap)) return;
  services.userHive.writeString("Control Panel\\Desktop", "TileWallpaper", tiled ? "1" : "0");
  if (services.wallpaper.setWallpaper(bitmap, tiled)) return;
  services.beeper.beep(Beep::Exclamation);
  services.messages.error(this, QCoreApplication::translate("TfrmBio", "Could not set desktop wallpaper!"));
}

void TfrmBio::pntBioMouseMove(QMouseEvent* event) {
  const std::optional<DateMove> move = pointerZoneMove(qFloor(event->position().x()), m_pntBio->width());
  if (!move) return;
  m_pointerMove = move;
  m_pntBio->setCursor(m_pointers.cursor(pointerOf(*move)));
}

void TfrmBio::pntBioMouseUp(QMouseEvent* event) {
  // A chart too narrow for zones runs nothing, whatever pointer it still shows from before.
  if (event->button() != Qt::LeftButton || !m_pointerMove || m_pntBio->width() < PointerZoneCount) return;
  moveStart(*m_pointerMove);
}

void TfrmBio::pntBioWheel(QWheelEvent* event) {
  event->accept();
  const int notches = m_wheelNotches.add(event->angleDelta().y());
  const DateMove move = wheelMove(notches > 0, event->modifiers().testFlag(Qt::ControlModifier));
  for (int i = std::abs(notches); i > 0; --i) moveStart(move);
}

void TfrmBio::pntBioToolTip(QHelpEvent* event) {
  const std::optional<int> column = dayColumnAt(m_chartColumns, event->pos().x(), event->pos().y());
  const QString text = column ? dayColumnReadout(*column) : QString();
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return;
  }
  // The tip goes when the pointer leaves the column, so that the next rest reads the next day.
  QToolTip::showText(event->globalPos(), text, m_pntBio, dayColumnRect(*column));
  // Some desktops (Wayland's) give the pointer the cursor of a window that has just been shown, so
  // the tip would turn the zone's paging shape into the plain arrow until the mouse moves again.
  // The tip carries the chart's own pointer instead.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->inherits("QTipLabel")) window->setCursor(m_pntBio->cursor());
  }
}

int TfrmBio::dayCursor() const {
  return m_chartColumns.lastColumn < 0 ? -1 : std::clamp(m_dayCursor, 0, m_chartColumns.lastColumn);
}

QRect TfrmBio::dayColumnRect(int column) const {
  const ColumnStrip strip = dayColumnStrip(m_chartColumns, column);
  return {strip.left, m_chartColumns.top, strip.right - strip.left, m_chartColumns.bottom - m_chartColumns.top};
}

QString TfrmBio::dayColumnReadout(int column) const {
  // The tool tip's words too, so a keyboard user hears what a mouse user reads.
  return toQString(dayReadoutText(m_chartColumns.start + column, m_chartColumns.startDays + column,
                                  m_context.startLocale, m_context.settings.MarkCritical, m_readoutTexts));
}

void TfrmBio::pntBioKeyDown(QKeyEvent* event) {
  // Keys held with Ctrl, Alt or Shift stay the menu's and the window's.
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
  const int last = m_chartColumns.lastColumn;
  int column = dayCursor();
  switch (event->key()) {
    case Qt::Key_Left:
      --column;
      break;
    case Qt::Key_Right:
      ++column;
      break;
    case Qt::Key_Home:
      column = 0;
      break;
    case Qt::Key_End:
      column = last;
      break;
    default:
      return;
  }
  event->accept();
  if (last < 0) return;
  m_dayCursor = std::clamp(column, 0, last);
  m_pntBio->update();
  m_chartDays->announceCurrent();
}

void TfrmBio::drawDayCursor(QPainter& painter) const {
  const int column = dayCursor();
  // Only on the screen: a picture of the chart taken for a file or the desktop shows no cursor.
  if (column < 0 || !m_pntBio->hasFocus() || !m_pntBio->paintsOnScreen()) return;
  painter.setPen(QPen(QPainterCanvas::toQColor(paletteColor(m_context.settings.ColorText)), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(dayColumnRect(column).adjusted(0, 0, -1, -1));
}

void TfrmBio::updateChartDescription() {
  const BiorhythmSettings& settings = m_context.settings;
  const QString description = toQString(chartDescriptionText(
      settings.Birth, settings.Start, localToday(m_context.services.system), m_context.startLocale, m_readoutTexts));
  if (m_pntBio->accessibleDescription() != description) m_pntBio->setAccessibleDescription(description);
}

}  // namespace lunasoma
