// The read-out of a chart day and the chart's spoken description, against the sine of each cycle
// worked out here on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "model/Biorhythm.h"
#include "model/DayReadout.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }

// Halves away from zero, as a person rounds a percentage.
int percent(double fraction) { return static_cast<int>(std::lround(fraction * 100)); }

double sine(int period, int days) { return std::sin(2 * std::numbers::pi * days / period); }

DateLocale germanLocale() {
  DateLocale locale;
  locale.longDatePattern = "dddd, d. mmmm yyyy";
  locale.longMonthNames = {"Januar", "Februar", "M\u00e4rz", "April",   "Mai",      "Juni",
                           "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  locale.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  return locale;
}

DateLocale spanishLocale() {
  DateLocale locale;
  locale.longDatePattern = "dddd, d 'de' mmmm 'de' yyyy";
  locale.longMonthNames = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                           "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
  locale.longDayNames = {"domingo", "lunes", "martes", "mi\u00e9rcoles", "jueves", "viernes", "s\u00e1bado"};
  return locale;
}

TEST(DayReadout, PercentagesAreTheRoundedSinesAndTheirMean) {
  // Negative days lie before birth (a start date before the birth date); large ones many years on.
  for (const int days : {-400, -23, -1, 0, 1, 5, 7, 14, 18, 23, 100, 5537, 13354, 40000}) {
    SCOPED_TRACE(days);
    const double p = sine(23, days);
    const double e = sine(28, days);
    const double m = sine(33, days);
    const DayPercentages values = dayPercentages(days);
    EXPECT_EQ(values.physical, percent(p));
    EXPECT_EQ(values.emotional, percent(e));
    EXPECT_EQ(values.mental, percent(m));
    EXPECT_EQ(values.overall, percent((p + e + m) / 3));
  }
}

TEST(DayReadout, RoundsWhereTheChartTruncates) {
  // Day 5: Physical is 97.9 % of the amplitude; the chart's offset at amplitude 100 is 97.
  EXPECT_EQ(cycleOffset(Physical, 5, 100), 97);
  EXPECT_EQ(dayPercentages(5).physical, 98);
  EXPECT_EQ(dayPercentages(18).physical, -98);
  // Peaks and troughs come out whole: day 7 is the Emotional peak, day 21 its trough.
  EXPECT_EQ(dayPercentages(7).emotional, 100);
  EXPECT_EQ(dayPercentages(21).emotional, -100);
}

// The values follow the legend: Physical, Mental, Emotional, Overall.
TEST(DayReadout, TextIsTheLongDateAndTheFourValues) {
  const struct {
    const char* name;
    DateLocale locale;
    DayNumber birth;
    DayNumber date;
    std::string expected;
  } rows[] = {
      {"English", DateLocale{}, day(1990, 5, 17), day(2026, 12, 8),
       "Tuesday, December 8, 2026 / Physical -63% / Mental -87% / Emotional -43% / Overall -64%"},
      {"German", germanLocale(), day(1985, 1, 1), day(2000, 2, 29),
       "Dienstag, 29. Februar 2000 / Physical -100% / Mental -97% / Emotional -100% / Overall -99%"},
      {"Spanish, quoted words", spanishLocale(), day(2001, 9, 11), day(2001, 9, 11),
       "martes, 11 de septiembre de 2001 / Physical 0% / Mental 0% / Emotional 0% / Overall 0%"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(dayReadoutText(row.date, daysBetween(row.birth, row.date), row.locale), row.expected);
  }
}

TEST(DayReadout, NoTextForADateOutsideTheCalendar) {
  EXPECT_EQ(dayReadoutText(-700000, 0, DateLocale{}), "");
  EXPECT_EQ(dayReadoutText(std::nan(""), 0, DateLocale{}), "");
}

TEST(DayReadout, DescriptionTellsTheDatesAndTodaysValuesInWords) {
  EXPECT_EQ(chartDescriptionText(day(1990, 5, 17), day(2026, 12, 1), day(2026, 12, 8), DateLocale{}),
            "Biorhythm chart for a birth on Thursday, May 17, 1990, starting on Tuesday, December 1, 2026. "
            "Today, Tuesday, December 8, 2026: Physical minus 63 percent, Mental minus 87 percent, "
            "Emotional minus 43 percent, Overall minus 64 percent.");
  // Today's values, not the first chart day's.
  const std::string german = chartDescriptionText(day(1985, 1, 1), day(1999, 1, 1), day(2000, 2, 29), germanLocale());
  EXPECT_NE(german.find("1. Januar 1985"), std::string::npos) << german;
  EXPECT_NE(german.find("Freitag, 1. Januar 1999"), std::string::npos) << german;
  EXPECT_NE(german.find("Dienstag, 29. Februar 2000: Physical minus 100 percent"), std::string::npos) << german;
}

TEST(DayReadout, DescriptionOfAChartWithoutValidDates) {
  for (const auto& [birth, start] : {std::pair{0.0, day(2026, 12, 8)}, std::pair{day(1990, 5, 17), 1.0}}) {
    const std::string text = chartDescriptionText(birth, start, day(2026, 12, 8), DateLocale{});
    EXPECT_NE(text.find("not a valid date"), std::string::npos) << text;
    EXPECT_EQ(text.find("percent"), std::string::npos) << text;
  }
}

// Another language's words come in as patterns, and each part lands where its pattern puts it:
// the values in the language's order, the minus sign's word from its own pattern.
TEST(DayReadout, TextsFollowTheWordsTheyAreGiven) {
  ReadoutTexts words;
  words.dayReadout = "{date}: G{overall} E{emotional} M{mental} K{physical}";
  words.percent = "{percent} %";
  words.chartFor = "Ab {start} für {birth}.";
  words.todayValues = " Heute ({date}) {physical}/{mental}/{emotional}/{overall}.";
  words.percentWords = "{percent} Prozent";
  words.minusPercentWords = "minus {percent} Prozent";
  words.noChart = "Kein Diagramm.";
  const DayNumber birth = day(1990, 5, 17);
  const DayNumber today = day(2026, 12, 8);
  const DayPercentages values = dayPercentages(daysBetween(birth, today));
  const std::string readout = dayReadoutText(today, daysBetween(birth, today), DateLocale{}, false, words);
  EXPECT_EQ(readout, "Tuesday, December 8, 2026: G" + std::to_string(values.overall) + " % E" +
                         std::to_string(values.emotional) + " % M" + std::to_string(values.mental) + " % K" +
                         std::to_string(values.physical) + " %");
  EXPECT_EQ(chartDescriptionText(birth, day(2026, 12, 1), today, DateLocale{}, words),
            "Ab Tuesday, December 1, 2026 für Thursday, May 17, 1990. Heute (Tuesday, December 8, 2026) minus 63 "
            "Prozent/minus 87 Prozent/minus 43 Prozent/minus 64 Prozent.");
  EXPECT_EQ(chartDescriptionText(0.0, today, today, DateLocale{}, words), "Kein Diagramm.");
}

}  // namespace
}  // namespace lunasoma
