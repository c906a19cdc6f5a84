#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "model/DateText.h"

namespace lunasoma {
namespace {

DateLocale dayMonthYearLocale() {
  DateLocale locale;
  locale.shortDatePattern = "dd.MM.yy";
  locale.dateSeparator = '.';
  return locale;
}

TEST(DateText, DateOrderComesFromTheFirstDateLetter) {
  const struct {
    std::string_view pattern;
    DateOrder order;
  } rows[] = {
      {"m/d/yy", DateOrder::MonthDayYear},     {"dd.MM.yy", DateOrder::DayMonthYear},
      {"yyyy-MM-dd", DateOrder::YearMonthDay}, {"MM/dd/yyyy", DateOrder::MonthDayYear},
      {"Dd/mm", DateOrder::DayMonthYear},      {"YY/M/D", DateOrder::YearMonthDay},
      {"", DateOrder::MonthDayYear},           {"#/#", DateOrder::MonthDayYear},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.pattern));
    EXPECT_EQ(dateOrderOf(row.pattern), row.order);
  }
}

TEST(DateText, DisplayPatternAlwaysWritesAFourDigitYear) {
  const struct {
    std::string_view pattern;
    std::string_view display;
  } rows[] = {
      {"m/d/yy", "m/d/yyyy"},
      {"dd.MM.yy", "dd.MM.yyyy"},
      {"yyyy-MM-dd", "yyyyyy-MM-dd"},
      {"d/M/YY", "yyd/M/YY"},
      {"", "yy"},
      {"y.M.d", "yyy.M.d"},
      // Invisible format marks are left out: U+200F, U+200E and U+061C.
      {"d\xE2\x80\x8F/M\xE2\x80\x8E/\xD8\x9Cyy", "d/M/yyyy"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.pattern));
    EXPECT_EQ(displayDatePattern(row.pattern), row.display);
  }
}

TEST(DateText, FormatsEveryPatternElement) {
  const DateLocale english;
  DateLocale german = dayMonthYearLocale();
  german.shortMonthNames[2] = "Mär";
  german.longMonthNames[2] = "März";
  german.shortDayNames[4] = "Do";
  german.longDayNames[4] = "Donnerstag";
  DateLocale isoDashes;
  isoDashes.dateSeparator = '-';

  const DayNumber march5 = encodeDate(2026, 3, 5).value();  // a Thursday
  const DayNumber jan9Year7 = encodeDate(7, 1, 9).value();
  const struct {
    std::string name;
    DayNumber date;
    std::string_view pattern;
    const DateLocale& locale;
    std::string_view text;
  } rows[] = {
      {"default display pattern", march5, "m/d/yyyy", english, "3/5/2026"},
      {"day-month-year display pattern", march5, "dd.MM.yyyy", german, "05.03.2026"},
      {"year-month-day display pattern", march5, "yyyyyy-MM-dd", isoDashes, "2026-03-05"},
      {"long date", march5, "dddd, mmmm d, yyyy", english, "Thursday, March 5, 2026"},
      {"names come from the locale", march5, "dddd, d. mmmm yyyy (ddd, mmm)", german,
       "Donnerstag, 5. März 2026 (Do, Mär)"},
      {"longer runs still mean the full name", march5, "dddddd mmmmmmm", english, "Thursday March"},
      {"any case, one run", march5, "Dd/mM/YyYy", english, "05/03/2026"},
      {"one y is two digits", march5, "y", english, "26"},
      {"two-digit year keeps its zero", encodeDate(2005, 11, 12).value(), "d/m/yy", english, "12/11/05"},
      {"four-digit year keeps its zeros", jan9Year7, "yyy|yy|m|mm|d|dd", english, "0007|07|1|01|9|09"},
      {"slash is the locale's separator", march5, "m/d/yy", german, "3.5.26"},
      {"single quotes", march5, "d 'of' mmmm", english, "5 of March"},
      {"double quotes keep pattern letters literal", march5, "\"d/m\" d", english, "d/m 5"},
      {"an unclosed quote runs to the end", march5, "d 'mm/yy", english, "5 mm/yy"},
      {"empty quotes write nothing", march5, "d''m", english, "53"},
      {"other characters are themselves", march5, "[d#m]", english, "[5#3]"},
      {"fraction before the epoch truncates toward zero", -0.5, "m/d/yyyy", english, "12/30/1899"},
      {"first supported day", firstDayNumber, "dddd m/d/yyyy", english, "Monday 1/1/0001"},
      {"last supported day", lastDayNumber + 0.5, "dddd m/d/yyyy", english, "Friday 12/31/9999"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(formatDate(row.date, row.pattern, row.locale), row.text);
  }
}

TEST(DateText, FormatsNothingOutsideTheSupportedYears) {
  const struct {
    std::string name;
    DayNumber date;
  } rows[] = {
      {"day after 31 December 9999", lastDayNumber + 1},
      {"day before 1 January 0001", firstDayNumber - 1},
      {"NaN", std::numeric_limits<double>::quiet_NaN()},
      {"infinity", std::numeric_limits<double>::infinity()},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(formatDate(row.date, "dddd m/d/yyyy 'x'", DateLocale{}), "");
  }
}

}  // namespace
}  // namespace lunasoma
