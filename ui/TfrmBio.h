#pragma once
// The main window: the two date fields in the left column, the divider, and the right area with
// the chart page and the setup page; the menu; creation, first show and close with the settings
// record; layout, divider drag and keys. Architecture: the window only wires. Dates are parsed and
// formatted by the model, the chart is drawn by drawChart, the pixel arithmetic of the layout is
// in ui/MainWindowGeometry, and the setup page, the calendar pop-up and the copy dialog are
// separate pieces it is handed. Split by feature: TfrmBio.cpp (life cycle, chart, menu),
// TfrmBioLayout.cpp (layout, divider, tabs, keys), TfrmBioDateFields.cpp (the date fields),
// TfrmBioCommands.cpp (the File menu's chart commands and the chart's pointer zones).

#include <QMainWindow>
#include <QPoint>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

#include "app/ProgramContext.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartPaging.h"
#include "chart/DayColumns.h"
#include "chart/WheelPaging.h"
#include "chart/qt/TranslatedTexts.h"
#include "ui/ChartDialogs.h"

class QAction;
class QComboBox;
class QFrame;
class QHelpEvent;
class QImage;
class QKeyEvent;
class QLabel;
class QMenu;
class QMouseEvent;
class QPainter;
class QPrinter;
class QTabWidget;
class QWheelEvent;

namespace lunasoma {

class AccessibleItems;
class Canvas;
class CaptionLabel;
class CellFontCache;
class DateField;
class Divider;
class HintSwitch;
class PaintBox;
class PeopleMenus;
class PointerShapes;
class SetupPage;

class TfrmBio : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and runs FormCreate; the window is not shown yet.
  TfrmBio(ProgramContext& context, const PointerShapes& pointers, QWidget* parent = nullptr);
  ~TfrmBio() override;

  // What the date fields' drop-down opens: the calendar pop-up, given the field, the screen
  // position of the field's top-left corner and what to do with a date returned into the field.
  // Until one is set the drop-down opens nothing.
  using CalendarOpener =
      std::function<void(QComboBox* field, QPoint screenTopLeft, std::function<void(DayNumber date)> dateReturned)>;
  void setCalendarOpener(CalendarOpener opener);
  // What "Copy Program for a Friend" opens, given this window as parent.
  void setCopyProgramDialog(std::function<void(QWidget* parent)> dialog);
  // The print and save dialogs of the chart commands; Qt's own until replaced.
  void setChartDialogs(std::unique_ptr<ChartDialogs> dialogs);

  bool chartReady() const { return m_chartReady; }
  bool initializing() const { return m_initializing; }

  // Typed dates are read with the system's date settings; this reads them again after a change.
  void reloadInputLocale();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createComponents();
  // The commands of the File menu, each item's own.
  enum class FileCommand {
    PreviousPage,
    OneDayBack,
    Today,
    OneDayForward,
    NextPage,
    SaveFile,
    Print,
    PrintPreview,
    SetAsWallpaperTiled,
    SetAsWallpaperCentered,
    Exit,
  };

