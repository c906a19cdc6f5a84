#include "ui/TCalendar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/DateText.h"

namespace lunasoma {

namespace {

DayNumber dayNumberOf(CivilDate date) {
  const auto day = encodeDate(date.year, date.month, date.day);
  if (!day) {
    throw std::invalid_argument("Year " + std::to_string(date.year) + ", month " + std::to_string(date.month) +
                                ", day " + std::to_string(date.day) + " is not a valid date.");
  }
  return *day;
}

}  // namespace

TCalendar::TCalendar(std::function<CivilDate()> today, QWidget* parent)
    : QWidget(parent),
      m_today(std::move(today)),
      m_date(m_today()),
      m_shownDate(dayNumberOf(m_date)),
      m_grid(m_date.year, m_date.month, m_startOfWeek),
      m_selected(m_grid.cellOf(m_date.day)) {
  const DateLocale defaults;
  for (int i = 0; i < 7; ++i) {
    m_weekdayNames[i] = QString::fromStdString(defaults.shortDayNames[i]);
    m_narrowWeekdayNames[i] = QString::fromStdString(defaults.narrowDayNames[i]);
  }
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCalendar::setYear(int year) { writeField(Field::Year, year); }
void TCalendar::setMonth(int month) { writeField(Field::Month, month); }
void TCalendar::setDay(int day) { writeField(Field::Day, day); }

void TCalendar::writeField(Field field, int value) {
  if (value < 1) return;
  if (field == Field::Month && value > 12) return;
  if (field == Field::Day && value > daysInMonth(m_date.year, m_date.month)) return;
  CivilDate date = m_date;
  int& target = field == Field::Year ? date.year : field == Field::Month ? date.month : date.day;
  if (target == value) return;
  target = value;
  changeTo(date);
}

void TCalendar::setShownDate(DayNumber date) {
  // The comparisons are written so that NaN fails them too.
  if (!(date > firstDayNumber - 1 && date < lastDayNumber + 1)) {
    throw std::invalid_argument("The date lies outside the years 1 to 9999.");
  }
  if (wholeDay(date) == wholeDay(m_shownDate)) return;
  changeTo(decodeDate(date));
}

void TCalendar::changeTo(CivilDate date) {
  // Everything that can fail comes before the first member is touched, so a bad date leaves the
  // grid exactly as it was.
  const DayNumber shown = dayNumberOf(date);
  m_date = date;
  m_shownDate = shown;
  m_useCurrentDate = false;
  layoutMonth();
  Q_EMIT OnChange();
}

void TCalendar::setStartOfWeek(int weekday) {
  if (weekday < 0 || weekday > 6 || weekday == m_startOfWeek) return;
  m_startOfWeek = weekday;
  layoutMonth();
}

void TCalendar::setUseCurrentDate(bool use) {
  if (use == m_useCurrentDate) return;
  if (use) {
    const CivilDate today = m_today();
    m_shownDate = dayNumberOf(today);
    m_date = today;
    layoutMonth();
  }
  m_useCurrentDate = use;
}

void TCalendar::setGridLineWidth(int width) {
  if (width < 0 || width == m_gridLineWidth) return;
  m_gridLineWidth = width;
  update();
}

void TCalendar::setWeekdayNames(const std::array<QString, 7>& names, const std::array<QString, 7>& narrowNames) {
  m_weekdayNames = names;
  m_narrowWeekdayNames = narrowNames;
  update();
}

QString TCalendar::headerText(int weekday) const {
  // Names that run into their neighbours cannot be read at all (the 26-pixel cells of the pop-up
  // hold "Mon" but not "segunda"). One set for the whole row, so that the columns read alike.
  const int width = cellSize().width;
  const QFontMetrics metrics(font());
  const bool shortNamesFit = std::all_of(m_weekdayNames.begin(), m_weekdayNames.end(),
                                         [&](const QString& name) { return metrics.horizontalAdvance(name) <= width; });
  if (shortNamesFit) return m_weekdayNames[weekday];
  const QString& narrow = m_narrowWeekdayNames[weekday];
  return metrics.elidedText(narrow.isEmpty() ? m_weekdayNames[weekday] : narrow, Qt::ElideRight, width);
}

void TCalendar::layoutMonth() {
  m_grid = MonthGrid(m_date.year, m_date.month, m_startOfWeek);
  m_selected = m_grid.cellOf(m_date.day);
  update();
}

QString TCalendar::cellText(GridCell cell) const {
  if (cell.row == 0) return headerText(m_grid.weekdayOfColumn(cell.column));
  const int day = m_grid.dayAt(cell);
  return day == 0 ? QString() : QString::number(day);
}

CellSize TCalendar::cellSize() const { return MonthGrid::cellSize(width(), height(), m_gridLineWidth); }

QRect TCalendar::cellRect(GridCell cell) const {
  const CellSize size = cellSize();
  return {cell.column * (size.width + m_gridLineWidth), cell.row * (size.height + m_gridLineWidth), size.width,
          size.height};
}

std::optional<GridCell> TCalendar::cellAt(QPoint position) const {
  for (int row = 0; row < MonthGrid::rows; ++row) {
    for (int column = 0; column < MonthGrid::columns; ++column) {
      if (cellRect({column, row}).contains(position)) return GridCell{column, row};
    }
  }
  return std::nullopt;
}

void TCalendar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  // Whatever the cells leave free (the grid lines and the remainder of the division) shows the
  // line colour.
  painter.fillRect(rect(), m_gridLineWidth > 0 ? colours.color(QPalette::Mid) : colours.color(QPalette::Base));
  for (int row = 0; row < MonthGrid::rows; ++row) {
    for (int column = 0; column < MonthGrid::columns; ++column) {
      const GridCell cell{column, row};
      const QRect area = cellRect(cell);
      QPalette::ColorRole back = QPalette::Base;
      QPalette::ColorRole text = QPalette::Text;
      if (row == 0) {
        back = QPalette::Button;
        text = QPalette::ButtonText;
      } else if (cell == m_selected) {
        back = QPalette::Highlight;
        text = QPalette::HighlightedText;
      }
      painter.fillRect(area, colours.color(back));
      painter.setPen(colours.color(text));
      painter.drawText(area, Qt::AlignCenter, cellText(cell));
    }
  }
}

void TCalendar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const auto cell = cellAt(event->position().toPoint());
  m_clickArmed = cell && cell->row >= 1;
  if (m_clickArmed) followPointer(event->position().toPoint());
}

void TCalendar::mouseMoveEvent(QMouseEvent* event) {
  if (m_clickArmed && (event->buttons() & Qt::LeftButton)) followPointer(event->position().toPoint());
}

void TCalendar::followPointer(QPoint position) {
  if (m_readOnly) return;
  const auto cell = cellAt(position);
  if (!cell || m_grid.dayAt(*cell) == 0 || *cell == m_selected) return;
  m_selected = *cell;
  update();
}

void TCalendar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_clickArmed) return;
  m_clickArmed = false;
  Q_EMIT OnClick();
  // The click's receiver may have moved the grid to another month, which put the selection back
  // on the shown day; writing that day again then changes nothing.
  const int day = m_grid.dayAt(m_selected);
  if (day != 0) setDay(day);
}

}  // namespace lunasoma
