#include "model/Biorhythm.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace lunasoma {

// The factors are 2 pi / period written out at extended precision, so that every build computes
// the same sine arguments as the chart has always shown.
const Cycle Physical{"Physical", 23, 0.27318196987737332508L};
const Cycle Mental{"Mental", 33, 0.19039955476301777203L};
const Cycle Emotional{"Emotional", 28, 0.22439947525641380275L};

namespace {

struct SignRange {
  std::string_view name;
  int from;  // month * 100 + day, inclusive at both ends
  int to;
};

// Capricorn is what is left when no row matches: it spans the turn of the year.
constexpr std::array<SignRange, 11> signRanges{{
    {"Aquarius", 120, 218},
    {"Pisces", 219, 320},
    {"Aries", 321, 419},
    {"Taurus", 420, 520},
    {"Gemini", 521, 620},
    {"Cancer", 621, 722},
    {"Leo", 723, 822},
    {"Virgo", 823, 922},
    {"Libra", 923, 1022},
    {"Scorpio", 1023, 1121},
    {"Sagittarius", 1122, 1221},
}};

// The chart asks for three sines per day column, and sinl() spends most of its time on a general
// argument reduction. Our arguments stay below 2^30 in magnitude (an int day times a factor
// below 0.28), which allows a cheaper way to the same extended-precision sine: x = j * pi/16 + r
// with |r| <= pi/32, found by a three-part Cody-Waite reduction (j needs at most 32 bits and the
// first two parts hold 32, so both products are exact; the parts carry pi/16 to about 2^-135),
// then sin(x) = sin(j pi/16) cos(r) + cos(j pi/16) sin(r) with short Taylor series that are exact
// to well below the last bit at this range of r. Where the sine is exactly 0 or +-1 the table
// holds exact 0 and 1, so peaks and zero crossings come out exact just as with sinl().
long double sineOf(long double x) {
  constexpr long double sixteenOverPi = 0x1.45f306dc9c882a54p+2L;
  constexpr long double piOver16Part1 = 0x1.921fb544p-3L;
  constexpr long double piOver16Part2 = 0x1.0b4611a6p-37L;
  constexpr long double piOver16Part3 = 0x1.3198a2e03707344ap-72L;
  // sin(m pi/16) for m = 0..8, rounded to the nearest extended value.
  static constexpr long double quarterTable[9] = {
      0.0L,
      0x1.8f8b83c69a60ab64p-3L,
      0x1.87de2a6aea962d1ap-2L,
      0x1.1c73b39ae68c86cap-1L,
      0x1.6a09e667f3bcc908p-1L,
      0x1.a9b66290ea1a3034p-1L,
      0x1.d906bcf328d4628ap-1L,
      0x1.f6297cff75cb02acp-1L,
      0x1p+0L,
  };
  const auto sinOfStep = [](long long step) {
    const long long quadrant = (step >> 3) & 3;
    const long long m = step & 7;
    const long double value = quadrant & 1 ? quarterTable[8 - m] : quarterTable[m];
    return quadrant & 2 ? -value : value;
  };

  const long long step = std::llrint(x * sixteenOverPi);
  const long double k = static_cast<long double>(step);
  const long double r = ((x - k * piOver16Part1) - k * piOver16Part2) - k * piOver16Part3;
  const long double r2 = r * r;
  const long double r4 = r2 * r2;
  // Taylor terms up to r^11 and r^10, paired so that the x87 unit can overlap them; the first
  // terms left out are below 2^-72 (sine) and 2^-68 (cosine) relative for |r| <= pi/32.
  const long double sinTail =
      (-1.0L / 6 + r2 * (1.0L / 120)) + r4 * ((-1.0L / 5040 + r2 * (1.0L / 362880)) + r4 * (-1.0L / 39916800));
  const long double cosTail =
      (-1.0L / 2 + r2 * (1.0L / 24)) + r4 * ((-1.0L / 720 + r2 * (1.0L / 40320)) + r4 * (-1.0L / 3628800));
  const long double sinR = r + r * r2 * sinTail;
  const long double cosR = 1.0L + r2 * cosTail;
  return sinOfStep(step) * cosR + sinOfStep(step + 8) * sinR;
}

}  // namespace

int daysBetween(DayNumber from, DayNumber to) { return wholeDay(to) - wholeDay(from); }

int yearsBetween(DayNumber from, DayNumber to) {
  const CivilDate birth = decodeDate(from);
  const CivilDate day = decodeDate(to);
  const bool beforeBirthday = day.month < birth.month || (day.month == birth.month && day.day < birth.day);
  return day.year - birth.year - (beforeBirthday ? 1 : 0);
}

int cycleOffset(const Cycle& cycle, int day, int amplitude) {
  const long double offset = sineOf(static_cast<long double>(day) * cycle.factor) * amplitude;
  // A sine rounded to exactly -1 times INT_MIN would not fit an int; nothing else can leave the range.
  return static_cast<int>(std::clamp<long double>(offset, INT_MIN, INT_MAX));
}

std::string_view birthSign(DayNumber date) {
  const CivilDate civil = decodeDate(date);
  const int code = civil.month * 100 + civil.day;  // the date written as "mmdd", read as a number
  for (const SignRange& sign : signRanges) {
    if (code >= sign.from && code <= sign.to) return sign.name;
  }
  return "Capricorn";
}

DayNumber laterOf(DayNumber a, DayNumber b) { return b > a ? b : a; }

}  // namespace lunasoma
