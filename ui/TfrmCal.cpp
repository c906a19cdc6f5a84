#include "ui/TfrmCal.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <limits>
#include <utility>

#include "app/ProgramContext.h"
#include "chart/qt/CellFontCache.h"
#include "model/CalendarSteps.h"
#include "model/DateText.h"
#include "model/MonthGrid.h"
#include "platform/WaylandPlatform.h"
#include "ui/AccessibleItems.h"
#include "ui/DateField.h"
#include "ui/PopupPlacement.h"
#include "ui/TCalendar.h"

namespace lunasoma {

namespace {

constexpr QSize createdSize(195, 148);
constexpr QSize openedSize(194, 148);

QRect availableScreenArea(QPoint point) {
  QScreen* screen = QGuiApplication::screenAt(point);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

Qt::WindowFlags windowFlagsFor(TfrmCal::WindowKind kind) {
  return (kind == TfrmCal::WindowKind::AttachedPopup ? Qt::Popup : Qt::Tool) | Qt::FramelessWindowHint;
}

}  // namespace

TfrmCal::WindowKind TfrmCal::windowKindFor(const QString& platformName) {
  return isWaylandPlatform(platformName) ? WindowKind::AttachedPopup : WindowKind::ToolWindow;
}

TfrmCal::TfrmCal(ProgramContext& context, QWidget* parent)
    : QWidget(parent, windowFlagsFor(windowKindFor(QGuiApplication::platformName()))),
      m_context(context),
      m_screenArea(availableScreenArea),
      m_windowKind(windowKindFor(QGuiApplication::platformName())) {
  setObjectName(QStringLiteral("frmCal"));
  setAttribute(Qt::WA_TranslucentBackground, m_windowKind == WindowKind::AttachedPopup);
  resize(createdSize);
  createControls();
  m_workingDate = gridDate();

  // Every key reaches the pop-up before the control that has the focus.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfrmCal::focusWindowChanged);
}

void TfrmCal::setWindowKind(WindowKind kind) {
  m_windowKind = kind;
  setAttribute(Qt::WA_TranslucentBackground, kind == WindowKind::AttachedPopup);
  setWindowFlags(windowFlagsFor(kind));
}

void TfrmCal::createControls() {
  CellFontCache fonts;
  setFont(fonts.resolve({"MS Sans Serif", 11, false, 0}, nullptr).font);
  m_panMain = new QFrame(this);
  m_panMain->setObjectName(QStringLiteral("panMain"));
  m_panMain->setFrameStyle(QFrame::Box | QFrame::Plain);
  m_panMain->setLineWidth(1);
  m_panMain->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_panMain);

  m_lblDate = new QLabel(m_panMain);
  m_lblDate->setObjectName(QStringLiteral("lblDate"));
  m_lblDate->setGeometry(3, 3, 185, 138);
  m_lblDate->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_lblDate->setBackgroundRole(QPalette::Button);
  m_lblDate->setAutoFillBackground(true);
  m_lblDate->setFont(fonts.resolve({"MS Sans Serif", 12, true, 0}, nullptr).font);

