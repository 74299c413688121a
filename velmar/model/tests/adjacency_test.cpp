#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

using List = std::vector<std::int32_t>;

// Whether (i - j) is congruent to +g or -g modulo n for some generator,
// computed without the rotation the builder uses.
bool JoinedByFormula(std::int32_t n, const List& generators, std::int32_t i, std::int32_t j) {
  for (const std::int64_t g : generators) {
    const std::int64_t d = ((std::int64_t{i} - j) % n + n) % n;
    const std::int64_t m = (g % n + n) % n;
    if (d == m || (d + m) % n == 0) return true;
  }
  return false;
}

TEST(BuildAdjacency, MatchesTheRingFormulaOverASweep) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> pick(-60, 60);
  for (std::int32_t n = 1; n <= 40; ++n) {
    for (int trial = 0; trial < 5; ++trial) {
      List generators(1 + trial);
      for (auto& g : generators) g = pick(random);
      const auto adjacency = BuildAdjacency(n, generators);
      ASSERT_EQ(adjacency.size(), n);
      for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) {
          ASSERT_EQ(adjacency.at(i, j) == 1, JoinedByFormula(n, generators, i, j))
              << "n=" << n << " i=" << i << " j=" << j;
          ASSERT_EQ(adjacency.at(i, j), adjacency.at(j, i));
        }
      }
    }
  }
}

TEST(BuildAdjacency, EquivalentGeneratorsGiveTheSameEdges) {
  const auto ring = BuildAdjacency(10, {1});
  EXPECT_EQ(BuildAdjacency(10, {-1}), ring);
  EXPECT_EQ(BuildAdjacency(10, {9}), ring);
  EXPECT_EQ(BuildAdjacency(10, {11}), ring);
  EXPECT_EQ(BuildAdjacency(10, {1, 1}), ring);
  EXPECT_EQ(BuildAdjacency(10, {1, -9, 21, 1}), ring);
  EXPECT_EQ(NeighbourList(ring, 0), List({1, 9}));
}

TEST(BuildAdjacency, HalfTheRingJoinsOnlyTheOppositeVertex) {
  const auto adjacency = BuildAdjacency(8, {4, 1});
  EXPECT_EQ(NeighbourList(adjacency, 0), List({1, 4, 7}));
  EXPECT_EQ(NeighbourList(BuildAdjacency(8, {4}), 3), List({7}));
}

TEST(BuildAdjacency, AMultipleOfNPutsALoopOnEveryVertex) {
  for (const List& generators : {List{2, 3, 0}, List{1, 8}, List{-16, 1}}) {
    const auto adjacency = BuildAdjacency(8, generators);
    for (std::int32_t v = 0; v < 8; ++v) EXPECT_EQ(adjacency.at(v, v), 1);
  }
  const auto plain = BuildAdjacency(8, {1});
  for (std::int32_t v = 0; v < 8; ++v) EXPECT_EQ(plain.at(v, v), 0);
}

TEST(BuildAdjacency, GeneratorsAtThe32BitLimitsWrapWithoutOverflow) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  // 2147483647 = 7 (mod 10) and -2147483648 = 2 (mod 10).
  EXPECT_EQ(BuildAdjacency(10, {kMax}), BuildAdjacency(10, {7}));
  EXPECT_EQ(BuildAdjacency(10, {kMin}), BuildAdjacency(10, {2}));
  EXPECT_EQ(BuildAdjacency(99, {kMax, kMin}), BuildAdjacency(99, {kMax % 99, kMin % 99}));
}

TEST(BuildAdjacency, VertexCountOutsideTheModelGivesAnEmptyMatrix) {
  EXPECT_TRUE(BuildAdjacency(0, {1}).empty());
  EXPECT_TRUE(BuildAdjacency(-5, {1}).empty());
  EXPECT_TRUE(BuildAdjacency(kMaxVertexCount + 1, {1}).empty());
  EXPECT_EQ(BuildAdjacency(1, {1}).at(0, 0), 1);
}

TEST(NeighbourList, ReadsTheColumnInAscendingOrder) {
  AdjacencyMatrix m(4);
  m.at(3, 1) = 1;
  m.at(0, 1) = 1;
  m.at(1, 3) = 2;  // only 1 marks an edge
  EXPECT_EQ(NeighbourList(m, 1), List({0, 3}));
  EXPECT_EQ(NeighbourList(m, 3), List({}));
}

TEST(NeighbourList, ALoopedVertexJoinedToAllListsEveryVertex) {
  const auto adjacency = BuildAdjacency(5, {0, 1, 2});
  EXPECT_EQ(NeighbourList(adjacency, 2), List({0, 1, 2, 3, 4}));
}

TEST(NeighbourList, AVertexOutsideTheMatrixHasNoNeighbours) {
  const auto adjacency = BuildAdjacency(5, {1});
  EXPECT_TRUE(NeighbourList(adjacency, -1).empty());
  EXPECT_TRUE(NeighbourList(adjacency, 5).empty());
  EXPECT_TRUE(NeighbourList(AdjacencyMatrix{}, 0).empty());
}

}  // namespace
}  // namespace velmar
