#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

#include "chart/qt/CellFontCache.h"
#include "ui/AccessibleItems.h"
#include "ui/AccessibleText.h"
#include "ui/DateField.h"
#include "ui/Divider.h"
#include "ui/MainWindowGeometry.h"
#include "ui/PaintBox.h"
#include "ui/SetupPage.h"
#include "ui/TfrmBio.h"

namespace lunasoma {

namespace {

// Neither side of the divider has a minimum width in this window.
constexpr int LeftMinimum = 0;
constexpr int RightMinimum = 0;
constexpr int DividerWidth = 6;
// Small enough for every layout case the window supports (a left column wider than the window
// included), large enough that the window can still be found and grabbed.
constexpr QSize WindowMinimum{120, 90};

CaptionLabel* addCaption(QWidget* parent, const char* name, const QString& caption, QWidget* field) {
  auto* label = new CaptionLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(field);  // the accelerator and a click both give the field the focus
  return label;
}

DateField* addDateField(QWidget* parent, const char* name, const QString& hint) {
  auto* field = new DateField(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setToolTip(hint);
  return field;
}

// The chart's page: it draws the focus frame in the margin around the chart while the chart has
// the keyboard focus, so that the chart's own picture stays as it is.
class ChartPage : public QFrame {
 public:
  using QFrame::QFrame;
  void setChart(QWidget* chart) { m_chart = chart; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (m_chart == nullptr || !m_chart->hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = m_chart->geometry().adjusted(-1, -1, 1, 1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }

 private:
  QWidget* m_chart = nullptr;
};

void raiseBevel(QFrame* frame, bool raised) {
  frame->setFrameStyle(raised ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
}

}  // namespace

void TfrmBio::createComponents() {
  // The same stand-in for "MS Sans Serif" as the chart's, so that one face serves the whole window.
  // A desktop font larger than the layout was designed for grows the window's font and layout.
  const QFont desktop = QApplication::font();
  const double desktopPoints =
      desktop.pointSizeF() > 0 ? desktop.pointSizeF() : desktop.pixelSize() * 72.0 / logicalDpiY();
  const double scale = layoutScale(desktopPoints);
  m_layoutScale = scale;
  QFont windowFont(CellFontCache::familyFor("MS Sans Serif"));
  windowFont.setPixelSize(static_cast<int>(std::lround(11 * scale)));
  setFont(windowFont);
  setMinimumSize(WindowMinimum);

  m_client = new QWidget(this);
  m_client->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(m_client);

  m_tabLeft = new QFrame(m_client);
  m_tabLeft->setObjectName(QStringLiteral("tabLeft"));
  m_tabLeft->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  m_cboBirth =
      addDateField(m_tabLeft, "cboBirth", QCoreApplication::translate("TfrmBio", "Birth date for calculations"));
  m_cboStart = addDateField(m_tabLeft, "cboStart", QCoreApplication::translate("TfrmBio", "Date to start with"));
  // Both fields take every date as the program writes it, whichever date each holds now.
  const int typingLimit = dateTypingLimit(m_context.displayPattern, m_context.startLocale);
  m_cboBirth->setTypingLimit(typingLimit);
  m_cboStart->setTypingLimit(typingLimit);
  m_lblBirth = addCaption(m_tabLeft, "lblBirth", QCoreApplication::translate("TfrmBio", "B&irth Date"), m_cboBirth);
  m_lblStart = addCaption(m_tabLeft, "lblStart", QCoreApplication::translate("TfrmBio", "St&art Date"), m_cboStart);
  connect(m_lblBirth, &CaptionLabel::clicked, this, [this] { labelClick(m_lblBirth); });
  connect(m_lblStart, &CaptionLabel::clicked, this, [this] { labelClick(m_lblStart); });
  connect(m_cboBirth, &DateField::userEdited, this, &TfrmBio::cboBirthChange);
  connect(m_cboStart, &DateField::userEdited, this, &TfrmBio::cboStartChange);
  connect(m_cboBirth, &DateField::dropDownRequested, this, &TfrmBio::cboBirthDropDown);
  connect(m_cboStart, &DateField::dropDownRequested, this, &TfrmBio::cboStartDropDown);

  m_panDiv = new Divider(m_client);
  m_panDiv->setObjectName(QStringLiteral("panDiv"));
  raiseBevel(m_panDiv, true);
  m_panDiv->setLineWidth(1);
  m_panDiv->setCursor(Qt::SplitHCursor);
  QPalette titleBar = m_panDiv->palette();
  titleBar.setColor(QPalette::Window, titleBar.color(QPalette::Active, QPalette::Highlight));
  m_panDiv->setPalette(titleBar);
  m_panDiv->setAutoFillBackground(true);
  m_panDiv->resize(DividerWidth, m_panDiv->height());
  connect(m_panDiv, &Divider::pressed, this, &TfrmBio::panDivMouseDown);
  connect(m_panDiv, &Divider::dragged, this, &TfrmBio::panDivMouseMove);
  connect(m_panDiv, &Divider::released, this, &TfrmBio::panDivMouseUp);

  m_tabRight = new QTabWidget(m_client);
  m_tabRight->setObjectName(QStringLiteral("tabRight"));

  auto* chartPage = new ChartPage;
  m_panMain = chartPage;
  m_panMain->setObjectName(QStringLiteral("panMain"));
  m_panMain->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_panMain->setLineWidth(2);
  m_pntBio = new PaintBox(m_panMain);
  m_pntBio->setObjectName(QStringLiteral("pntBio"));
  m_pntBio->setCursor(Qt::UpArrowCursor);
  // Reached with Tab only: a click leaves the focus, and so the picture, where it was.
  m_pntBio->setFocusPolicy(Qt::TabFocus);
  chartPage->setChart(m_pntBio);
  AccessibleItems::Source days;
  days.count = [this] { return m_chartColumns.lastColumn + 1; };
  days.name = [this](int column) { return dayColumnReadout(column); };
  days.rect = [this](int column) { return dayColumnRect(column); };
  days.current = [this] { return dayCursor(); };
  m_chartDays = new AccessibleItems(m_pntBio, QAccessible::Chart, QAccessible::ListItem, std::move(days));
  m_pntBio->setPaintHandler([this](QPainter& painter) { pntBioPaint(painter); });
  auto* chartLayout = new QVBoxLayout(m_panMain);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->addWidget(m_pntBio);

  m_panSetup = new SetupPage(m_context.settings);
  m_panSetup->scaleLayout(scale);
  connect(m_panSetup, &SetupPage::changeRequested, this, &TfrmBio::setupChanged);

  m_tabRight->addTab(m_panMain, QCoreApplication::translate("TfrmBio", "&Biorhythm"));
  m_tabRight->addTab(m_panSetup, QCoreApplication::translate("TfrmBio", "&Setup"));
  connect(m_tabRight, &QTabWidget::currentChanged, this, [this] { tabRightChange(); });

  setAccessibleText(m_cboBirth, spokenCaption(m_lblBirth->text()), m_cboBirth->toolTip());
  setAccessibleText(m_cboStart, spokenCaption(m_lblStart->text()), m_cboStart->toolTip());
  setAccessibleText(
      m_panDiv, QCoreApplication::translate("TfrmBio", "Divider"),
      QCoreApplication::translate("TfrmBio", "Drag to share the window between the date fields and the chart"));
  setAccessibleText(m_tabRight, QCoreApplication::translate("TfrmBio", "Biorhythm and Setup"),
                    QCoreApplication::translate("TfrmBio", "The chart, and the setup of how it is drawn"));
  // The description follows the dates and today; it is written with every drawing of the chart.
  setAccessibleText(m_pntBio, QCoreApplication::translate("TfrmBio", "Biorhythm chart"), QString());

  setTabOrder(m_cboBirth, m_cboStart);
  setTabOrder(m_cboStart, m_pntBio);
  setTabOrder(m_pntBio, m_tabRight);
}

void TfrmBio::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  adoptFrame();
  FormResize();
}

void TfrmBio::FormResize() {
  if (m_initializing || !m_chartReady) return;
  recordNormalBounds();

  MainLayoutInput input;
  input.clientWidth = m_client->width();
  input.clientHeight = m_client->height();
  input.dividerLeft = m_panDiv->x();
  input.dividerWidth = m_panDiv->width();
  input.leftMinimum = LeftMinimum;
  input.rightMinimum = RightMinimum;
  input.textHeight = QFontMetrics(font()).height();
  input.fieldHeight = m_cboBirth->height();
  const MainLayout layout = mainLayout(input);

  m_tabLeft->setGeometry(layout.tabLeft);
  m_panDiv->setGeometry(layout.panDiv);
  m_tabRight->setGeometry(layout.tabRight);
  // Resetting the chart page's border lays it out again and repaints the chart, which is how
  // every setup change reaches the chart.
  m_panMain->layout()->setContentsMargins(1, 1, 1, 1);
  m_pntBio->update();

  m_lblBirth->setGeometry(layout.lblBirth);
  m_cboBirth->setGeometry(layout.cboBirth);
  m_lblStart->setGeometry(layout.lblStart);
  m_cboStart->setGeometry(layout.cboStart);
}

void TfrmBio::placeOpeningDivider() {
  // The window's width is its client width: the central area spans it from edge to edge.
  m_panDiv->move(openingDividerLeft(frameGeometry().width(), m_context.settings.DivLeft, width(), m_panDiv->width(),
                                    LeftMinimum, RightMinimum),
                 m_panDiv->y());
}

void TfrmBio::panDivMouseDown() {
  raiseBevel(m_panDiv, false);
  m_panDiv->setGeometry(m_panDiv->x(), m_panDiv->y() + 2, m_panDiv->width(), m_panDiv->height() - 4);
}

void TfrmBio::panDivMouseMove(QMouseEvent* event) {
  if (event->buttons() != Qt::LeftButton) return;
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
  const int x = event->position().toPoint().x();
  const int left =
      draggedDividerLeft(m_panDiv->x(), x, LeftMinimum, m_tabLeft->width(), m_tabRight->width(), RightMinimum);
  m_panDiv->move(left, m_panDiv->y());
  // The side areas keep their size until the button comes up; repaint the one the divider has
  // left a trail on.
  QWidget* below = m_panDiv->x() > m_tabRight->x() ? static_cast<QWidget*>(m_tabRight) : m_tabLeft;
  below->repaint();
}

void TfrmBio::panDivMouseUp() {
  raiseBevel(m_panDiv, true);
  FormResize();
}

void TfrmBio::tabRightChange() {
  // The tab control brings the chosen page to the front itself; the chart page comes back with
  // whatever the setup page changed meanwhile.
  if (m_tabRight->currentIndex() != m_tabRight->count() - 1) m_pntBio->update();
}

bool TfrmBio::FormKeyPress(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  QWidget* focused = focusWidget();
  const bool movesOn = qobject_cast<QLineEdit*>(focused) != nullptr || qobject_cast<QComboBox*>(focused) != nullptr ||
                       qobject_cast<QCheckBox*>(focused) != nullptr || qobject_cast<QRadioButton*>(focused) != nullptr;
  if (!movesOn) return false;
  focusNextChild();
  return true;
}

bool TfrmBio::FormKeyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held != Qt::AltModifier) return false;
  // Alt pressed on its own belongs to the menu bar, which uses it to offer its accelerators.
  switch (event->key()) {
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
      return false;
    default:
      break;
  }
  // Key codes name the key, not the character, so Caps Lock makes no difference here.
  if (event->key() == Qt::Key_B) m_tabRight->setCurrentIndex(0);
  if (event->key() == Qt::Key_S) m_tabRight->setCurrentIndex(1);
  tabRightChange();
  return true;
}

bool TfrmBio::isMenuShortcut(const QKeyEvent* event) const {
  const QKeySequence pressed(event->keyCombination());
  for (const QMenu* menu : {m_mnuFile, m_mnuHelp}) {
    for (const QAction* item : menu->actions()) {
      if (!item->shortcut().isEmpty() && item->shortcut() == pressed) return true;
    }
  }
  return false;
}

void TfrmBio::labelClick(QLabel* label) {
  QWidget* field = label->buddy();
  if (field != nullptr && field->isEnabled() && field->isVisible() && field->focusPolicy() != Qt::NoFocus) {
    field->setFocus(Qt::MouseFocusReason);
  }
}

bool TfrmBio::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A date field would otherwise claim Ctrl+Home and the like for its caret, and the chart
      // commands must win, as they do from every other control.
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget->window() == this && isMenuShortcut(static_cast<QKeyEvent*>(event))) return true;
      break;
    }
    case QEvent::KeyPress: {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget == nullptr || widget->window() != this) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (FormKeyDown(key) || FormKeyPress(key)) return true;
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace lunasoma
