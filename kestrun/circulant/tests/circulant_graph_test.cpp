#include "circulant_graph.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kestrun {
namespace {

class CirculantGraph : public ::testing::TestWithParam<int> {};

TEST_P(CirculantGraph, EveryVertexHasTenDistinctNeighbours) {
  const int n = GetParam();
  const CirculantMatrix adjacency = CirculantAdjacency(n, kFixedGenerators);
  ASSERT_EQ(static_cast<int>(adjacency.size()), n);
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(adjacency[i][i], 2);
    EXPECT_EQ(std::count(adjacency[i].begin(), adjacency[i].end(), 1), 10) << "vertex " << i;
    for (int j = 0; j < n; ++j) EXPECT_EQ(adjacency[i][j], adjacency[j][i]);
  }
}

// The graph looks the same from every vertex: i ~ j exactly when 0 ~ j - i.
TEST_P(CirculantGraph, RowsAreRotationsOfRowZero) {
  const int n = GetParam();
  const CirculantMatrix adjacency = CirculantAdjacency(n, kFixedGenerators);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) EXPECT_EQ(adjacency[i][j], adjacency[0][(j - i + n) % n]);
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, CirculantGraph, ::testing::Values(35, 37, 38, 40, 41));

TEST(CirculantGraphFixed, NeighboursOfVertexZeroFor35) {
  const CirculantMatrix adjacency = CirculantAdjacency(35, kFixedGenerators);
  std::vector<int> neighbours;
  for (int j = 0; j < 35; ++j) {
    if (adjacency[0][j] == 1) neighbours.push_back(j);
  }
  EXPECT_EQ(neighbours, (std::vector<int>{1, 3, 11, 13, 17, 18, 22, 24, 32, 34}));
}

TEST(CirculantGraphFixed, ItemsAndLabelsInRadioOrder) {
  std::vector<int> counts;
  for (const CirculantCount& c : kCirculantCounts) {
    counts.push_back(c.n);
    EXPECT_EQ(std::string(c.labelText), "Количество вершин равно " + std::to_string(c.n));
    EXPECT_EQ(std::string(c.itemText), std::to_string(c.n));
  }
  EXPECT_EQ(counts, (std::vector<int>{35, 37, 38, 40, 41}));
}

TEST(CirculantGraphFixed, ResetRestoresTheFixedGenerators) {
  CirculantGenerators = {2, 4, 6, 8, 10};
  ResetCirculantGenerators();
  EXPECT_EQ(CirculantGenerators, (Generators{1, 3, 11, 13, 17}));
}

// Generators beyond the vertex count (or negative) still stay in the matrix.
TEST(CirculantGraphFixed, OutOfRangeGeneratorsWrapInsideTheMatrix) {
  const CirculantMatrix adjacency = CirculantAdjacency(5, {1, 7, -3, 5, 100});
  EXPECT_EQ(adjacency[0][1], 1);
  EXPECT_EQ(adjacency[0][2], 1);  // 7 = 2 (mod 5)
  EXPECT_EQ(adjacency[0][3], 1);
  EXPECT_EQ(adjacency[0][4], 1);
  EXPECT_EQ(adjacency[0][0], 1);  // 5 and 100 join a vertex to itself
}

}  // namespace
}  // namespace kestrun
