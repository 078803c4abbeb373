#include <gtest/gtest.h>

#include "base/Rounding.h"

namespace gx {
namespace {

TEST(Rounding, ExactHalvesGoToEvenWhateverFloatingPointWouldSay) {
  EXPECT_EQ(ScaledRound(53, 274, 137), 26);  // 26.5
  EXPECT_EQ(ScaledRound(59, 274, 137), 30);  // 29.5
  EXPECT_EQ(ScaledRound(81, 274, 137), 40);  // 40.5
  EXPECT_EQ(ScaledRound(1, 400, 1000), 2);   // 2.5
  EXPECT_EQ(ScaledRound(3, 80, 1000), 38);   // 37.5
  EXPECT_EQ(ScaledRound(788, 500, 65), 102);  // 102.44
  EXPECT_EQ(ScaledRound(-3, 80, 1000), -38);
  EXPECT_EQ(ScaledRound(5, 0, 1000), 0);
}

}  // namespace
}  // namespace gx
