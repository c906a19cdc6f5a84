#include "ui/TfrmBio.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include <exception>

#include "app/EscapedErrorReport.h"
#include "app/ProductInfo.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "app/StartMode.h"
#include "chart/qt/CellFontCache.h"
#include "chart/qt/QPainterCanvas.h"
#include "model/DateText.h"
#include "platform/Utf8Text.h"
#include "ui/DateField.h"
#include "ui/Divider.h"
#include "ui/HintSwitch.h"
#include "ui/MainWindowGeometry.h"
#include "ui/PaintBox.h"
#include "ui/PeopleMenus.h"
#include "ui/SetupPage.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmProducts.h"

namespace lunasoma {

namespace {

WindowShowState windowStateCode(Qt::WindowStates state) {
  if (state & Qt::WindowMinimized) return WindowShowState::Minimized;
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowShowState::Maximized;
  return WindowShowState::Normal;
}

// Where windows may go: each screen less its panels and docks.
std::vector<QRect> availableScreenAreas() {
  std::vector<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(screen->availableGeometry());
  return screens;
}

}  // namespace

TfrmBio::TfrmBio(ProgramContext& context, const PointerShapes& pointers, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_pointers(pointers),
      m_inputLocale(context.startLocale),
      m_chartFonts(std::make_unique<CellFontCache>()) {
  setObjectName(QStringLiteral("frmBio"));
  m_hints = new HintSwitch(this);
  createComponents();
  createMenu();
  connectChartCommands();
  // The window sees every key before the control that has the focus, as a form that previews keys
  // does. Qt has no other way to see a key ahead of the focused control (a shortcut sees only the
  // keys it is bound to, and only those the control leaves), so this one filter watches the whole
  // application; it acts only on keys for this window.
  qApp->installEventFilter(this);
  FormCreate();
}

TfrmBio::~TfrmBio() {
  qApp->removeEventFilter(this);
  // The chart loses the focus while the widgets go, after this window's own part has gone: it must
  // reach no handler of it by then.
  if (m_pntBio) disconnect(m_pntBio, nullptr, this, nullptr);
}

void TfrmBio::setCalendarOpener(CalendarOpener opener) { m_openCalendar = std::move(opener); }

void TfrmBio::setCopyProgramDialog(std::function<void(QWidget*)> dialog) { m_copyProgramDialog = std::move(dialog); }

void TfrmBio::createMenu() {
  QMenuBar* mnuMain = menuBar();
  mnuMain->setObjectName(QStringLiteral("mnuMain"));

  m_mnuFile = mnuMain->addMenu(QCoreApplication::translate("TfrmBio", "&File"));
  m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
  m_mnuPreviousPage = addFileItem("mnuPreviousPage", QCoreApplication::translate("TfrmBio", "&Previous Page"),
                                  FileCommand::PreviousPage);
  m_mnuOneDayBack =
      addFileItem("mnuOneDayBack", QCoreApplication::translate("TfrmBio", "One Day &Back"), FileCommand::OneDayBack);
  m_mnuToday = addFileItem("mnuToday", QCoreApplication::translate("TfrmBio", "&Today"), FileCommand::Today);
  m_mnuOneDayForward = addFileItem("mnuOneDayForward", QCoreApplication::translate("TfrmBio", "One Day &Forward"),
                                   FileCommand::OneDayForward);
  m_mnuNextPage =
      addFileItem("mnuNextPage", QCoreApplication::translate("TfrmBio", "&Next Page"), FileCommand::NextPage);
  m_mnuFile->addSeparator();
  m_mnuSaveFile =
      addFileItem("mnuSaveFile", QCoreApplication::translate("TfrmBio", "&Save As Bitmap"), FileCommand::SaveFile);
  m_mnuFile->addSeparator();
  m_mnuPrint = addFileItem("mnuPrint", QCoreApplication::translate("TfrmBio", "P&rint"), FileCommand::Print);
  m_mnuPrintPreview = addFileItem("mnuPrintPreview", QCoreApplication::translate("TfrmBio", "Print Pre&view"),
                                  FileCommand::PrintPreview);
  // The preview shows what Print prints, so it can be chosen exactly when Print can.
  connect(m_mnuPrint, &QAction::enabledChanged, m_mnuPrintPreview, &QAction::setEnabled);
  m_mnuFile->addSeparator();
  m_mnuSetAsWallpaperTiled =
      addFileItem("mnuSetAsWallpaperTiled", QCoreApplication::translate("TfrmBio", "Set As &Wallpaper (Tiled)"),
                  FileCommand::SetAsWallpaperTiled);
  m_mnuSetAsWallpaperCentered =
      addFileItem("mnuSetAsWallpaperCentered", QCoreApplication::translate("TfrmBio", "Set As Wa&llpaper (Centered)"),
                  FileCommand::SetAsWallpaperCentered);
  m_mnuFile->addSeparator();
  m_mnuExit = addFileItem("mnuExit", QCoreApplication::translate("TfrmBio", "E&xit"), FileCommand::Exit);

  m_mnuHelp = mnuMain->addMenu(QCoreApplication::translate("TfrmBio", "&Help"));
  m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  m_mnuHelpContents = addMenuItem(m_mnuHelp, "mnuHelpContents", QCoreApplication::translate("TfrmBio", "&Help"));
  m_mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
  m_mnuHelp->addSeparator();
  m_mnuCopyProgram =
      addMenuItem(m_mnuHelp, "mnuCopyProgram", QCoreApplication::translate("TfrmBio", "&Copy Program for a Friend"));
  m_mnuHelp->addSeparator();
  m_mnuProducts =
      addMenuItem(m_mnuHelp, "mnuProducts", QCoreApplication::translate("TfrmBio", "&Latest Corvanti Products"));
  m_mnuAbout = addMenuItem(m_mnuHelp, "mnuAbout", QCoreApplication::translate("TfrmBio", "&About"));
  connect(m_mnuHelpContents, &QAction::triggered, this, &TfrmBio::mnuHelpContentsClick);
  connect(m_mnuCopyProgram, &QAction::triggered, this, &TfrmBio::mnuCopyProgramClick);
  // A program installed the distribution's way has no set of files beside it to copy; the command
  // says so instead of failing after it has made a folder on the drive.
  m_mnuHelp->setToolTipsVisible(true);
  const auto offerCopyProgram = [this] {
    const bool atHand = productFilesAtHand(m_context);
    m_mnuCopyProgram->setEnabled(atHand);
    m_mnuCopyProgram->setToolTip(
        atHand ? QString()
               : QCoreApplication::translate(
                     "TfrmBio",
                     "Only a copy installed by its own Setup, or a complete download, can be copied for a "
                     "friend: the program's files are not all in its folder"));
  };
  offerCopyProgram();
  connect(m_mnuHelp, &QMenu::aboutToShow, this, offerCopyProgram);
  connect(m_mnuProducts, &QAction::triggered, this, &TfrmBio::mnuProductsClick);
  connect(m_mnuAbout, &QAction::triggered, this, &TfrmBio::mnuAboutClick);
  createPeopleMenus();
}

void TfrmBio::createPeopleMenus() {
  PeopleMenus::Window window;
  window.widget = this;
  window.birth = [this] { return m_context.settings.Birth; };
  window.chooseBirth = [this](DayNumber date) {
    m_cboBirth->setDateText(dateText(date));
    m_context.settings.Birth = date;
  };
  window.chartChanged = [this] { repaintChart(); };
  window.dateText = [this](DayNumber date) { return dateText(date); };
  window.parseDate = [this](const QString& text) {
    return parseDateText(text.toStdString(), 0, m_inputLocale, currentYear());
  };
  window.openCalendar = [this](QComboBox* field, std::function<void(DayNumber)> dateReturned) {
    if (m_openCalendar) m_openCalendar(field, field->mapToGlobal(QPoint(0, 0)), std::move(dateReturned));
  };
  m_people = new PeopleMenus(menuBar(), m_mnuHelp->menuAction(), m_context, std::move(window));
  m_people->setObjectName(QStringLiteral("peopleMenus"));
}

QAction* TfrmBio::addMenuItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

QAction* TfrmBio::addFileItem(const char* name, const QString& caption, FileCommand command) {
  QAction* item = addMenuItem(m_mnuFile, name, caption);
  connect(item, &QAction::triggered, this, [this, command] { mnuFileClick(command); });
  return item;
}

void TfrmBio::FormCreate() {
  m_initializing = true;
  m_chartReady = false;
  setWindowTitle(toQString(Product.productName));

  m_positionsKnown = m_context.services.system.osFacts().windowPositionsKnown;
  // A rectangle the user could never reach (another monitor's, gone since) or a window too small
  // to grab opens where a first run opens instead; any other is kept on the screen it is on.
  Bounds stored = m_context.settings.Bounds;
  // A first run under a large desktop font opens large enough for the grown layout.
  if (stored == Bounds{} && m_layoutScale > 1) stored = rectToBounds(scaledRect(boundsToRect(stored), m_layoutScale));
  const Bounds bounds = openingBounds(stored, availableScreenAreas(), minimumSize());
  m_openingSize = boundsToRect(bounds).size();
  move(bounds.left, bounds.top);
  resize(m_openingSize);

  iniSettings();

  m_mnuPreviousPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  m_mnuOneDayBack->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  m_mnuToday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
  m_mnuOneDayForward->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  m_mnuNextPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  m_mnuExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  // Still false from the start of creation (nothing before the first show draws), so the setup
  // controls' change events raised by loading them store nothing.
  m_panSetup->loadFromSettings();
  updateChartDescription();
}

void TfrmBio::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_shownOnce) {
    m_shownOnce = true;
    FormShow();
  }
}

