#pragma once
// The five date moves of the chart (a page or a day back, today, a day or a page forward) as
// arithmetic on day numbers. It reads no clock: "today" comes in as an argument. It does not draw
// and does not touch the date fields.

#include "model/Calendar.h"

namespace lunasoma {

enum class DateMove { PreviousPage, OneDayBack, Today, OneDayForward, NextPage };

// A page is exactly the day columns the chart shows: seven days for each of the range + 1 weeks.
int pageDays(int range);

// The start day after the move. The start never lands before the birth date; a start that held no
// date (day 0) moves like any other number and is then lifted to the birth date when that is later.
// Moving forward never passes the last start the chart can draw.
DayNumber movedStart(DateMove move, DayNumber start, DayNumber birth, int range, DayNumber today);

}  // namespace lunasoma
