// lunasoma-chart's choices beyond the chart itself: the table of the shown days read back as a
// spreadsheet would read it, the marks and the comparison in the drawing calls, and the arguments
// it refuses.
#include <QFile>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/CycleMarks.h"
#include "model/DayReadout.h"
#include "programs/lunasoma-chart/ChartRequest.h"
#include "tests/programs/ProgramRun.h"

namespace lunasoma {
namespace {

const QString ChartProgramFile = QStringLiteral(LUNASOMA_CHART_PROGRAM);

class ChartProgramExtras : public ::testing::Test {
 protected:
  test::ProgramRun chart(QStringList arguments) {
    for (QString& argument : arguments) argument.replace("{out}", out.path());
    return test::runProgram({ChartProgramFile, arguments, sandbox.environment(), out.path(), {}, {}});
  }

  test::ProgramSandbox sandbox;
  test::TempFolder out;
};

TEST_F(ChartProgramExtras, TheTableHoldsEveryShownDayAsTheReadoutReadsIt) {
  struct Row {
    const char* name;
    QStringList extra;
    int days;
    bool critical;
  };
  const Row rows[] = {
      {"three weeks", {}, 21, false},
      {"one week with critical days", {"--weeks", "1", "--critical"}, 7, true},
      {"eight weeks", {"--weeks", "8", "--critical"}, 56, true},
  };
  const DayNumber birth = *encodeDate(1990, 5, 10);
  const DayNumber start = *encodeDate(2024, 2, 26);  // across a leap day
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const test::ProgramRun run =
        chart(QStringList{"--birth", "1990-05-10", "--start", "2024-02-26", "--out", "{out}/days.csv"} + row.extra);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(out.path() + "/days.csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    ASSERT_EQ(lines.size(), row.days + 2) << "a header, the days, and the end of the last line";
    EXPECT_EQ(lines.last(), QString());
    EXPECT_EQ(lines[0], row.critical ? "Date,Physical,Emotional,Mental,Overall,Critical"
                                     : "Date,Physical,Emotional,Mental,Overall");
    for (int i = 0; i < row.days; ++i) {
      const QStringList cells = lines[i + 1].split(',');
      ASSERT_EQ(cells.size(), row.critical ? 6 : 5) << lines[i + 1].toStdString();
      const CivilDate date = decodeDate(start + i);
      EXPECT_EQ(cells[0], QStringLiteral("%1-%2-%3")
                              .arg(date.year, 4, 10, QLatin1Char('0'))
                              .arg(date.month, 2, 10, QLatin1Char('0'))
                              .arg(date.day, 2, 10, QLatin1Char('0')));
      const int days = static_cast<int>(start - birth) + i;
      const DayPercentages values = dayPercentages(days);
      EXPECT_EQ(cells[1].toInt(), values.physical);
      EXPECT_EQ(cells[2].toInt(), values.emotional);
      EXPECT_EQ(cells[3].toInt(), values.mental);
      EXPECT_EQ(cells[4].toInt(), values.overall);
      if (row.critical) {
        QStringList critical;
        for (const Cycle* cycle : ComparedCycles) {
          if (isCriticalDay(*cycle, days)) critical.append(QString::fromLatin1(cycle->name.data(), cycle->name.size()));
        }
        EXPECT_EQ(cells[5], critical.join(' ')) << days;
      }
    }
  }
}

TEST_F(ChartProgramExtras, MarksAndComparisonAppearInTheDrawingCallsOnlyWhenAsked) {
  const QStringList base{"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"};
  const test::ProgramRun plain = chart(base);
  ASSERT_EQ(plain.exitCode, 0);
  const test::ProgramRun extras =
      chart(base + QStringList{"--person", "Zo\u00eb", "--compare", "1990-05-17", "--critical", "--today"});
  ASSERT_EQ(extras.exitCode, 0) << extras.err.toStdString();
  const QString text = QString::fromUtf8(extras.out);
  EXPECT_TRUE(text.contains("Zo\u00eb, born on Thursday, May 10, 1990 (Taurus)")) << text.toStdString();
  EXPECT_TRUE(text.contains("Compared with 1990-05-17: Physical 33%, Emotional 50%, Mental 62%"));
  EXPECT_FALSE(QString::fromUtf8(plain.out).contains("Compared with"));
  EXPECT_GT(extras.out.count("1 dot"), plain.out.count("1 dot"));
}

TEST(ChartRequestExtras, ArgumentsAreReadOrNamed) {
  struct Row {
    std::vector<std::string> arguments;
    std::string error;  // empty when good
  };
  const Row rows[] = {
      {{"--birth", "1990-05-10", "--ops", "--compare", "1991-02-30"}, "--compare: not a date"},
      {{"--birth", "1990-05-10", "--ops", "--compare"}, "--compare: a value is missing"},
      {{"--birth", "1990-05-10", "--ops", "--person"}, "--person: a value is missing"},
      {{"--birth", "1990-05-10", "--out", "days.CSV", "--critical", "--today"}, ""},
      {{"--birth", "1990-05-10", "--ops", "--person", "--today"}, ""},  // a name may look like an option
  };
  for (const Row& row : rows) {
    const ChartRequestParse parsed = parseChartRequest(row.arguments);
    if (row.error.empty()) {
      EXPECT_TRUE(parsed.request) << parsed.error;
    } else {
      EXPECT_FALSE(parsed.request);
      EXPECT_EQ(parsed.error.rfind(row.error, 0), 0u) << parsed.error;
    }
  }
  const ChartRequestParse named = parseChartRequest({"--birth", "1990-05-10", "--ops", "--person", "--today"});
  ASSERT_TRUE(named.request);
  EXPECT_EQ(named.request->person, "--today");
  EXPECT_FALSE(named.request->today);
}

}  // namespace
}  // namespace lunasoma
