// The fast searches against the searches as first written, on every case the
// first version answers within seconds: the same rows, sets and counts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "brute_force.h"
#include "previous_largest.h"
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

// The walk with the slack bound, the unit-class masks and the blocks of last
// generators against the walk before them, on cases up to a few seconds of
// the earlier walk: each diameter's answer, and so the emptiness of every N
// above it down from the bound, must come out the same, with the same set.
TEST(AgainstPreviousWalk, LargestAcrossDegreesAndDiameters) {
  struct Case {
    std::int32_t k;
    std::int32_t dFrom;
    std::int32_t dTo;
  };
  for (const Case c : {Case{1, 1, 20}, Case{2, 1, 20}, Case{3, 1, 9}, Case{4, 1, 4}, Case{5, 1, 3},
                       Case{6, 1, 2}, Case{7, 1, 2}, Case{8, 1, 1}}) {
    for (const bool ring : {false, true}) {
      const LargestQuery query{c.k, c.dFrom, c.dTo, {}, ring};
      EXPECT_EQ(FindLargest(query), previous::FindLargest(query)) << "k=" << c.k << " " << ring;
    }
  }
}

// The search by average drops sets by a bound on their sums, from a first
// ceiling drawn from a sample: both must leave every tie in place, on rings
// of every kind (primes, powers of two, many divisors, even and odd, below
// and around the vectors of 16 and 32 residues) and with every degree.
TEST(AgainstReference, BestOnManyRangesAndDegrees) {
  struct Range {
    std::int32_t nFrom;
    std::int32_t nTo;
    std::int32_t k;
  };
  for (const Range& r : std::vector<Range>{{3, 400, 2},
                                           {1020, 1030, 2},
                                           {201, 320, 3},
                                           {719, 721, 3},
                                           {1021, 1024, 3},
                                           {81, 120, 4},
                                           {10, 64, 5},
                                           {12, 36, 6},
                                           {14, 24, 7}}) {
    ExpectBestAsReference(r.nFrom, r.nTo, r.k);
  }
}

// Ring searches draw their first ceiling from ring sets only: a better set
// without 1 must not hide the best ring set.
TEST(AgainstReference, RingBestMatchesBruteForceOnLargerRings) {
  for (const auto& [n, k] : std::vector<std::pair<std::int32_t, std::int32_t>>{
           {251, 3}, {256, 3}, {360, 3}, {97, 4}, {120, 4}, {48, 5}}) {
    for (const By by : {By::kDiameter, By::kAverage}) {
      const auto rows = FindBest({n, n, k, by, {}, true, false});
      const auto expected = testing::BruteBest(n, k, by, true);
      ASSERT_TRUE(expected);
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_EQ(rows.front(), *expected) << "n=" << n << " k=" << k;
    }
  }
}

// Each part draws its first ceiling from its own sets, so a part keeps its
// own best even where another part holds a better one.
TEST(AgainstReference, BestShardsMergeToTheReference) {
  for (const By by : {By::kDiameter, By::kAverage}) {
    std::vector<std::vector<BestRow>> parts;
    for (std::int32_t i = 1; i <= 3; ++i) parts.push_back(FindBest({100, 180, 3, by, {i, 3}}));
    EXPECT_EQ(MergeBest(parts), reference::FindBest({100, 180, 3, by, {}}));
  }
}

// Shards split the new search into parts whose merge is the whole answer.
TEST(AgainstReference, LargestShardsMergeToTheReference) {
  const LargestQuery whole{4, 2, 3, {}};
  std::vector<std::vector<LargestRow>> parts;
  for (std::int32_t i = 1; i <= 3; ++i) parts.push_back(FindLargest({4, 2, 3, {i, 3}}));
  EXPECT_EQ(MergeLargest(parts), reference::FindLargest(whole));
}

}  // namespace
}  // namespace circscan
