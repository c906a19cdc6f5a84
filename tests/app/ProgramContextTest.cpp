#include <gtest/gtest.h>

#include "app/ProgramContext.h"
#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

// The fields' text mixes two moments: the pattern and names of the locale at start, and the
// separator in force now (typed text is read with it, and what is written must read back). Names
// are UTF-8 and must arrive whole.
TEST(DisplayDateText, StartPatternAndNamesWithTheSeparatorGiven) {
  test::FakeHostServices host;
  HostServices services = host.services();
  BiorhythmSettings settings;
  DateLocale start;
  start.shortDatePattern = "dd/mmm/yy";
  start.dateSeparator = '.';
  start.shortMonthNames[2] = "M\xC3\xA4r";
  const ProgramContext context{services, settings, {}, {}, {}, {}, start, displayDatePattern(start.shortDatePattern)};
  const DayNumber fifthOfMarch2024 = *encodeDate(2024, 3, 5);
  struct Row {
    const char* name;
    char separator;
    QString text;
  };
  const Row rows[] = {
      {"the separator at start", '.', QString::fromUtf8("05.M\xC3\xA4r.2024")},
      {"a separator changed since", '-', QString::fromUtf8("05-M\xC3\xA4r-2024")},
  };
  for (const Row& row : rows)
    EXPECT_EQ(displayDateText(context, fifthOfMarch2024, row.separator), row.text) << row.name;
}

}  // namespace
}  // namespace lunasoma
