#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/Maths.h"

namespace {

TEST(Round, ExactHalvesGoToTheEvenNeighbour) {
  const std::vector<std::pair<double, long long>> cases = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {2.49, 2},
      {2.51, 3},
      {-2.51, -3},
      {1e15 + 0.5, 1000000000000000},
      {7.0, 7},
  };
  for (const auto& [x, expected] : cases) EXPECT_EQ(Round(x), expected) << x;
}

TEST(Round, ValuesWithoutAnIntegerRaiseInvalidOp) {
  EXPECT_THROW(Round(std::nan("")), EInvalidOp);
  EXPECT_THROW(Round(1e19), EInvalidOp);
  EXPECT_THROW(Trunc(-1e19), EInvalidOp);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
}

TEST(Random, SequenceFollowsFromRandSeed) {
  // RandSeed := RandSeed * 134775813 + 1; Random(n) = (seed * n) shr 32.
  RandSeed = 0;
  std::vector<int> got;
  for (int i = 0; i < 6; ++i) got.push_back(Random(100));
  EXPECT_EQ(got, (std::vector<int>{0, 3, 86, 20, 27, 67}));

  RandSeed = 12345;
  got.clear();
  for (int i = 0; i < 4; ++i) got.push_back(Random(1000));
  EXPECT_EQ(got, (std::vector<int>{385, 289, 79, 553}));
  EXPECT_EQ(RandSeed, -1917230139);  // the seed wraps as a signed 32-bit value
}

TEST(Random, RangesStayWithinTheirBounds) {
  RandSeed = 77;
  for (int i = 0; i < 1000; ++i) {
    int r = RandomRange(10, 5);  // either order of the ends
    EXPECT_GE(r, 5);
    EXPECT_LT(r, 10);
    double f = Random();
    EXPECT_GE(f, 0.0);
    EXPECT_LT(f, 1.0);
  }
  EXPECT_EQ(Random(0), 0);
}

TEST(Maths, MixedTypeMaxMinAndIntPower) {
  EXPECT_EQ(Max(3, 7LL), 7LL);
  EXPECT_DOUBLE_EQ(Min(2, 1.5), 1.5);
  EXPECT_DOUBLE_EQ(IntPower(2, -2), 0.25);
  EXPECT_DOUBLE_EQ(IntPower(10, 3), 1000);
  EXPECT_EQ(Floor(-1.5), -2);
  EXPECT_EQ(Ceil(-1.5), -1);
  // An Integer result out of range is an error, never a wrapped value.
  EXPECT_EQ(Floor(-2147483648.0), INT32_MIN);
  EXPECT_EQ(Ceil(2147483646.5), INT32_MAX);
  EXPECT_THROW(Floor(-2147483648.5), EInvalidOp);
  EXPECT_THROW(Ceil(2147483647.5), EInvalidOp);
  EXPECT_THROW(Floor(std::nan("")), EInvalidOp);
}

}  // namespace