void TfrmBio::FormShow() {
  m_awaitingFrame = true;
  adoptFrame();

  m_chartReady = true;
  placeOpeningDivider();
  m_cboBirth->setDateText(dateText(m_context.settings.Birth));
  if (!m_context.settings.SaveStartDate) m_context.settings.Start = localToday(m_context.services.system);
  m_cboStart->setDateText(dateText(m_context.settings.Start));
  m_tabRight->setCurrentIndex(0);
  tabRightChange();
  m_initializing = false;
  FormResize();
  updateChartDescription();
}

void TfrmBio::adoptFrame() {
  // The stored rectangle is the outer one, but the window was sized before it had a frame. Once
  // the frame is known (at the first show, or when a window manager adds it later) it comes off
  // the inside, so that the window does not grow by its frame at every start.
  if (!m_awaitingFrame) return;
  const QSize frame = frameGeometry().size() - size();
  if (frame.isEmpty()) return;
  m_awaitingFrame = false;
  if (!isNormalState(windowState())) return;
  resize(m_openingSize - frame);
  // A frame that comes after the first show narrows the client area the divider was kept inside.
  if (!m_initializing) {
    placeOpeningDivider();
    FormResize();
  }
}

void TfrmBio::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  adoptFrame();
  // A move is recorded as a resize is: a window moved and then maximised or minimised before it
  // closes opens at the next start where the user moved it.
  if (!m_initializing && m_chartReady) recordNormalBounds();
}

