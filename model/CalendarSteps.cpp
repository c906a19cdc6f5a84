#include "model/CalendarSteps.h"

#include <algorithm>

namespace lunasoma {

CivilDate stepCalendar(CivilDate date, CalendarStep step, CivilDate today) {
  switch (step) {
    case CalendarStep::Today:
      return today;
    case CalendarStep::YearBack:
      if (date.year > firstSteppedYear) --date.year;
      break;
    case CalendarStep::MonthBack:
      // In the first year even February goes nowhere: the step never tests the month.
      if (date.year > firstSteppedYear) {
        if (date.month == 1) {
          date.month = 12;
          --date.year;
        } else {
          --date.month;
        }
      }
      break;
    case CalendarStep::MonthFore:
      if (date.year < lastSteppedYear) {
        if (date.month == 12) {
          date.month = 1;
          ++date.year;
        } else {
          ++date.month;
        }
      }
      break;
    case CalendarStep::YearFore:
      if (date.year < lastSteppedYear) ++date.year;
      break;
  }
  return date;
}

CivilDate clampDay(CivilDate date) {
  if (date.year < 1 || date.year > 9999) return date;
  const int length = daysInMonth(date.year, date.month);
  if (length == 0) return date;
  date.day = std::clamp(date.day, 1, length);
  return date;
}

std::optional<CivilDate> stepDays(CivilDate date, int days) {
  const auto from = encodeDate(date.year, date.month, date.day);
  if (!from) return std::nullopt;
  const DayNumber to = *from + days;
  if (to < firstDayNumber || to > lastDayNumber) return std::nullopt;
  return decodeDate(to);
}

}  // namespace lunasoma
