// The coverage test against the queue search: a set covers the ring within d
// steps exactly when it is connected with D <= d. Ring sizes around the word
// boundaries, N/2 as a generator, and prefixes reused for many last
// generators, as the walks use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "ball_cover.h"
#include "brute_force.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

TEST(BallCover, CoversExactlyTheSetsOfDiameterAtMostD) {
  std::mt19937 random(5);
  for (int round = 0; round < 400; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 400 + 3);
    const auto k = static_cast<std::int32_t>(random() % std::min(4, n / 2) + 1);
    const auto d = static_cast<std::int32_t>(random() % 7 + 1);
    List prefix;
    while (static_cast<std::int32_t>(prefix.size()) < k - 1) {
      const auto g = static_cast<std::int32_t>(random() % static_cast<unsigned>(n / 2) + 1);
      if (std::find(prefix.begin(), prefix.end(), g) == prefix.end()) prefix.push_back(g);
    }
    BallCover cover(n, d, k - 1);
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      cover.Push(static_cast<std::int32_t>(i), prefix[i]);
    }
    for (std::int32_t last = 1; last <= n / 2; ++last) {
      if (std::find(prefix.begin(), prefix.end(), last) != prefix.end()) continue;
      List set = prefix;
      set.push_back(last);
      const auto plain = testing::PlainSearch(n, set);
      const bool within = plain && plain->diameter <= d;
      ASSERT_EQ(cover.Covers(k - 1, last), within) << "n=" << n << " d=" << d << " last=" << last;
    }
  }
}

}  // namespace
}  // namespace circscan
