#pragma once
// The month grid of the calendar pop-up: seven columns under a header row of abbreviated weekday
// names, six rows of day numbers, one shown date whose day is the selected cell. It raises OnClick
// when a click on a day row ends and OnChange after its date changed. It neither moves through
// months by itself nor handles keys: the pop-up that owns it does both.

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "model/Calendar.h"
#include "model/MonthGrid.h"

namespace lunasoma {

class TCalendar : public QWidget {
  Q_OBJECT

 public:
  // today is asked for the date a new grid starts on and whenever UseCurrentDate becomes true.
  explicit TCalendar(std::function<CivilDate()> today, QWidget* parent = nullptr);

  int Year() const { return m_date.year; }
  int Month() const { return m_date.month; }
  int Day() const { return m_date.day; }
  DayNumber ShownDate() const { return m_shownDate; }

  // A value below 1, a month above 12, a day the shown month lacks or the current value is
  // ignored. A combination that makes no valid date throws std::invalid_argument and leaves the
  // shown date as it was; the grid never clamps the day itself.
  void setYear(int year);
  void setMonth(int month);
  void setDay(int day);
  // Takes the whole part of a date; throws std::invalid_argument outside the years 1 to 9999.
  void setShownDate(DayNumber date);

  int StartOfWeek() const { return m_startOfWeek; }
  void setStartOfWeek(int weekday);  // 0 = Sunday .. 6 = Saturday; other values are ignored
  bool UseCurrentDate() const { return m_useCurrentDate; }
  void setUseCurrentDate(bool use);
  int GridLineWidth() const { return m_gridLineWidth; }
  void setGridLineWidth(int width);  // negative widths are ignored
  bool ReadOnly() const { return m_readOnly; }
  void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

  // The locale's abbreviated and narrow weekday names, Sunday first. The header shows the
  // abbreviated names when all of them fit their cells in the grid's font, else the narrow ones,
  // each elided where even it does not fit.
  void setWeekdayNames(const std::array<QString, 7>& names, const std::array<QString, 7>& narrowNames);

  // What each cell shows and where it is, as painted; row 0 is the header row.
  QString cellText(GridCell cell) const;
  QRect cellRect(GridCell cell) const;
  GridCell selectedCell() const { return m_selected; }

 Q_SIGNALS:
  void OnChange();
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Field { Year, Month, Day };

  void writeField(Field field, int value);
  void changeTo(CivilDate date);
  void layoutMonth();
  CellSize cellSize() const;
  std::optional<GridCell> cellAt(QPoint position) const;
  void followPointer(QPoint position);
  QString headerText(int weekday) const;

  std::function<CivilDate()> m_today;
  int m_startOfWeek = 0;
  CivilDate m_date;
  DayNumber m_shownDate;
  MonthGrid m_grid;
  GridCell m_selected;
  bool m_useCurrentDate = true;
  int m_gridLineWidth = 1;
  bool m_readOnly = false;
  bool m_clickArmed = false;  // a left press began on a day row and has not been released yet
  std::array<QString, 7> m_weekdayNames;
  std::array<QString, 7> m_narrowWeekdayNames;
};

}  // namespace lunasoma
