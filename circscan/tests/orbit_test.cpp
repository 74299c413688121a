#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "candidates.h"
#include "number_theory.h"
#include "orbit.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

TEST(NumberTheory, FoldsInversesAndTotients) {
  EXPECT_EQ(Fold(7, 10), 3);
  EXPECT_EQ(Fold(-1, 10), 1);
  EXPECT_EQ(Fold(20, 10), 0);
  EXPECT_EQ(Fold(5, 10), 5);
  for (std::int64_t m = 2; m < 60; ++m) {
    for (std::int64_t y = 1; y < m; ++y) {
      if (Gcd(y, m) != 1) continue;
      EXPECT_EQ(InverseMod(y, m) * y % m, 1) << y << " mod " << m;
    }
  }
  EXPECT_EQ(Totient(1), 1);
  EXPECT_EQ(Totient(36), 12);
  EXPECT_EQ(Totient(97), 96);
  EXPECT_EQ(Divisors(12), (List{1, 2, 3, 4, 6, 12}));
  EXPECT_EQ(Divisors(49), (List{1, 7, 49}));
}

// Over the representatives, the orbit sizes must add up to the number of
// connected sets, and each orbit must have exactly one representative.
TEST(Orbits, RepresentativesWeighedBySizeCoverEveryConnectedSetOnce) {
  for (std::int32_t n = 3; n <= 64; ++n) {
    for (std::int32_t k = 1; k <= 3 && k <= n / 2; ++k) {
      const CandidatePlan plan(n, k);
      std::vector<std::int32_t> scratch;
      std::uint64_t covered = 0;
      for (std::size_t t = 0; t < plan.taskCount(); ++t) {
        plan.ForEachSet(t, [&](std::span<const std::int32_t> set) {
          const OrbitInfo info = ExamineOrbit(n, plan.phi(), set, scratch);
          if (info.smallest) covered += info.size;
          return true;
        });
      }
      // Every k-set of 1..n/2, k <= 3, by nested loops.
      std::uint64_t connected = 0;
      const std::int32_t half = n / 2;
      for (std::int32_t a = 1; a <= half; ++a) {
        if (k == 1) {
          connected += Connects(n, List{a}) ? 1 : 0;
          continue;
        }
        for (std::int32_t b = a + 1; b <= half; ++b) {
          if (k == 2) {
            connected += Connects(n, List{a, b}) ? 1 : 0;
            continue;
          }
          for (std::int32_t c = b + 1; c <= half; ++c)
            connected += Connects(n, List{a, b, c}) ? 1 : 0;
        }
      }
      EXPECT_EQ(covered, connected) << "n=" << n << " k=" << k;
    }
  }
}

TEST(Orbits, SmallestMemberAndSizeOfKnownOrbits) {
  std::vector<std::int32_t> scratch;
  // N = 13: {1, 5} is fixed by 5 (5*5 = 25 = -1), so its orbit has 12/4 = 3 sets.
  const OrbitInfo ring = ExamineOrbit(13, 12, List{1, 5}, scratch);
  EXPECT_TRUE(ring.smallest);
  EXPECT_EQ(ring.size, 3u);
  // 6^-1 = 11 takes {1, 6} to {11, 1}, folded {1, 2}: a smaller member.
  EXPECT_FALSE(ExamineOrbit(13, 12, List{1, 6}, scratch).smallest);
  // Without a unit: N = 6, {2, 3} stands alone.
  const OrbitInfo noUnit = ExamineOrbit(6, 2, List{2, 3}, scratch);
  EXPECT_TRUE(noUnit.smallest);
  EXPECT_EQ(noUnit.size, 1u);
  EXPECT_EQ(Multiply(13, 5, List{1, 6}), (List{4, 5}));
}

// Sets holding more than half of 1..n/2 are compared through their
// complements; every image under every unit tells the truth about them.
TEST(Orbits, SetsOfMostGeneratorsAgreeWithAllTheirImages) {
  for (std::int32_t n = 8; n <= 30; ++n) {
    for (std::int32_t k = n / 4 + 1; k <= n / 2; ++k) {
      const CandidatePlan plan(n, k);
      std::vector<std::int32_t> scratch;
      for (std::size_t t = 0; t < plan.taskCount(); ++t) {
        plan.ForEachSet(t, [&](std::span<const std::int32_t> set) {
          const List mine(set.begin(), set.end());
          std::vector<List> images;
          for (std::int64_t u = 1; u < n; ++u) {
            if (Gcd(u, n) == 1) images.push_back(Multiply(n, u, set));
          }
          std::sort(images.begin(), images.end());
          images.erase(std::unique(images.begin(), images.end()), images.end());
          const OrbitInfo info = ExamineOrbit(n, plan.phi(), set, scratch);
          EXPECT_EQ(info.smallest, images.front() == mine) << "n=" << n << " k=" << k;
          if (info.smallest) {
            EXPECT_EQ(info.size, images.size()) << "n=" << n << " k=" << k;
          }
          return true;
        });
      }
    }
  }
}

}  // namespace
}  // namespace circscan