  m_cal = new TCalendar([this] { return today(); }, m_panMain);
  m_cal->setObjectName(QStringLiteral("cal"));
  m_cal->setGeometry(4, 23, 182, 101);
  m_cal->setGridLineWidth(0);
  m_cal->setStartOfWeek(1);
  m_cal->setUseCurrentDate(false);
  m_cal->setFocusPolicy(Qt::ClickFocus);
  std::array<QString, 7> names;
  std::array<QString, 7> narrowNames;
  for (std::size_t i = 0; i < 7; ++i) {
    names[i] = QString::fromStdString(m_context.startLocale.shortDayNames[i]);
    narrowNames[i] = QString::fromStdString(m_context.startLocale.narrowDayNames[i]);
  }
  m_cal->setWeekdayNames(names, narrowNames);
  // Screen readers find the grid as a table of the month's days whose current cell is the
  // selected day, named by its full date and announced at every move.
  AccessibleItems::Source days;
  const auto month = [this] { return MonthGrid(m_cal->Year(), m_cal->Month(), m_cal->StartOfWeek()); };
  days.count = [month] { return month().daysInMonth(); };
  days.name = [this](int index) {
    const auto date = encodeDate(m_cal->Year(), m_cal->Month(), index + 1);
    const DateLocale& locale = m_context.startLocale;
    return date ? QString::fromStdString(formatDate(*date, locale.longDatePattern, locale)) : QString();
  };
  days.rect = [this, month](int index) { return m_cal->cellRect(month().cellOf(index + 1)); };
  days.current = [this] { return m_cal->Day() - 1; };
  auto* spokenDays = new AccessibleItems(m_cal, QAccessible::Table, QAccessible::Cell, std::move(days));
  spokenDays->announceOnFocusIn();
  connect(m_cal, &TCalendar::OnChange, spokenDays, &AccessibleItems::announceCurrent);
  connect(m_cal, &TCalendar::OnChange, this, &TfrmCal::calChange);
  connect(m_cal, &TCalendar::OnClick, this, &TfrmCal::calClick);

