// The pieces of the slack walk against the plain tests they replace: the
// block test against BallCover's test of one last generator, the unit-class
// mask against the two conditions it lists, over rings around the word
// boundaries, steps t that share factors with n, and many prefixes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "ball_cover.h"
#include "block_cover.h"
#include "number_theory.h"
#include "orbit.h"
#include "unit_class_mask.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

List RandomPrefix(std::mt19937& random, std::int32_t n, std::int32_t size) {
  List prefix{1};
  while (static_cast<std::int32_t>(prefix.size()) < size) {
    const auto g = static_cast<std::int32_t>(random() % static_cast<unsigned>(n / 2) + 1);
    if (std::find(prefix.begin(), prefix.end(), g) == prefix.end()) prefix.push_back(g);
  }
  return prefix;
}

TEST(BlockCover, FindsExactlyTheLastGeneratorsThatCover) {
  std::mt19937 random(11);
  for (int round = 0; round < 150; ++round) {
    // Rings near the bound of a few generators, where some last ones cover.
    const auto n = static_cast<std::int32_t>(random() % 600 + 128);
    const auto d = static_cast<std::int32_t>(random() % 6 + 1);
    const auto size = static_cast<std::int32_t>(random() % 3 + 1);
    ASSERT_TRUE(BlockLayout::Fits(n, d));
    const BlockLayout layout(n, d);
    BlockCover blocks(layout);
    BallCover cover(n, d, size);
    for (int prefixRound = 0; prefixRound < 4; ++prefixRound) {
      const List prefix = RandomPrefix(random, n, size);
      for (std::size_t i = 0; i < prefix.size(); ++i) {
        cover.Push(static_cast<std::int32_t>(i), prefix[i]);
      }
      blocks.Load(cover, size);
      for (std::int32_t c0 = 0; c0 <= n / 2; c0 += 64) {
        const auto candidates = static_cast<std::uint64_t>(random()) << 32 | random();
        std::uint64_t expected = 0;
        for (std::int32_t b = 0; b < 64 && c0 + b <= n / 2; ++b) {
          if ((candidates >> b & 1) != 0 && c0 + b > 0 && cover.Covers(size, c0 + b)) {
            expected |= std::uint64_t{1} << b;
          }
        }
        const std::uint64_t inRange =
            n / 2 - c0 >= 63 ? ~std::uint64_t{0} : (std::uint64_t{2} << (n / 2 - c0)) - 1;
        const std::uint64_t asked = candidates & inRange & ~std::uint64_t{c0 == 0};
        ASSERT_EQ(blocks.Covering(c0, asked), expected) << "n=" << n << " d=" << d << " c0=" << c0;
        // Stopped at two or fewer: those still hold every covering one.
        const std::uint64_t few = blocks.Covering(c0, asked, 2);
        ASSERT_EQ(few & expected, expected);
        ASSERT_TRUE(few == expected || std::popcount(few) <= 2);
      }
    }
  }
}

// A later generator x of {1, second, s2, ...} is passed over exactly when,
// for an earlier generator s, s^-1 x (s a unit) or s x^-1 (x a unit) folds
// below second.
TEST(UnitClassMask, PassesOverExactlyTheGeneratorsOfASmallerMember) {
  std::mt19937 random(3);
  for (int round = 0; round < 300; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 300 + 8);
    const auto depth = static_cast<std::int32_t>(random() % 4 + 3);
    if (n / 2 < depth + 2) continue;
    const std::vector<std::int32_t> inverses = FoldedInverses(n);
    List set = RandomPrefix(random, n, depth - 1);
    std::sort(set.begin() + 1, set.end());
    UnitClassMask mask(n, inverses, depth);
    mask.Start(set[1]);
    for (std::int32_t p = 1; p < depth - 1; ++p) mask.Add(p, set[static_cast<std::size_t>(p)]);
    const std::int32_t second = set[1];
    for (std::int32_t x = 1; x <= n / 2; ++x) {
      bool smaller = false;
      for (const std::int32_t s : set) {
        const auto unit = [&](std::int32_t y) { return Gcd(y, n) == 1; };
        if (unit(s) && Fold(InverseMod(s, n) * x, n) < second) smaller = true;
        if (unit(x) && Fold(InverseMod(x, n) * s, n) < second) smaller = true;
      }
      if (smaller != mask.Excluded(depth - 1, x)) {
        // s = 1 and x < second is left out: later generators exceed second.
        ASSERT_TRUE(x < second) << "n=" << n << " x=" << x << " second=" << second;
      }
    }
  }
}

}  // namespace
}  // namespace circscan
