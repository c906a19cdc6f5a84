#include "model/CycleMarks.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/DayReadout.h"

namespace lunasoma {

namespace {

// Where a day falls within the period, 0 .. period - 1, for days on either side of day 0.
long long placeInPeriod(int period, long long day) { return ((day % period) + period) % period; }

// The sign of sin(2 pi d / p) from d's place within the period: zero at the start and (for even
// periods) the middle, positive in the first half, negative in the second.
int sineSign(int period, long long day) {
  const long long place = placeInPeriod(period, day);
  if (place == 0 || 2 * place == period) return 0;
  return 2 * place < period ? 1 : -1;
}

}  // namespace

bool isCriticalDay(const Cycle& cycle, int daysSinceBirth) {
  const int today = sineSign(cycle.period, daysSinceBirth);
  const int tomorrow = sineSign(cycle.period, static_cast<long long>(daysSinceBirth) + 1);
  return today == 0 || today * tomorrow < 0;
}

int compatibilityPercent(const Cycle& cycle, int daysApart) {
  // Only the place within the period matters, and reducing first keeps the angle small and exact.
  const long long place = placeInPeriod(cycle.period, daysApart);
  const long double cosine = std::cos(std::numbers::pi_v<long double> * place / cycle.period);
  return static_cast<int>(std::lround(100.0L * cosine * cosine));
}

std::string dayTableCsv(DayNumber birth, DayNumber start, int days, bool withCritical) {
  std::string table = "Date,Physical,Emotional,Mental,Overall";
  if (withCritical) table += ",Critical";
  table += '\n';
  const int firstDay = daysBetween(birth, start);
  for (int i = 0; i < days; ++i) {
    const DayNumber day = start + i;
    if (!std::isfinite(day) || day < firstDayNumber || day > lastDayNumber) return {};
    const CivilDate date = decodeDate(day);
    const DayPercentages values = dayPercentages(firstDay + i);
    char row[96];
    std::snprintf(row, sizeof row, "%04d-%02d-%02d,%d,%d,%d,%d", date.year, date.month, date.day, values.physical,
                  values.emotional, values.mental, values.overall);
    table += row;
    if (withCritical) {
      table += ',';
      bool first = true;
      for (const Cycle* cycle : ComparedCycles) {
        if (!isCriticalDay(*cycle, firstDay + i)) continue;
        if (!first) table += ' ';
        table += cycle->name;
        first = false;
      }
    }
    table += '\n';
  }
  return table;
}

}  // namespace lunasoma
