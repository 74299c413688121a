#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "brute_force.h"
#include "ring_search.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

List RandomSet(std::mt19937& random, std::int32_t n, std::int32_t k) {
  List set;
  while (static_cast<std::int32_t>(set.size()) < k) {
    const auto g = static_cast<std::int32_t>(random() % static_cast<unsigned>(n / 2) + 1);
    if (std::find(set.begin(), set.end(), g) == set.end()) set.push_back(g);
  }
  std::sort(set.begin(), set.end());
  return set;
}

// Word boundaries matter: N around 64 and 128, N/2 as a generator.
TEST(RingSearch, UnboundedSearchMatchesAQueueSearch) {
  std::mt19937 random(3);
  for (int round = 0; round < 4000; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 300 + 3);
    const auto k = static_cast<std::int32_t>(random() % std::min(4, n / 2) + 1);
    const List set = RandomSet(random, n, k);
    RingSearch search(n, k);
    const auto fast = search.Run(set, {});
    const auto plain = testing::PlainSearch(n, set);
    ASSERT_EQ(fast.has_value(), plain.has_value()) << n;
    if (!fast) continue;
    EXPECT_EQ(fast->diameter, plain->diameter) << n;
    EXPECT_EQ(fast->sum, plain->sum) << n;
  }
}

// A ceiling equal to the result keeps it; one step below abandons it. Any
// lower bound that overshoots would lose ties, and the counts with them.
TEST(RingSearch, KeepsTiesAndAbandonsOnlyWhatIsCertainlyWorse) {
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 200 + 4);
    const auto k = static_cast<std::int32_t>(random() % std::min(3, n / 2) + 1);
    List set = RandomSet(random, n, k);
    set[0] = 1;  // connected
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    RingSearch search(n, static_cast<std::int32_t>(set.size()));
    const auto exact = search.Run(set, {});
    ASSERT_TRUE(exact);
    for (const Order order : {Order::kDiameterFirst, Order::kSumFirst}) {
      EXPECT_EQ(search.Run(set, {order, exact->diameter, exact->sum}), exact);
      EXPECT_FALSE(search.Run(set, {order, exact->diameter, exact->sum - 1}));
      EXPECT_FALSE(search.Run(set, {Order::kDiameterFirst, exact->diameter - 1, INT64_MAX}));
    }
    EXPECT_EQ(search.Run(set, {Order::kDiameterFirst, exact->diameter, INT64_MAX}), exact);
    EXPECT_EQ(search.Run(set, {Order::kSumFirst, 0, exact->sum + 1}), exact);
  }
}

TEST(RingSearch, DisconnectedSetsGiveNothing) {
  RingSearch search(12, 2);
  EXPECT_FALSE(search.Run(List{2, 4}, {}));
  EXPECT_FALSE(search.Run(List{3, 6}, {}));
  EXPECT_TRUE(search.Run(List{3, 4}, {}));
}

}  // namespace
}  // namespace circscan
