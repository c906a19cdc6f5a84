#pragma once
// The steps by which the calendar pop-up moves its date: the buttons' day-keeping steps by month
// and year (bounded by the years 1 and 3000), steps by a number of days, and the clamping of a day
// that its month does not have. It does not touch any grid or window.

#include <optional>

#include "model/Calendar.h"

namespace lunasoma {

enum class CalendarStep { Today, YearBack, MonthBack, MonthFore, YearFore };

// The year range the buttons move within; steps that would leave it do nothing.
inline constexpr int firstSteppedYear = 1;
inline constexpr int lastSteppedYear = 3000;

// One button step. The day is kept as it is, so the result may name a day its month does not
// have (31 March back a month gives 31 February); clampDay makes it valid.
CivilDate stepCalendar(CivilDate date, CalendarStep step, CivilDate today);

// The day stepped back to the last day of its month when the month is shorter (and up to 1 when
// it is below 1). A year outside 1..9999 or a month outside 1..12 comes back unchanged, since no
// day would make it valid.
CivilDate clampDay(CivilDate date);

// The date a number of days away from a valid date, or nothing when that would leave the years
// 1 to 9999.
std::optional<CivilDate> stepDays(CivilDate date, int days);

}  // namespace lunasoma
