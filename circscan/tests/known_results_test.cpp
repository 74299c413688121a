// Results from the literature that the searches must reproduce.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "search.h"

namespace circscan {
namespace {

TEST(KnownResults, SmallestDiameterOfTwoGeneratorsForEveryNUpTo1000) {
  const auto rows = FindBest({5, 1000, 2, By::kDiameter, {}});
  ASSERT_EQ(rows.size(), 996u);
  for (const BestRow& row : rows) {
    const auto expected =
        static_cast<std::int32_t>(std::ceil((std::sqrt(2.0 * row.n - 1) - 1) / 2));
    EXPECT_EQ(row.diameter, expected) << "n=" << row.n;
  }
}

TEST(KnownResults, LargestTwoGeneratorCirculantsReachTheLatticeBound) {
  const auto rows = FindLargest({2, 2, 8, {}});
  std::vector<std::int32_t> sizes;
  for (const auto& row : rows) sizes.push_back(row.n);
  EXPECT_EQ(sizes, (std::vector<std::int32_t>{13, 25, 41, 61, 85, 113, 145}));
  // 2d^2 + 2d + 1, reached by {1, 2d + 1}.
  EXPECT_EQ(rows.back().generators, (std::vector<std::int32_t>{1, 17}));
}

TEST(KnownResults, LargestDegreeSixCirculantsUpToDiameter6) {
  const auto rows = FindLargest({3, 2, 6, {}});
  std::vector<std::int32_t> sizes;
  for (const auto& row : rows) sizes.push_back(row.n);
  EXPECT_EQ(sizes, (std::vector<std::int32_t>{21, 55, 117, 203, 333}));
}

}  // namespace
}  // namespace circscan
