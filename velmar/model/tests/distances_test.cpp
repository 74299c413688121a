#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "circulant.h"
#include "literal_expansion.h"

namespace velmar {
namespace {

using List = std::vector<std::int32_t>;

std::string Describe(std::int32_t n, const List& generators) {
  std::ostringstream text;
  text << "N=" << n << " generators:";
  for (const auto g : generators) text << ' ' << g;
  return text.str();
}

// A generator of one of the kinds that change how the ring is walked:
// ordinary, negative, zero, N, beyond N, N/2, a repeat, or one near the
// 32-bit limits.
std::int32_t PickGenerator(std::mt19937& random, std::int32_t n, const List& sofar) {
  std::uniform_int_distribution<std::int32_t> kind(0, 9);
  std::uniform_int_distribution<std::int32_t> small(1, n);
  switch (kind(random)) {
    case 0:
      return -small(random);
    case 1:
      return 0;
    case 2:
      return n;
    case 3:
      return n + small(random) + (kind(random) > 6 ? n : 0);
    case 4:
      return n / 2;
    case 5:
      return sofar.empty() ? 1 : sofar[sofar.size() - 1];
    case 6:
      return std::numeric_limits<std::int32_t>::max() - kind(random);
    case 7:
      return std::numeric_limits<std::int32_t>::min() + kind(random);
    default:
      return small(random);
  }
}

List PickGenerators(std::mt19937& random, std::int32_t n, std::int32_t count) {
  List generators;
  for (std::int32_t i = 0; i < count; ++i)
    generators.push_back(PickGenerator(random, n, generators));
  return generators;
}

// The literal expansion slows with N times the cube of the degree, so the
// sweep keeps most graphs small or sparse; ExpansionAtTheDialogsLimit covers
// N = 99 with more generators.
void CompareWithLiteralExpansion(std::mt19937& random, std::int32_t minN, std::int32_t maxN,
                                 std::int32_t maxGenerators, int cases) {
  std::uniform_int_distribution<std::int32_t> pickN(minN, maxN);
  std::uniform_int_distribution<std::int32_t> pickCount(1, maxGenerators);
  for (int c = 0; c < cases; ++c) {
    const std::int32_t n = pickN(random);
    const List generators = PickGenerators(random, n, pickCount(random));
    const auto adjacency = BuildAdjacency(n, generators);
    const auto expected = literal::BuildDistanceMatrix(adjacency);
    ASSERT_EQ(BuildCirculantDistanceMatrix(adjacency), expected) << Describe(n, generators);
    ASSERT_EQ(BuildDistanceMatrix(adjacency), expected) << Describe(n, generators);
  }
}

TEST(DistancesAgainstLiteralExpansion, SmallCirculants) {
  std::mt19937 random(2024);
  CompareWithLiteralExpansion(random, 2, 28, 4, 2500);
}

TEST(DistancesAgainstLiteralExpansion, SparseCirculantsUpTo99) {
  std::mt19937 random(99);
  CompareWithLiteralExpansion(random, 31, 99, 2, 150);
}

TEST(DistancesAgainstLiteralExpansion, ExpansionAtTheDialogsLimit) {
  for (const List& generators : {List{1}, List{1, 2}, List{1, 3, 11, 13, 17}, List{2, 49, -5},
                                 List{33, 66}, List{0, 1, 98, 50}}) {
    const auto adjacency = BuildAdjacency(99, generators);
    const auto expected = literal::BuildDistanceMatrix(adjacency);
    EXPECT_EQ(BuildCirculantDistanceMatrix(adjacency), expected) << Describe(99, generators);
    EXPECT_EQ(BuildDistanceMatrix(adjacency), expected) << Describe(99, generators);
  }
}

// The general search must not rely on the ring: any 0/1 matrix, symmetric or
// not, and entries other than 1, give what the expansion gives.
TEST(DistancesAgainstLiteralExpansion, ArbitraryMatrices) {
  std::mt19937 random(5);
  std::uniform_int_distribution<std::int32_t> pickN(1, 24);
  std::uniform_int_distribution<std::int32_t> cell(0, 9);
  for (int c = 0; c < 300; ++c) {
    const std::int32_t n = pickN(random);
    const std::int32_t density = 1 + c % 4;
    AdjacencyMatrix adjacency(n);
    for (std::int32_t i = 0; i < n; ++i) {
      for (std::int32_t j = 0; j < n; ++j) {
        const std::int32_t value = cell(random);
        adjacency.at(i, j) = value < density ? 1 : (value == 9 ? 2 : 0);
        if (c % 2 == 0) adjacency.at(j, i) = adjacency.at(i, j);  // half of them symmetric
      }
    }
    ASSERT_EQ(BuildDistanceMatrix(adjacency), literal::BuildDistanceMatrix(adjacency)) << c;
  }
}

TEST(HopDistance, MatchesTheExpansionOnNonAdjacentPairs) {
  const auto adjacency = BuildAdjacency(20, {1});
  for (std::int32_t target = 2; target < 19; ++target) {
    EXPECT_EQ(HopDistance(adjacency, target, 0), literal::HopDistance(adjacency, target, 0));
  }
  EXPECT_EQ(HopDistance(adjacency, 4, 0), 4);
  EXPECT_EQ(HopDistance(adjacency, 5, 0), DISTANCE_FAR);
  EXPECT_EQ(HopDistance(adjacency, 16, 0), 4);
}

TEST(HopDistance, SettlesTheCasesOutsideItsContract) {
  const auto adjacency = BuildAdjacency(8, {1});
  EXPECT_EQ(HopDistance(adjacency, 3, 3), 0);
  EXPECT_EQ(HopDistance(adjacency, 4, 3), 1);
  EXPECT_EQ(HopDistance(adjacency, 8, 0), DISTANCE_FAR);
  EXPECT_EQ(HopDistance(adjacency, 0, -1), DISTANCE_FAR);
  EXPECT_EQ(HopDistance(AdjacencyMatrix{}, 0, 0), DISTANCE_FAR);
}

// Properties every distance matrix of an accepted circulant has, checked
// over the whole range of the dialog.
void ExpectDistanceProperties(const AdjacencyMatrix& adjacency, const DistanceMatrix& d,
                              const std::string& what) {
  const std::int32_t n = adjacency.size();
  ASSERT_EQ(d.size(), n) << what;
  for (std::int32_t u = 0; u < n; ++u) {
    ASSERT_EQ(d.at(u, u), 0) << what;
    for (std::int32_t v = 0; v < n; ++v) {
      const std::int32_t duv = d.at(u, v);
      ASSERT_TRUE((duv >= 0 && duv <= kSearchDepth) || duv == DISTANCE_FAR) << what;
      ASSERT_EQ(duv, d.at(v, u)) << what << " u=" << u << " v=" << v;
      if (u != v) {
        ASSERT_EQ(duv == 1, adjacency.at(u, v) == 1) << what;
      }
    }
  }
  // Along an edge the distance from vertex 0 changes by at most one hop, and
  // a vertex within the depth keeps its neighbours within reach.
  for (std::int32_t u = 0; u < n; ++u) {
    for (std::int32_t v = 0; v < n; ++v) {
      if (adjacency.at(u, v) != 1) continue;
      const std::int32_t du = d.at(0, u);
      const std::int32_t dv = d.at(0, v);
      if (du != DISTANCE_FAR && dv != DISTANCE_FAR) {
        ASSERT_LE(std::abs(du - dv), 1) << what;
      }
      if (du < kSearchDepth) {
        ASSERT_NE(dv, DISTANCE_FAR) << what;
      }
    }
  }
}

TEST(DistanceProperties, HoldForRandomCirculantsUpTo99) {
  std::mt19937 random(11);
  std::uniform_int_distribution<std::int32_t> pickCount(1, 12);
  for (std::int32_t n = 2; n <= 99; ++n) {
    for (int trial = 0; trial < 3; ++trial) {
      const List generators = PickGenerators(random, n, pickCount(random));
      const auto adjacency = BuildAdjacency(n, generators);
      ExpectDistanceProperties(adjacency, BuildCirculantDistanceMatrix(adjacency),
                               Describe(n, generators));
    }
  }
}

// Vertex sets are stored 64 to a word; turning one along the ring must carry
// vertices across word boundaries and wrap exactly at N.
TEST(CirculantDistances, MatchTheSearchFromEveryVertexAcrossWordBoundaries) {
  for (const std::int32_t n : {63, 64, 65, 127, 128, 129, 300}) {
    for (const List& generators : {List{1}, List{1, 7}, List{1, 7, 50}, List{n / 2, 3, 64}}) {
      const auto adjacency = BuildAdjacency(n, generators);
      const auto distances = BuildCirculantDistanceMatrix(adjacency);
      ExpectDistanceProperties(adjacency, distances, Describe(n, generators));
      EXPECT_EQ(distances, BuildDistanceMatrix(adjacency)) << Describe(n, generators);
    }
  }
}

TEST(DistanceMatrix, EmptyAdjacencyGivesEmptyDistances) {
  EXPECT_TRUE(BuildDistanceMatrix(AdjacencyMatrix{}).empty());
  EXPECT_TRUE(BuildCirculantDistanceMatrix(AdjacencyMatrix{}).empty());
}

}  // namespace
}  // namespace velmar
