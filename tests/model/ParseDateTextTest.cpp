#include <climits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "model/DateText.h"

namespace lunasoma {
namespace {

// Not a whole day number, so a parse that fails can never be mistaken for one that gives a date.
constexpr DayNumber noDate = -0.25;
constexpr int thisYear = 2026;

DateLocale localeWith(std::string pattern, char separator) {
  DateLocale locale;
  locale.shortDatePattern = std::move(pattern);
  locale.dateSeparator = separator;
  return locale;
}

const DateLocale monthDayYear;
const DateLocale dayMonthYear = localeWith("dd.MM.yy", '.');
const DateLocale yearMonthDay = localeWith("yyyy-MM-dd", '-');
// Short patterns of locales that write more than a separator between the numbers, or marks that
// cannot be seen (U+200F, the right-to-left mark).
const DateLocale blankBeforeYear = localeWith("dd/MM yyyy", '/');
const DateLocale wordAfterYear = localeWith("d.MM.yy \"\xD0\xB3\".", '.');
const DateLocale spacedDots = localeWith("dd. MM. yyyy.", '.');
const DateLocale rightToLeft = localeWith("d\xE2\x80\x8F/M\xE2\x80\x8F/yyyy", '/');

void expectParse(std::string_view text, std::optional<CivilDate> date, const DateLocale& locale,
                 int currentYear = thisYear) {
  const DayNumber parsed = parseDateText(text, noDate, locale, currentYear);
  if (!date) {
    EXPECT_EQ(parsed, noDate) << "got " << formatDate(parsed, "yyyy-mm-dd", locale);
  } else {
    EXPECT_EQ(parsed, encodeDate(date->year, date->month, date->day));
  }
}

TEST(ParseDateText, FollowsTheRule) {
  const auto no = std::nullopt;
  const struct {
    std::string name;
    const DateLocale& locale;
    std::string text;
    std::optional<CivilDate> date;
  } rows[] = {
      {"empty", monthDayYear, "", no},
      {"blanks only", monthDayYear, "   ", no},
      {"two numbers take the current year", monthDayYear, "12/25", CivilDate{2026, 12, 25}},
      {"two-digit year gets the century", monthDayYear, "1/2/03", CivilDate{2003, 1, 2}},
      {"year 0", monthDayYear, "1/2/0", CivilDate{2000, 1, 2}},
      {"year 99", monthDayYear, "1/2/99", CivilDate{2099, 1, 2}},
      {"blanks around numbers and separators", monthDayYear, "  1 / 2 / 2003  ", CivilDate{2003, 1, 2}},
      {"one trailing separator", monthDayYear, "1/2/2003 / ", CivilDate{2003, 1, 2}},
      {"two trailing separators", monthDayYear, "1/2/2003//", no},
      {"trailing letter", monthDayYear, "1/2/2003x", no},
      {"separator after the second needs a third", monthDayYear, "12/25 / ", no},
      {"dash is not the separator", monthDayYear, "1-2-2003", no},
      {"dot is not the separator", monthDayYear, "1.2.2003", no},
      {"blank is not a separator", monthDayYear, "1 2 2003", no},
      {"tab is not a blank", monthDayYear, "\t1/2/2003", no},
      {"empty field", monthDayYear, "1//2", no},
      {"sign is not a digit", monthDayYear, "-1/2/2003", no},
      {"one number", monthDayYear, "12", no},
      {"30 February", monthDayYear, "2/30/2003", no},
      {"leap day", monthDayYear, "2/29/2004", CivilDate{2004, 2, 29}},
      {"no leap day in 1900", monthDayYear, "2/29/1900", no},
      {"month 13", monthDayYear, "13/2/2003", no},
      {"day 0", monthDayYear, "1/0/2003", no},
      {"fifth significant digit is left over", monthDayYear, "1/2/20031", no},
      {"leading zeros do not count", monthDayYear, "01/02/0002003", CivilDate{2003, 1, 2}},
      {"padded year below 100 still gets the century", monthDayYear, "1/2/0099", CivilDate{2099, 1, 2}},
      {"three-digit year gets no century", monthDayYear, "1/2/100", CivilDate{100, 1, 2}},
      {"partly typed year", monthDayYear, "3/15/200", CivilDate{200, 3, 15}},
      {"the epoch is a date, not a failure", monthDayYear, "12/30/1899", CivilDate{1899, 12, 30}},
      {"last supported day", monthDayYear, "12/31/9999", CivilDate{9999, 12, 31}},
      {"embedded NUL", monthDayYear, std::string("1/2/2003\0", 9), no},
      {"bytes that are not UTF-8", monthDayYear, "1/2/\xff\xfe", no},
      {"day and month", dayMonthYear, "15.3", CivilDate{2026, 3, 15}},
      {"day, month and two-digit year", dayMonthYear, "15.3.26", CivilDate{2026, 3, 15}},
      {"day-month-year display text", dayMonthYear, "05.03.2026.", CivilDate{2026, 3, 5}},
      {"month is second", dayMonthYear, "3.15", no},
      {"slash is not the dot separator", dayMonthYear, "15/3/26", no},
      {"year-month-day display text", yearMonthDay, "2026-03-05", CivilDate{2026, 3, 5}},
      {"two-digit year first", yearMonthDay, "26-3-5", CivilDate{2026, 3, 5}},
      {"two numbers are month and day", yearMonthDay, "3-5", CivilDate{2026, 3, 5}},
      {"31 April", yearMonthDay, "2026-4-31", no},
      {"format marks count as blanks", monthDayYear,
       "\xE2\x80\x8F"
       "1\xE2\x80\x8E/2/\xD8\x9C"
       "2003 \xE2\x80\x8F",
       CivilDate{2003, 1, 2}},
      {"a format mark does not join digits", monthDayYear,
       "1/2/20\xE2\x80\x8F"
       "03",
       no},
      {"a letter is no format mark", monthDayYear, "1/2/2003\xD8\xA7", no},
      {"the marks of the locale's own form", rightToLeft, "5\xE2\x80\x8F/3\xE2\x80\x8F/2026", CivilDate{2026, 3, 5}},
      {"a blank where the pattern has one", blankBeforeYear, "28/12 2026", CivilDate{2026, 12, 28}},
      {"the separator in its place", blankBeforeYear, "28/12/2026", CivilDate{2026, 12, 28}},
      {"trailing blanks are no third number", blankBeforeYear, "28/12  ", CivilDate{2026, 12, 28}},
      {"a blank gap needs a number after it", blankBeforeYear, "28/12 x", no},
      {"blanks only where the pattern has them", blankBeforeYear, "28 12 2026", no},
      {"the word after the year", wordAfterYear, "28.12.2026 \xD0\xB3.", CivilDate{2026, 12, 28}},
      {"the word cut short", wordAfterYear, "28.12.2026 \xD0\xB3", no},
      {"the word without the year", wordAfterYear, "28.12 \xD0\xB3.", no},
      {"blanks after dots", spacedDots, "28. 12. 2026.", CivilDate{2026, 12, 28}},
      {"the closing dot is taken once", spacedDots, "28. 12. 2026..", no},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row.text, row.date, row.locale);
  }
}

// The century comes from the caller's year, which may be anything: nothing may overflow.
TEST(ParseDateText, CenturyFollowsTheCurrentYear) {
  const struct {
    std::string name;
    std::string text;
    int currentYear;
    std::optional<CivilDate> date;
  } rows[] = {
      {"twentieth century", "1/2/03", 1999, CivilDate{1903, 1, 2}},
      {"twenty-second century", "1/2/03", 2100, CivilDate{2103, 1, 2}},
      {"last century of the span", "1/2/99", 9999, CivilDate{9999, 1, 2}},
      {"century beyond the span", "1/2/03", 10000, std::nullopt},
      {"first century keeps small years", "1/2/0099", 50, CivilDate{99, 1, 2}},
      {"year 0 in the first century", "1/2/0", 50, std::nullopt},
      {"largest current year", "1/2/03", INT_MAX, std::nullopt},
      {"smallest current year", "1/2/03", INT_MIN, std::nullopt},
      {"largest current year, two numbers", "1/2", INT_MAX, std::nullopt},
      {"four-digit year ignores the century", "1/2/1850", INT_MAX, CivilDate{1850, 1, 2}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row.text, row.date, monthDayYear, row.currentYear);
  }
}

TEST(ParseDateText, ReadsOnlyWithinTheView) {
  const std::string_view buffer = "12/25/2003";
  expectParse(buffer.substr(0, 5), CivilDate{2026, 12, 25}, monthDayYear);
  expectParse(buffer.substr(0, 6), std::nullopt, monthDayYear);
  expectParse(buffer.substr(0, 8), CivilDate{2020, 12, 25}, monthDayYear);
}

TEST(ParseDateText, HugeInputsEndQuicklyAndSafely) {
  const std::size_t tenMegabytes = 10 * 1024 * 1024;
  const struct {
    std::string name;
    std::string text;
    std::optional<CivilDate> date;
  } rows[] = {
      {"digits only", std::string(tenMegabytes, '7'), std::nullopt},
      {"year after a sea of zeros", "1/2/" + std::string(tenMegabytes, '0') + "3", CivilDate{2003, 1, 2}},
      {"trailing blanks", "12/25" + std::string(tenMegabytes, ' '), CivilDate{2026, 12, 25}},
      {"trailing NULs", "12/25" + std::string(tenMegabytes, '\0'), std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row.text, row.date, monthDayYear);
  }
}

// The text the program writes for a date must read back as that date in each locale form.
TEST(ParseDateText, DisplayTextReadsBackAsTheSameDay) {
  const DayNumber firstOfYear100 = encodeDate(100, 1, 1).value();
  for (const DateLocale* locale : {&monthDayYear, &dayMonthYear, &yearMonthDay}) {
    SCOPED_TRACE(locale->shortDatePattern);
    const std::string pattern = displayDatePattern(locale->shortDatePattern);
    int mismatches = 0;
    for (DayNumber date = firstOfYear100; date <= lastDayNumber; date += 5) {
      const std::string text = formatDate(date, pattern, *locale);
      if (parseDateText(text, noDate, *locale, thisYear) != date && ++mismatches <= 5) ADD_FAILURE() << text;
    }
    EXPECT_EQ(mismatches, 0);
  }
}

}  // namespace
}  // namespace lunasoma
