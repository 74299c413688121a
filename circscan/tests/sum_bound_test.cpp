// The bound on the sum of distances against the queue search: it never drops
// a set at its own sum, whatever the ring (sizes around the 16- and
// 32-residue vectors, even and odd, N/2 as a generator) or the order in which
// sets share their prefixes, and it does drop most sets at the best sum of
// their ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "brute_force.h"
#include "sum_bound.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

TEST(SumBound, KeepsEverySetAtItsOwnSumAndDropsMostAtTheBest) {
  std::mt19937 random(7);
  std::size_t worse = 0;
  std::size_t dropped = 0;
  for (int round = 0; round < 300; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 300 + 4);
    const auto k = static_cast<std::int32_t>(random() % 5 + 2);
    if (k > n / 2) continue;
    List prefix;
    while (static_cast<std::int32_t>(prefix.size()) < k - 1) {
      const auto g = static_cast<std::int32_t>(random() % static_cast<unsigned>(n / 2) + 1);
      if (std::find(prefix.begin(), prefix.end(), g) == prefix.end()) prefix.push_back(g);
    }
    std::sort(prefix.begin(), prefix.end());
    SumBound bound(n, k);
    ASSERT_TRUE(bound.enabled());
    std::vector<std::pair<List, std::int64_t>> sets;
    for (std::int32_t last = 1; last <= n / 2; ++last) {
      if (std::find(prefix.begin(), prefix.end(), last) != prefix.end()) continue;
      List set = prefix;
      set.push_back(last);
      std::sort(set.begin(), set.end());
      const auto plain = testing::PlainSearch(n, set);
      if (!plain) continue;
      ASSERT_GE(plain->sum, bound.floor()) << "n=" << n;
      ASSERT_TRUE(bound.MayReach(plain->sum, set)) << "n=" << n << " k=" << k << " last=" << last;
      sets.emplace_back(set, plain->sum);
    }
    if (sets.empty()) continue;
    const std::int64_t best =
        std::min_element(sets.begin(), sets.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->second;
    for (const auto& [set, sum] : sets) {
      if (sum == best) continue;
      ++worse;
      if (!bound.MayReach(best, set)) ++dropped;
    }
  }
  EXPECT_GT(dropped, worse / 2) << dropped << " of " << worse;
}

}  // namespace
}  // namespace circscan
