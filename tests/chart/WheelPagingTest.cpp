// Wheel movement adding up to whole notches, and the move each notch makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/WheelPaging.h"

namespace lunasoma {
namespace {

TEST(WheelNotches, MovementsAddUpToWholeNotches) {
  const struct {
    std::string name;
    std::vector<int> deltas;
    std::vector<int> notches;  // returned after each delta
  } rows[] = {
      {"one notch away", {120}, {1}},
      {"one notch towards", {-120}, {-1}},
      {"three thirds of a notch", {40, 40, 40}, {0, 0, 1}},
      {"the rest carries on", {100, 100, 100, 40}, {0, 1, 1, 0}},
      {"two notches at once keep the rest", {250, 110}, {2, 1}},
      {"turning back drops the rest", {80, -40, -80}, {0, 0, -1}},
      {"turning back moves at once", {80, -120}, {0, -1}},
      {"turning forward again", {-60, 120}, {0, 1}},
      {"no movement keeps the rest", {60, 0, 60}, {0, 0, 1}},
      {"a flood does not overflow", {2'000'000'000, 2'000'000'000}, {16'666'666, 16'666'667}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WheelNotches wheel;
    ASSERT_EQ(row.deltas.size(), row.notches.size());
    for (std::size_t i = 0; i < row.deltas.size(); ++i) EXPECT_EQ(wheel.add(row.deltas[i]), row.notches[i]) << i;
  }
}

TEST(WheelNotches, UpGoesBackInTimeAndCtrlPages) {
  EXPECT_EQ(wheelMove(true, false), DateMove::OneDayBack);
  EXPECT_EQ(wheelMove(false, false), DateMove::OneDayForward);
  EXPECT_EQ(wheelMove(true, true), DateMove::PreviousPage);
  EXPECT_EQ(wheelMove(false, true), DateMove::NextPage);
}

}  // namespace
}  // namespace lunasoma
