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
  std::array<std::string, 7> longDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  // The shortest forms, for where even the abbreviated names do not fit (the calendar's header).
  std::array<std::string, 7> narrowDayNames{"S", "M", "T", "W", "T", "F", "S"};
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first d, m or y of the pattern, in any case, decides; month-day-year when there is none.
DateOrder dateOrderOf(std::string_view shortDatePattern);

// The short pattern with "yy" put before its first lowercase y (or in front), so that the year is
// always written with four digits: "m/d/yy" becomes "m/d/yyyy". Invisible format characters
// (Unicode category Cf, such as direction marks) are left out: they would only make the text
// longer and harder to read back.
std::string displayDatePattern(std::string_view shortDatePattern);

// Pattern letters are d, m and y in any case, a run of one letter being one element: d and dd the
// day, ddd and longer the short and then long weekday name; m, mm, mmm and mmmm or longer likewise
// for the month; y or yy the year modulo 100 in two digits, three or more y the year in four.
// '/' writes the locale's separator, quoted text is copied without its quotes (an unclosed quote
// runs to the end), and every other character is itself. A date whose whole part lies outside
// years 1..9999, NaN or an infinity formats as an empty text.
std::string formatDate(DayNumber date, std::string_view pattern, const DateLocale& locale);

// Reads "N1 sep N2 [sep N3 [sep]]" with blanks (spaces only) allowed before each number and
// separator and at the end, the fields ordered by the locale's short pattern. Two numbers take
// currentYear; a three-number year of 0..99 gets currentYear's century added. Anything that is
// not a valid date by that rule gives the fallback. Never throws and reads only within the view.
// So that every date text the program writes reads back, the text a three-element short pattern
// writes around its numbers is accepted too: in place of a separator ("dd/MM yyyy" separates month
// and year by a blank), before the first number and after the last (a word for "year" after it).
// Format characters (Cf) are skipped wherever blanks are.
DayNumber parseDateText(std::string_view text, DayNumber fallback, const DateLocale& locale, int currentYear);

}  // namespace lunasoma