  m_btnYearBack =
      createButton("btnYearBack", QStringLiteral("<<"), 4, 24, QCoreApplication::translate("TfrmCal", "Year back"));
  m_btnMonthBack =
      createButton("btnMonthBack", QStringLiteral("<"), 28, 25, QCoreApplication::translate("TfrmCal", "Month back"));
  m_btnToday = createButton("btnToday", QCoreApplication::translate("TfrmCal", "&Today"), 53, 85,
                            QCoreApplication::translate("TfrmCal", "Jump to Today"));
  m_btnMonthFore = createButton("btnMonthFore", QStringLiteral(">"), 138, 25,
                                QCoreApplication::translate("TfrmCal", "Month foreward"));
  m_btnYearFore = createButton("btnYearFore", QStringLiteral(">>"), 163, 24,
                               QCoreApplication::translate("TfrmCal", "Year foreward"));
  connect(m_btnYearBack, &QPushButton::clicked, this, [this] { stepWorkingDate(CalendarStep::YearBack); });
  connect(m_btnMonthBack, &QPushButton::clicked, this, [this] { stepWorkingDate(CalendarStep::MonthBack); });
  connect(m_btnToday, &QPushButton::clicked, this, &TfrmCal::btnTodayClick);
  connect(m_btnMonthFore, &QPushButton::clicked, this, [this] { stepWorkingDate(CalendarStep::MonthFore); });
  connect(m_btnYearFore, &QPushButton::clicked, this, [this] { stepWorkingDate(CalendarStep::YearFore); });
  setFocusProxy(m_cal);
}

QPushButton* TfrmCal::createButton(const char* name, const QString& caption, int left, int width, const QString& hint) {
  auto* button = new QPushButton(caption, m_panMain);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 124, width, 17);
  button->setToolTip(hint);
  button->setAccessibleName(hint);  // "<<" and ">" mean nothing read aloud
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void TfrmCal::execute(QComboBox* field, QPoint screenTopLeft, DateReturned dateReturned) {
  if (!field) return;
  // A second click on the field's arrow closes the pop-up, as it closes any drop-down, and keeps
  // the month the user paged to from being thrown away by opening again on the field's date. A
  // desktop may move the focus to the main window before it hands over the click, and the pop-up
  // has then closed already: the click only closes it.
  const bool closingClick = std::exchange(m_arrowClickPending, false) && field == m_targetField &&
                            QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
  if ((isVisible() && field == m_targetField) || closingClick) {
    hide();
    return;
  }
  m_syncEnabled = false;
  m_returnArmed = false;
  m_targetField = field;
  m_dateReturned = std::move(dateReturned);
  setAccessibleName(QCoreApplication::translate("TfrmCal", "%1 calendar").arg(field->accessibleName()));

  // An attached pop-up's screen position is only the field's place in its window: the compositor
  // knows where that window is and keeps the pop-up on the screen. It places the pop-up by one
  // corner and, with no room below, turns it up around that corner; so the window reaches from
  // just above the field down to the calendar's bottom, the part over the field left clear and
  // open to the pointer. Below, the calendar lies under the field; turned up, above it.
  const bool attached = m_windowKind == WindowKind::AttachedPopup;
  const int fieldStrip = attached ? field->height() + 1 : 0;
  const QPoint position = attached ? QPoint(screenTopLeft.x(), screenTopLeft.y() - 1)
                                   : popupPosition(screenTopLeft, field->height(), size(), m_screenArea(screenTopLeft));
  layout()->setContentsMargins(0, fieldStrip, 0, 0);
  if (attached) {
    setMask(QRegion(0, fieldStrip, openedSize.width(), openedSize.height()));
  } else {
    clearMask();
  }

  const CivilDate now = today();
  const DayNumber todayNumber = encodeDate(now.year, now.month, now.day).value_or(0);
  const DayNumber date =
      parseDateText(field->currentText().toStdString(), todayNumber, m_context.services.system.dateLocale(), now.year);
  m_workingDate = decodeDate(date);
  m_cal->setShownDate(date);

  m_syncEnabled = true;
  calChange();

  m_hasFocus = QGuiApplication::focusWindow() && QGuiApplication::focusWindow() == windowHandle();
  setGeometry(QRect(position, openedSize + QSize(0, fieldStrip)));
  if (attached) attachTo(field->window());
  show();
  raise();
  activateWindow();
  m_cal->setFocus();
}

void TfrmCal::attachTo(QWidget* mainWindow) {
  // The platform reads the parent when the pop-up is shown, so it must be known by then; it need
  // not own the pop-up, which lives as long as the program.
  if (!windowHandle()) create();
  if (windowHandle() && mainWindow) windowHandle()->setTransientParent(mainWindow->windowHandle());
}

void TfrmCal::checkDate() {
  m_workingDate = clampDay(m_workingDate);
  const auto date = encodeDate(m_workingDate.year, m_workingDate.month, m_workingDate.day);
  {
    QScopedValueRollback<bool> quiet(m_syncEnabled, false);
    // Only a clock outside the years 1 to 9999 leaves no valid date here; the grid refuses it
    // with an error and keeps its date.
    m_cal->setShownDate(date.value_or(std::numeric_limits<double>::quiet_NaN()));
  }
  m_syncEnabled = true;
  calChange();
}

void TfrmCal::calChange() {
  if (!m_syncEnabled) return;
  m_lblDate->setText(dateText(m_cal->ShownDate()));
  m_cal->setAccessibleName(QString::fromStdString(formatDate(m_cal->ShownDate(), "mmmm yyyy", m_context.startLocale)));
  m_workingDate = gridDate();
  if (m_returnArmed) returnDate();
}

void TfrmCal::calClick() {
  // The grid reports the click before it moves to the clicked day: this returns the date it held,
  // and the change that follows returns the clicked day through calChange.
  m_returnArmed = true;
  calChange();
}

void TfrmCal::btnTodayClick() { stepWorkingDate(CalendarStep::Today); }

void TfrmCal::stepWorkingDate(CalendarStep step) {
  m_workingDate = stepCalendar(m_workingDate, step, today());
  checkDate();
  m_cal->setFocus();
}

void TfrmCal::FormKeyDown(int key) {
  switch (key) {
    case Qt::Key_Escape:
      hide();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      m_returnArmed = true;
      returnDate();
      break;
    case Qt::Key_Home:
      btnTodayClick();
      break;
    case Qt::Key_PageUp:
      stepWorkingDate(CalendarStep::MonthBack);
      break;
    case Qt::Key_PageDown:
      stepWorkingDate(CalendarStep::MonthFore);
      break;
    case Qt::Key_Left:
      stepDays(-1);
      break;
    case Qt::Key_Right:
      stepDays(1);
      break;
    case Qt::Key_Up:
      stepDays(-7);
      break;
    case Qt::Key_Down:
      stepDays(7);
      break;
    default:
      break;
  }
}

void TfrmCal::stepDays(int days) {
  // A step that would leave the years 1 to 9999 is ignored, so the pop-up stays on a date it can show.
  const auto moved = lunasoma::stepDays(m_workingDate, days);
  if (!moved) return;
  m_workingDate = *moved;
  checkDate();
}

void TfrmCal::returnDate() {
  if (!m_returnArmed) return;
  const DayNumber date = m_cal->ShownDate();
  if (auto* dateField = qobject_cast<DateField*>(m_targetField.data())) {
    dateField->setDateText(dateText(date));
  } else if (m_targetField) {
    m_targetField->setEditText(dateText(date));
  }
  hide();
  // A field that has gone meanwhile took its opener with it.
  if (m_targetField && m_dateReturned) m_dateReturned(date);
}

void TfrmCal::FormDeactivate() { hide(); }

void TfrmCal::focusWindowChanged(QWindow* window) {
  if (!isVisible()) return;
  if (window && window == windowHandle()) {
    m_hasFocus = true;
    return;
  }
  // The click that opens the pop-up may activate the main window only after the pop-up has been
  // shown; that late activation must not close it, so only focus that moves away from the pop-up
  // counts. A window of another program leaves no focus window in this one, and the pop-up stays.
  if (window && m_hasFocus) {
    // The click that takes the focus may be on the field's own arrow and still to come.
    if (onFieldArrow(QCursor::pos())) {
      m_arrowClickPending = true;
      watchForClickEnd();
    }
    FormDeactivate();
  }
}

void TfrmCal::mousePressEvent(QMouseEvent* event) {
  // An attached pop-up hears of every press while it is open, and a press outside it closes it and
  // then reaches the widget under the pointer. On the field's own arrow that would open the pop-up
  // again at once; there the press only closes it. Elsewhere, the text of the field included, the
  // press goes on to do what it does.
  // The clear part over the field counts as outside.
  if (m_targetField && !m_panMain->geometry().contains(event->position().toPoint())) {
    setAttribute(Qt::WA_NoMouseReplay, onFieldArrow(event->globalPosition().toPoint()));
    if (windowType() == Qt::Popup) {
      close();
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

bool TfrmCal::onFieldArrow(QPoint screenPoint) const {
  if (!m_targetField) return false;
  const QPoint onField = m_targetField->mapFromGlobal(screenPoint);
  const QWidget* text = m_targetField->lineEdit();
  return m_targetField->rect().contains(onField) && !(text && text->geometry().contains(onField));
}

void TfrmCal::watchForClickEnd() {
  // A click that never reaches the field (the focus came by keyboard while the pointer rested on
  // the arrow) must not swallow a later one: the next release or key ends the wait.
  class ClickEnd : public QObject {
   public:
    explicit ClickEnd(bool& pending) : m_pending(pending) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress) {
        m_pending = false;
        deleteLater();
        qApp->removeEventFilter(this);
      }
      return false;
    }

   private:
    bool& m_pending;
  };
  if (m_clickEndWatch) return;
  m_clickEndWatch = new ClickEnd(m_arrowClickPending);
  m_clickEndWatch->setParent(this);
  qApp->installEventFilter(m_clickEndWatch);
}

bool TfrmCal::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

CivilDate TfrmCal::today() const {
  const QDate date = m_context.services.system.now().date();
  return {date.year(), date.month(), date.day()};
}

CivilDate TfrmCal::gridDate() const { return {m_cal->Year(), m_cal->Month(), m_cal->Day()}; }

QString TfrmCal::dateText(DayNumber date) const {
  return displayDateText(m_context, date, m_context.services.system.dateLocale().dateSeparator);
}

}  // namespace lunasoma
