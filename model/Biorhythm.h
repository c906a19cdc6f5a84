#pragma once
// The three biorhythm cycles, ages in days and years, and the birth sign.
// Pure functions: no state, no clock.

#include <string_view>

#include "model/Calendar.h"

namespace lunasoma {

struct Cycle {
  std::string_view name;
  int period;
  long double factor;  // 2 pi / period at extended precision
};

extern const Cycle Physical;
extern const Cycle Mental;
extern const Cycle Emotional;

// Day numbers are taken through wholeDay(), so out-of-range or NaN inputs are clamped, never UB.
int daysBetween(DayNumber from, DayNumber to);
int yearsBetween(DayNumber from, DayNumber to);  // whole years of age at `to` for a birth on `from`
// Truncated sin(day * factor) * amplitude; the product is deliberately not reduced modulo the period.
int cycleOffset(const Cycle& cycle, int day, int amplitude);
std::string_view birthSign(DayNumber date);
DayNumber laterOf(DayNumber a, DayNumber b);  // a when the two are equal

}  // namespace lunasoma
