#include <gtest/gtest.h>

#include <QLocale>

#include "platform/QtDateLocale.h"

namespace lunasoma {
namespace {

TEST(QtDateLocaleTest, TakesPatternsSeparatorAndNamesFromTheLocale) {
  struct Row {
    const char* locale;
    std::string shortPattern;
    char separator;
    std::string longPattern;
    std::string march;
    std::string sunday;
    std::string shortSunday;
  };
  const Row rows[]{
      {"en_US", "m/d/yy", '/', "dddd, mmmm d, yyyy", "March", "Sunday", "Sun"},
      {"de_DE", "dd.mm.yy", '.', "dddd, d. mmmm yyyy", "M\xC3\xA4rz", "Sonntag", "So."},
      {"sv_SE", "yyyy-mm-dd", '-', "dddd d mmmm yyyy", "mars", "s\xC3\xB6ndag", "s\xC3\xB6n"},
      // Qt's quoted text stays literal; the invisible direction marks are no separator.
      {"bg_BG", "d.mm.yy \"\xD0\xB3\".", '.', "dddd, d mmmm yyyy \"\xD0\xB3\".", "\xD0\xBC\xD0\xB0\xD1\x80\xD1\x82",
       "\xD0\xBD\xD0\xB5\xD0\xB4\xD0\xB5\xD0\xBB\xD1\x8F", "\xD0\xBD\xD0\xB4"},
      {"ar_EG", "d\xE2\x80\x8F/m\xE2\x80\x8F/yyyy", '/', "dddd\xD8\x8C d mmmm yyyy", "\xD9\x85\xD8\xA7\xD8\xB1\xD8\xB3",
       "\xD8\xA7\xD9\x84\xD8\xA3\xD8\xAD\xD8\xAF", "\xD8\xA7\xD9\x84\xD8\xA3\xD8\xAD\xD8\xAF"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.locale);
    const DateLocale locale = dateLocaleFrom(QLocale(QString::fromLatin1(row.locale)));
    EXPECT_EQ(locale.shortDatePattern, row.shortPattern);
    EXPECT_EQ(locale.dateSeparator, row.separator);
    EXPECT_EQ(locale.longDatePattern, row.longPattern);
    EXPECT_EQ(locale.longMonthNames[2], row.march);
    EXPECT_EQ(locale.longDayNames[0], row.sunday);
    EXPECT_EQ(locale.shortDayNames[0], row.shortSunday);
  }
}

TEST(QtDateLocaleTest, TheCAndPosixLocalesGiveTheDefaults) {
  const DateLocale defaults;
  for (const char* name : {"C", "POSIX"}) {
    SCOPED_TRACE(name);
    const DateLocale locale = dateLocaleFrom(QLocale(QString::fromLatin1(name)));
    EXPECT_EQ(locale.shortDatePattern, defaults.shortDatePattern);
    EXPECT_EQ(locale.dateSeparator, defaults.dateSeparator);
    EXPECT_EQ(locale.longDatePattern, defaults.longDatePattern);
    EXPECT_EQ(locale.longMonthNames, defaults.longMonthNames);
    EXPECT_EQ(locale.shortDayNames, defaults.shortDayNames);
  }
}

TEST(QtDateLocaleTest, QuotedTextInAQtFormatStaysLiteral) {
  struct Row {
    const char* qtFormat;
    std::string pattern;
    char separator;
  };
  const Row rows[]{
      {"d 'de' MMMM", "d \"de\" mmmm", ' '},
      {"dd''MM", "dd\"'\"mm", '/'},           // '' is a quote, which is no separator
      {"'a\"b'yy", "\"a\"'\"'\"b\"yy", '/'},  // a double quote can only stand in single quotes
      {"'x-y'dd.MM", "\"x-y\"dd.mm", '.'},    // the separator is never taken from quoted text
      {"ddMMyy", "ddmmyy", '/'},
      {"'unfinished", "\"unfinished\"", '/'},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.qtFormat);
    EXPECT_EQ(productDatePattern(QString::fromUtf8(row.qtFormat)), row.pattern);
    EXPECT_EQ(dateSeparatorOf(QString::fromUtf8(row.qtFormat)), row.separator);
  }
}

}  // namespace
}  // namespace lunasoma
