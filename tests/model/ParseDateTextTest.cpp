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

struct ParseRow {
  std::string name;
  std::string text;
  std::optional<CivilDate> date;  // nullopt: the text is not a date
};

void PrintTo(const ParseRow& row, std::ostream* out) {
  *out << '"' << row.text << '"';
}

DateLocale localeWith(std::string pattern, char separator) {
  DateLocale locale;
  locale.shortDatePattern = std::move(pattern);
  locale.dateSeparator = separator;
  return locale;
}

void expectParse(std::string_view text, std::optional<CivilDate> date, const DateLocale& locale,
                 int currentYear = thisYear) {
  const DayNumber parsed = parseDateText(text, noDate, locale, currentYear);
  if (!date) {
    EXPECT_EQ(parsed, noDate) << "got " << formatDate(parsed, "yyyy-mm-dd", locale);
    return;
  }
  ASSERT_NE(parsed, noDate);
  EXPECT_EQ(decodeDate(parsed), *date);
  EXPECT_EQ(parsed, encodeDate(date->year, date->month, date->day));
}

void expectParse(const ParseRow& row, const DateLocale& locale) {
  expectParse(row.text, row.date, locale);
}

class ParseMonthDayYear : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseMonthDayYear, DefaultLocale) {
  expectParse(GetParam(), DateLocale{});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseMonthDayYear,
    testing::Values(
        ParseRow{"Empty", "", std::nullopt},
        ParseRow{"BlanksOnly", "   ", std::nullopt},
        ParseRow{"TwoNumbersTakeTheCurrentYear", "12/25", CivilDate{2026, 12, 25}},
        ParseRow{"TwoDigitYearGetsTheCentury", "1/2/03", CivilDate{2003, 1, 2}},
        ParseRow{"YearZero", "1/2/0", CivilDate{2000, 1, 2}},
        ParseRow{"YearNinetyNine", "1/2/99", CivilDate{2099, 1, 2}},
        ParseRow{"BlanksAroundNumbersAndSeparators", "  1 / 2 / 2003  ", CivilDate{2003, 1, 2}},
        ParseRow{"BlanksAroundTwoNumbers", " 12 /25 ", CivilDate{2026, 12, 25}},
        ParseRow{"OneTrailingSeparator", "1/2/2003/", CivilDate{2003, 1, 2}},
        ParseRow{"TrailingSeparatorWithBlanks", "1/2/2003 / ", CivilDate{2003, 1, 2}},
        ParseRow{"TwoTrailingSeparators", "1/2/2003//", std::nullopt},
        ParseRow{"TrailingLetter", "1/2/2003x", std::nullopt},
        ParseRow{"TrailingNumber", "1/2/2003 4", std::nullopt},
        ParseRow{"SeparatorAfterSecondNeedsAThird", "12/25/", std::nullopt},
        ParseRow{"SeparatorAndBlanksAfterSecond", "12/25 / ", std::nullopt},
        ParseRow{"DashIsNotTheSeparator", "1-2-2003", std::nullopt},
        ParseRow{"DotIsNotTheSeparator", "1.2.2003", std::nullopt},
        ParseRow{"BlankIsNotASeparator", "1 2 2003", std::nullopt},
        ParseRow{"TabIsNotABlank", "\t1/2/2003", std::nullopt},
        ParseRow{"LeadingSeparator", "/1/2", std::nullopt},
        ParseRow{"EmptyField", "1//2", std::nullopt},
        ParseRow{"SignIsNotADigit", "-1/2/2003", std::nullopt},
        ParseRow{"OneNumber", "12", std::nullopt},
        ParseRow{"ThirtiethOfFebruary", "2/30/2003", std::nullopt},
        ParseRow{"LeapDay", "2/29/2004", CivilDate{2004, 2, 29}},
        ParseRow{"NoLeapDayInACentury", "2/29/1900", std::nullopt},
        ParseRow{"LeapDayInAFourthCentury", "2/29/2000", CivilDate{2000, 2, 29}},
        ParseRow{"MonthZero", "0/2/2003", std::nullopt},
        ParseRow{"MonthThirteen", "13/2/2003", std::nullopt},
        ParseRow{"DayZero", "1/0/2003", std::nullopt},
        ParseRow{"FifthSignificantDigitIsLeftOver", "1/2/20031", std::nullopt},
        ParseRow{"YearTenThousandIsLeftOver", "1/2/10000", std::nullopt},
        ParseRow{"LeadingZerosDoNotCount", "01/02/0002003", CivilDate{2003, 1, 2}},
        ParseRow{"ZeroPaddedYearBelowAHundredStillGetsTheCentury", "1/2/0099", CivilDate{2099, 1, 2}},
        ParseRow{"ThreeDigitYearGetsNoCentury", "1/2/100", CivilDate{100, 1, 2}},
        ParseRow{"PartlyTypedYearOfOneDigit", "3/15/2", CivilDate{2002, 3, 15}},
        ParseRow{"PartlyTypedYearOfThreeDigits", "3/15/200", CivilDate{200, 3, 15}},
        ParseRow{"TheEpochIsADateNotAFailure", "12/30/1899", CivilDate{1899, 12, 30}},
        ParseRow{"LastSupportedDay", "12/31/9999", CivilDate{9999, 12, 31}},
        ParseRow{"EmbeddedNul", std::string("1/2/2003\0", 9), std::nullopt},
        ParseRow{"NulInsteadOfSeparator", std::string("1\0" "2", 3), std::nullopt},
        ParseRow{"BytesThatAreNotUtf8", "1/2/\xff\xfe", std::nullopt},
        ParseRow{"NonAsciiDigitLookalike", "1/2/\xd9\xa3", std::nullopt}),
    [](const testing::TestParamInfo<ParseRow>& row) { return row.param.name; });

