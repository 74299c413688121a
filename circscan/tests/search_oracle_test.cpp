// The fast searches against the plain definitions on every small N, where
// every kind of orbit occurs: sets with a unit, sets without one (N = 6:
// {2, 3}), sets fixed by some units and sets that are not.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "brute_force.h"
#include "search.h"

namespace circscan {
namespace {

void ExpectSameAsBruteForce(std::int32_t nFrom, std::int32_t nTo, std::int32_t k, By by) {
  const auto rows = FindBest({nFrom, nTo, k, by, {}});
  std::size_t next = 0;
  for (std::int32_t n = nFrom; n <= nTo; ++n) {
    const auto expected = testing::BruteBest(n, k, by);
    if (!expected) continue;
    ASSERT_LT(next, rows.size()) << "no row for n=" << n << " k=" << k;
    EXPECT_EQ(rows[next], *expected) << "n=" << n << " k=" << k;
    ++next;
  }
  EXPECT_EQ(next, rows.size()) << "a row for an N without a connected set";
}

TEST(FindBest, MatchesBruteForceOnEverySmallRing) {
  for (const By by : {By::kDiameter, By::kAverage}) {
    ExpectSameAsBruteForce(3, 80, 1, by);
    ExpectSameAsBruteForce(3, 80, 2, by);
    ExpectSameAsBruteForce(6, 48, 3, by);
    ExpectSameAsBruteForce(8, 30, 4, by);
  }
}

// Highly composite N have the most sets without a unit generator, and the
// largest stabilisers.
TEST(FindBest, MatchesBruteForceWhereFewGeneratorsAreUnits) {
  for (const std::int32_t n : {60, 72, 84, 90}) {
    ExpectSameAsBruteForce(n, n, 3, By::kDiameter);
    ExpectSameAsBruteForce(n, n, 3, By::kAverage);
  }
  ExpectSameAsBruteForce(30, 30, 5, By::kAverage);
  ExpectSameAsBruteForce(36, 36, 5, By::kDiameter);
}

TEST(FindBest, ARangeWithoutRoomForKGeneratorsGivesNoRows) {
  EXPECT_TRUE(FindBest({3, 7, 4, By::kDiameter, {}}).empty());
  // The smallest N's of a range that have too few generators are left out.
  const auto rows = FindBest({3, 10, 3, By::kDiameter, {}});
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().n, 6);
}

TEST(FindLargest, MatchesBruteForceFromTheBound) {
  for (const auto& [k, d] : std::vector<std::pair<std::int32_t, std::int32_t>>{
           {1, 1}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 1}, {3, 2}, {3, 3}, {4, 2}}) {
    const auto bound = LargestBound(k, d);
    ASSERT_TRUE(bound);
    const auto expected = testing::BruteLargest(k, d, *bound);
    ASSERT_TRUE(expected);
    const auto rows = FindLargest({k, d, d, {}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front(), *expected) << "k=" << k << " d=" << d;
  }
}

TEST(LargestBound, CountsLatticePointsAndRefusesHugeOnes) {
  EXPECT_EQ(LargestBound(2, 3), 25);
  EXPECT_EQ(LargestBound(3, 7), 575);
  EXPECT_EQ(LargestBound(1, 5), 11);
  EXPECT_FALSE(LargestBound(0, 3));
  EXPECT_FALSE(LargestBound(3, 0));
  EXPECT_FALSE(LargestBound(20, 20));
  EXPECT_FALSE(LargestBound(1000000, 1000000));
}

}  // namespace
}  // namespace circscan