  void createMenu();
  // The View and People menus between File and Help.
  void createPeopleMenus();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption);
  QAction* addFileItem(const char* name, const QString& caption, FileCommand command);

  void FormCreate();
  void FormShow();
  bool FormClose();
  void FormResize();
  void adoptFrame();
  // Takes the window's rectangle into Bounds while the window is in the normal state.
  void recordNormalBounds();

  // Draws the chart onto the canvas unless a drawing is already running or the window has not been
  // shown yet, for the screen or the printer as the device's mode says. Print is enabled after a
  // full drawing and disabled when the dates are not valid.
  void showCurves(Canvas& canvas, const ChartDevice& device);
  // Redraws the chart area at once, without waiting for the event loop.
  void repaintChart();
  // The setup page's controls into the settings, then iniSettings; nothing while the chart is not
  // ready.
  void setupChanged();
  // Applies the settings after a setup change: hints on or off, then the layout.
  void iniSettings();

  void pntBioPaint(QPainter& painter);
  void mnuFileClick(FileCommand command);
  void mnuHelpContentsClick();
  void mnuCopyProgramClick();
  void mnuProductsClick();
  void mnuAboutClick();

  // The chart commands of the File menu and the chart's pointer zones (TfrmBioCommands.cpp).
  void connectChartCommands();
  void moveStart(DateMove move);
  void printChart();
  // Print on a printer whose page may already be set up: the print dialog from dialogParent,
  // then one document per copy. False when the dialog was cancelled.
  bool printChartOn(QPrinter& printer, QWidget* dialogParent);
  void previewChart();
  // One print of the chart on the printer, as Print and the print preview make it; false when the
  // printer could not start or finish the document.
  bool printChartPage(QPrinter& printer);
  QString printTitle() const;
  void saveChartAsBitmap();
  void setChartAsWallpaper(bool tiled);
  // The chart as a picture of the paint box's size, as the bitmap files hold it.
  QImage captureChart();
  void pntBioMouseMove(QMouseEvent* event);
  void pntBioMouseUp(QMouseEvent* event);
  // Pages as the menu does, a day or (with Ctrl) a page per notch of the wheel.
  void pntBioWheel(QWheelEvent* event);
  // The read-out of the day column under the resting pointer; nothing outside the columns.
  void pntBioToolTip(QHelpEvent* event);
  // Tells screen readers what the chart shows: the dates and today's values.
  void updateChartDescription();
  // The focused chart's day cursor: Left, Right, Home and End move it, and screen readers hear the
  // read-out of the day it reaches.
  void pntBioKeyDown(QKeyEvent* event);
  // The column of the day cursor, kept within the columns shown; -1 while no chart is drawn.
  int dayCursor() const;
  QRect dayColumnRect(int column) const;
  QString dayColumnReadout(int column) const;
  void drawDayCursor(QPainter& painter) const;

  void placeOpeningDivider();
  void panDivMouseDown();
  void panDivMouseMove(QMouseEvent* event);
  void panDivMouseUp();
  void tabRightChange();
  bool FormKeyPress(QKeyEvent* event);
  bool FormKeyDown(QKeyEvent* event);
  bool isMenuShortcut(const QKeyEvent* event) const;
  void labelClick(QLabel* label);

  void cboBirthChange();
  void cboStartChange();
  void cboBirthDropDown();
  void cboStartDropDown();
  void openCalendar(DateField* field, std::function<void(DayNumber date)> dateReturned);
  QString dateText(DayNumber date) const;
  int currentYear() const;

  ProgramContext& m_context;
  const PointerShapes& m_pointers;
  DateLocale m_inputLocale;
  bool m_initializing = true;
  bool m_chartReady = false;
  bool m_shownOnce = false;
  bool m_positionsKnown = true;  // false where the platform cannot say where the window is
  QSize m_openingSize;           // the outer size the window opened with
  bool m_awaitingFrame = false;
  double m_layoutScale = 1.0;  // how much a large desktop font grows the designed layout
  CalendarOpener m_openCalendar;
  std::function<void(QWidget*)> m_copyProgramDialog;
  std::unique_ptr<ChartDialogs> m_chartDialogs;
  // The move whose pointer shape the chart shows; nothing while it shows the initial up-arrow.
  std::optional<DateMove> m_pointerMove;
  // Where the day columns of the last screen drawing lie; none while the chart shows no columns.
  DayColumns m_chartColumns;
  // The chart's and the read-out's words in the user's language, looked up once.
  ChartTexts m_chartTexts = translatedChartTexts();
  ReadoutTexts m_readoutTexts = translatedReadoutTexts();
  WheelNotches m_wheelNotches;
  int m_dayCursor = 0;
  AccessibleItems* m_chartDays = nullptr;

  HintSwitch* m_hints = nullptr;
  std::unique_ptr<CellFontCache> m_chartFonts;

  QWidget* m_client = nullptr;
  QFrame* m_tabLeft = nullptr;
  CaptionLabel* m_lblBirth = nullptr;
  DateField* m_cboBirth = nullptr;
  CaptionLabel* m_lblStart = nullptr;
  DateField* m_cboStart = nullptr;
  Divider* m_panDiv = nullptr;
  QTabWidget* m_tabRight = nullptr;
  QFrame* m_panMain = nullptr;
  PaintBox* m_pntBio = nullptr;
  SetupPage* m_panSetup = nullptr;

  QMenu* m_mnuFile = nullptr;
  QAction* m_mnuPreviousPage = nullptr;
  QAction* m_mnuOneDayBack = nullptr;
  QAction* m_mnuToday = nullptr;
  QAction* m_mnuOneDayForward = nullptr;
  QAction* m_mnuNextPage = nullptr;
  QAction* m_mnuSaveFile = nullptr;
  QAction* m_mnuPrint = nullptr;
  QAction* m_mnuPrintPreview = nullptr;
  QAction* m_mnuSetAsWallpaperTiled = nullptr;
  QAction* m_mnuSetAsWallpaperCentered = nullptr;
  QAction* m_mnuExit = nullptr;
  QMenu* m_mnuHelp = nullptr;
  QAction* m_mnuHelpContents = nullptr;
  QAction* m_mnuCopyProgram = nullptr;
  QAction* m_mnuProducts = nullptr;
  QAction* m_mnuAbout = nullptr;
  PeopleMenus* m_people = nullptr;  // the View and People menus
};

}  // namespace lunasoma