TEST(ParseDateText, DayMonthYearWithDots) {
  const DateLocale locale = localeWith("dd.MM.yy", '.');
  const ParseRow rows[] = {
      {"day and month", "15.3", CivilDate{2026, 3, 15}},
      {"two-digit year", "15.3.26", CivilDate{2026, 3, 15}},
      {"display text", "05.03.2026", CivilDate{2026, 3, 5}},
      {"trailing dot", "31.12.1999.", CivilDate{1999, 12, 31}},
      {"month is second", "3.15", std::nullopt},
      {"slash is not the separator here", "15/3/26", std::nullopt},
  };
  for (const ParseRow& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row, locale);
  }
}

TEST(ParseDateText, YearMonthDayWithDashes) {
  const DateLocale locale = localeWith("yyyy-MM-dd", '-');
  const ParseRow rows[] = {
      {"display text", "2026-03-05", CivilDate{2026, 3, 5}},
      {"two-digit year first", "26-3-5", CivilDate{2026, 3, 5}},
      {"two numbers are month and day", "3-5", CivilDate{2026, 3, 5}},
      {"day is last", "2026-5-31", CivilDate{2026, 5, 31}},
      {"thirty-first of a short month", "2026-4-31", std::nullopt},
      {"slash is not the separator here", "2026/03/05", std::nullopt},
  };
  for (const ParseRow& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row, locale);
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
      {"negative current year, two numbers", "1/2", -5, std::nullopt},
      {"four-digit year ignores the century", "1/2/1850", INT_MAX, CivilDate{1850, 1, 2}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row.text, row.date, DateLocale{}, row.currentYear);
  }
}

TEST(ParseDateText, ReadsOnlyWithinTheView) {
  const std::string buffer = "12/25/2003";
  EXPECT_EQ(parseDateText(std::string_view(buffer).substr(0, 5), noDate, DateLocale{}, thisYear),
            encodeDate(2026, 12, 25));
  EXPECT_EQ(parseDateText(std::string_view(buffer).substr(0, 6), noDate, DateLocale{}, thisYear), noDate);
  EXPECT_EQ(parseDateText(std::string_view(buffer).substr(0, 8), noDate, DateLocale{}, thisYear),
            encodeDate(2020, 12, 25));
}

TEST(ParseDateText, HugeInputsEndQuicklyAndSafely) {
  const std::size_t tenMegabytes = 10 * 1024 * 1024;
  const struct {
    std::string name;
    std::string text;
    std::optional<CivilDate> date;
  } rows[] = {
      {"digits only", std::string(tenMegabytes, '7'), std::nullopt},
      {"zeros only", std::string(tenMegabytes, '0'), std::nullopt},
      {"year after a sea of zeros", "1/2/" + std::string(tenMegabytes, '0') + "3", CivilDate{2003, 1, 2}},
      {"long year", "1/2/" + std::string(tenMegabytes, '9'), std::nullopt},
      {"trailing blanks", "12/25" + std::string(tenMegabytes, ' '), CivilDate{2026, 12, 25}},
      {"trailing NULs", "12/25" + std::string(tenMegabytes, '\0'), std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    expectParse(row.text, row.date, DateLocale{});
  }
}

// The text the program writes for a date must read back as that date in each locale form.
TEST(ParseDateText, DisplayTextReadsBackAsTheSameDay) {
  const DateLocale locales[] = {DateLocale{}, localeWith("dd.MM.yy", '.'), localeWith("yyyy-MM-dd", '-')};
  const DayNumber firstOfYear100 = encodeDate(100, 1, 1).value();
  for (const DateLocale& locale : locales) {
    SCOPED_TRACE(locale.shortDatePattern);
    const std::string pattern = displayDatePattern(locale.shortDatePattern);
    int mismatches = 0;
    for (DayNumber date = firstOfYear100; date <= lastDayNumber; date += 3) {
      const std::string text = formatDate(date, pattern, locale);
      if (parseDateText(text, noDate, locale, thisYear) != date && ++mismatches <= 5) ADD_FAILURE() << text;
    }
    EXPECT_EQ(mismatches, 0);
  }
}

}  // namespace
}  // namespace lunasoma
