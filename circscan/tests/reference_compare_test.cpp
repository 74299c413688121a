// The fast searches against the searches as first written, on every case the
// first version answers within seconds: the same rows, sets and counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "reference_search.h"
#include "search.h"

namespace circscan {
namespace {

void ExpectLargestAsReference(std::int32_t k, std::int32_t dTo) {
  const LargestQuery query{k, 1, dTo, {}};
  EXPECT_EQ(FindLargest(query), reference::FindLargest(query)) << "k=" << k;
}

void ExpectBestAsReference(std::int32_t nFrom, std::int32_t nTo, std::int32_t k) {
  for (const By by : {By::kDiameter, By::kAverage}) {
    const BestQuery query{nFrom, nTo, k, by, {}};
    EXPECT_EQ(FindBest(query), reference::FindBest(query)) << "k=" << k;
  }
}

TEST(AgainstReference, LargestWithOneToThreeGenerators) {
  ExpectLargestAsReference(1, 6);
  ExpectLargestAsReference(2, 8);
  ExpectLargestAsReference(3, 6);
}

TEST(AgainstReference, LargestWithFourAndFiveGenerators) {
  ExpectLargestAsReference(4, 3);
  ExpectLargestAsReference(5, 2);
}

TEST(AgainstReference, BestWithThreeGenerators) { ExpectBestAsReference(6, 200, 3); }

TEST(AgainstReference, BestWithFourGenerators) { ExpectBestAsReference(8, 80, 4); }

// Shards split the new search into parts whose merge is the whole answer.
TEST(AgainstReference, LargestShardsMergeToTheReference) {
  const LargestQuery whole{4, 2, 3, {}};
  std::vector<std::vector<LargestRow>> parts;
  for (std::int32_t i = 1; i <= 3; ++i) parts.push_back(FindLargest({4, 2, 3, {i, 3}}));
  EXPECT_EQ(MergeLargest(parts), reference::FindLargest(whole));
}

}  // namespace
}  // namespace circscan
