#include <climits>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/Biorhythm.h"

namespace lunasoma {
namespace {

DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }

TEST(Biorhythm, CycleFactorsAreTwoPiOverThePeriodAtExtendedPrecision) {
  for (const Cycle* cycle : {&Physical, &Mental, &Emotional}) {
    SCOPED_TRACE(std::string(cycle->name));
    // A double-precision factor would be off by about 1e-17; the given digits are within 1e-19.
    EXPECT_LT(std::fabs(cycle->factor * cycle->period - 2 * std::numbers::pi_v<long double>), 1e-18L);
  }
}

TEST(Biorhythm, CycleOffsetTruncatesTowardZero) {
  const struct {
    std::string name;
    const Cycle& cycle;
    int day;
    int amplitude;
    int offset;
  } rows[] = {
      {"a cycle starts at zero", Physical, 0, 100, 0},
      {"physical day 5 (97.9)", Physical, 5, 100, 97},
      {"physical day 18 (-97.9)", Physical, 18, 100, -97},
      {"before birth is the mirror image", Physical, -5, 100, -97},
      {"physical day 10 at a larger amplitude (99.6)", Physical, 10, 250, 99},
      {"mental day 18 (-28.2)", Mental, 18, 100, -28},
      {"emotional day 5 (90.1)", Emotional, 5, 100, 90},
      {"emotional peak reaches the amplitude", Emotional, 7, 100, 100},
      {"emotional half period is a tiny negative, not -1", Emotional, 14, 100, 0},
      {"whole physical period", Physical, 23, 100, 0},
      {"many years after birth", Emotional, 10000, 250, 195},
      {"long before birth", Mental, -40, 250, -242},
      {"negative amplitude flips the curve", Physical, 5, -100, -97},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(cycleOffset(row.cycle, row.day, row.amplitude), row.offset);
  }
}

// cycleOffset takes its own road to the sine for speed; the library's sinl on the same product is
// the reference it must match on every day a chart can show and on days far beyond.
TEST(Biorhythm, CycleOffsetMatchesTheLibrarySine) {
  std::vector<int> days;
  for (int d = -60000; d <= 60000; ++d) days.push_back(d);
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX);
  for (int i = 0; i < 10000; ++i) days.push_back(anyInt(random));
  days.insert(days.end(), {INT_MIN, INT_MAX});

  int mismatches = 0;
  for (const Cycle* cycle : {&Physical, &Mental, &Emotional}) {
    for (const int d : days) {
      const long double sine = sinl(static_cast<long double>(d) * cycle->factor);
      for (const int amplitude : {100, 180, 1000, 1000000}) {
        const int expected = static_cast<int>(sine * amplitude);
        if (cycleOffset(*cycle, d, amplitude) != expected && ++mismatches <= 5) {
          ADD_FAILURE() << cycle->name << " day " << d << " amplitude " << amplitude;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Biorhythm, DaysBetweenIgnoresTheTimeOfDay) {
  EXPECT_EQ(daysBetween(day(2000, 5, 10), day(2000, 5, 10)), 0);
  EXPECT_EQ(daysBetween(day(2000, 1, 1), day(2001, 1, 1)), 366);
  EXPECT_EQ(daysBetween(day(2001, 1, 1), day(2000, 1, 1)), -366);
  EXPECT_EQ(daysBetween(1.9, 3.1), 2);
  // Each side is truncated toward zero before subtracting, so these straddle day 0 without a step.
  EXPECT_EQ(daysBetween(-0.5, 0.5), 0);
  EXPECT_EQ(daysBetween(-1.5, 0.0), 1);
  EXPECT_EQ(daysBetween(firstDayNumber, lastDayNumber), 3652058);
  EXPECT_EQ(daysBetween(-1e300, 1e300), 3652058);
}

TEST(Biorhythm, YearsBetweenCountsBirthdaysReached) {
  const struct {
    std::string name;
    DayNumber birth;
    DayNumber on;
    int years;
  } rows[] = {
      {"same day", day(1990, 5, 10), day(1990, 5, 10), 0},
      {"day before the tenth birthday", day(1990, 5, 10), day(2000, 5, 9), 9},
      {"tenth birthday", day(1990, 5, 10), day(2000, 5, 10), 10},
      {"later month, earlier day", day(1990, 5, 10), day(2000, 6, 1), 10},
      {"leap birthday not reached on 28 February", day(1996, 2, 29), day(1997, 2, 28), 0},
      {"leap birthday reached on 1 March", day(1996, 2, 29), day(1997, 3, 1), 1},
      {"leap birthday in a leap year", day(1996, 2, 29), day(2000, 2, 29), 4},
      {"day before birth", day(2000, 5, 10), day(2000, 5, 9), -1},
      {"ten years before birth", day(2000, 5, 10), day(1990, 5, 10), -10},
      {"across the whole span", firstDayNumber, lastDayNumber, 9998},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(yearsBetween(row.birth, row.on), row.years);
  }
}

TEST(Biorhythm, BirthSignBoundaries) {
  const struct {
    CivilDate date;
    std::string_view sign;
  } rows[] = {
      {{2001, 1, 1}, "Capricorn"},     {{2001, 1, 19}, "Capricorn"},  {{2001, 1, 20}, "Aquarius"},
      {{2001, 2, 18}, "Aquarius"},     {{2001, 2, 19}, "Pisces"},     {{2000, 2, 29}, "Pisces"},
      {{2001, 3, 20}, "Pisces"},       {{2001, 3, 21}, "Aries"},      {{2001, 4, 19}, "Aries"},
      {{2001, 4, 20}, "Taurus"},       {{2001, 5, 20}, "Taurus"},     {{2001, 5, 21}, "Gemini"},
      {{2001, 6, 20}, "Gemini"},       {{2001, 6, 21}, "Cancer"},     {{2001, 7, 22}, "Cancer"},
      {{2001, 7, 23}, "Leo"},          {{2001, 8, 22}, "Leo"},        {{2001, 8, 23}, "Virgo"},
      {{2001, 9, 22}, "Virgo"},        {{2001, 9, 23}, "Libra"},      {{2001, 10, 22}, "Libra"},
      {{2001, 10, 23}, "Scorpio"},     {{2001, 11, 21}, "Scorpio"},   {{2001, 11, 22}, "Sagittarius"},
      {{2001, 12, 21}, "Sagittarius"}, {{2001, 12, 22}, "Capricorn"}, {{2001, 12, 31}, "Capricorn"},
      {{1, 1, 1}, "Capricorn"},        {{1899, 12, 30}, "Capricorn"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.date.year) + "-" + std::to_string(row.date.month) + "-" +
                 std::to_string(row.date.day));
    EXPECT_EQ(birthSign(day(row.date.year, row.date.month, row.date.day)), row.sign);
  }
}

TEST(Biorhythm, LaterOfKeepsTheStartFromMovingBeforeBirth) {
  const DayNumber birth = day(1990, 5, 10);
  EXPECT_EQ(laterOf(birth - 1, birth), birth);
  EXPECT_EQ(laterOf(birth, birth - 1), birth);
  EXPECT_EQ(laterOf(birth + 30, birth), birth + 30);
  EXPECT_EQ(laterOf(-3.0, -2.5), -2.5);
}

}  // namespace
}  // namespace lunasoma
