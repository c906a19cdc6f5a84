#pragma once
// How dates become text and text becomes dates, under the date settings of a locale.
// The locale comes in as a value; nothing here asks the system.

#include <array>
#include <string>
#include <string_view>

#include "model/Calendar.h"

namespace lunasoma {

struct DateLocale {  // defaults are those used when the locale gives none
  std::string shortDatePattern = "m/d/yy";
  char dateSeparator = '/';
  std::string longDatePattern = "dddd, mmmm d, yyyy";
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};  // Sunday first
  std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder dateOrderOf(std::string_view shortDatePattern);
std::string displayDatePattern(std::string_view shortDatePattern);
std::string formatDate(DayNumber date, std::string_view pattern, const DateLocale& locale);
DayNumber parseDateText(std::string_view text, DayNumber fallback, const DateLocale& locale, int currentYear);

}  // namespace lunasoma