void TfrmBio::recordNormalBounds() {
  if (isNormalState(windowState()))
    m_context.settings.Bounds = recordedBounds(m_context.settings.Bounds, frameGeometry(), m_positionsKnown);
}

void TfrmBio::closeEvent(QCloseEvent* event) {
  if (FormClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TfrmBio::FormClose() {
  BiorhythmSettings& settings = m_context.settings;
  HostServices& services = m_context.services;
  recordNormalBounds();
  settings.WindowState = windowStateCode(windowState());
  // Bounds holds the normal rectangle in every state, and the divider opens against its width.
  settings.DivLeft = closingDividerPercent(m_panDiv->x(), boundsWidth(settings.Bounds), settings.DivLeft);

  bool helpClosed = false;
  for (;;) {
    std::optional<QString> failure;
    try {
      saveSettings(settings, services.userHive, appPathValue(m_context.programFolder.toStdString()),
                   m_context.storedSettings);
    } catch (const std::exception& error) {
      failure = QString::fromUtf8(error.what());
    } catch (...) {
      failure = EscapedErrorReport::unknownErrorText();
    }
    if (!helpClosed) {
      services.help.quit();
      helpClosed = true;
    }
    if (!failure) return true;
    // A store that cannot be written must not keep the user from leaving: after freeing the disk
    // or mending the folder they may try again, or give up this session's changes. Cancel (and
    // Escape, or closing the box) keeps the program open as a failed save does.
    services.beeper.beep(Beep::Stop);
    const MessageButton answer = services.messages.errorChoice(
        this, *failure, MessageButton::Retry | MessageButton::Discard | MessageButton::Cancel);
    if (answer != MessageButton::Retry) return answer == MessageButton::Discard;
  }
}

void TfrmBio::setupChanged() {
  // A change raised while the window is being created, or while the chart is being drawn, stores
  // nothing.
  if (!m_chartReady) return;
  m_panSetup->storeControls();
  iniSettings();
}

void TfrmBio::iniSettings() {
  m_hints->setHintsShown(m_context.settings.ShowHints);
  FormResize();
}

void TfrmBio::reloadInputLocale() { m_inputLocale = m_context.services.system.dateLocale(); }

void TfrmBio::showCurves(Canvas& canvas, const ChartDevice& device) {
  if (!m_chartReady) return;
  // Cleared while drawing, so that a paint arriving meanwhile (say, while printing) starts no
  // second drawing; set again on every way out, or the chart would never draw again.
  m_chartReady = false;
  struct Ready {
    bool& flag;
    ~Ready() { flag = true; }
  } ready{m_chartReady};
  DayColumns columns;
  const ChartOutcome outcome = drawChart(canvas, m_context.settings, device, m_context.startLocale, columns,
                                         m_chartTexts, m_people->extras(localToday(m_context.services.system)));
  if (device.mode == ChartMode::Screen) m_chartColumns = columns;
  m_mnuPrint->setEnabled(outcome == ChartOutcome::Drawn);
}

void TfrmBio::repaintChart() {
  updateChartDescription();
  m_pntBio->repaint();
}

void TfrmBio::pntBioPaint(QPainter& painter) {
  QPainterCanvas canvas(painter, *m_chartFonts);
  ChartDevice device;
  device.mode = ChartMode::Screen;
  device.width = m_pntBio->width();
  device.height = m_pntBio->height();
  device.screenPpi = logicalDpiX();
  showCurves(canvas, device);
  drawDayCursor(painter);
  // A chart left open over midnight has a new today.
  updateChartDescription();
}

void TfrmBio::mnuFileClick(FileCommand command) {
  switch (command) {
    case FileCommand::PreviousPage:
      moveStart(DateMove::PreviousPage);
      break;
    case FileCommand::OneDayBack:
      moveStart(DateMove::OneDayBack);
      break;
    case FileCommand::Today:
      moveStart(DateMove::Today);
      break;
    case FileCommand::OneDayForward:
      moveStart(DateMove::OneDayForward);
      break;
    case FileCommand::NextPage:
      moveStart(DateMove::NextPage);
      break;
    case FileCommand::SaveFile:
      saveChartAsBitmap();
      break;
    case FileCommand::Print:
      printChart();
      break;
    case FileCommand::PrintPreview:
      previewChart();
      break;
    case FileCommand::SetAsWallpaperTiled:
      setChartAsWallpaper(true);
      break;
    case FileCommand::SetAsWallpaperCentered:
      setChartAsWallpaper(false);
      break;
    case FileCommand::Exit:
      close();
      break;
  }
}

void TfrmBio::mnuHelpContentsClick() { showProgramHelp(m_context, this); }

void TfrmBio::mnuCopyProgramClick() {
  if (m_copyProgramDialog) m_copyProgramDialog(this);
}

void TfrmBio::mnuProductsClick() { TfrmProducts::execute(Product, m_context.services.shell, this); }

void TfrmBio::mnuAboutClick() { TfrmAbout::execute(Product, m_context.services.shell, true, this); }

}  // namespace lunasoma
