#include "circulant_series.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/diameter_series.h"

namespace kestrun {
namespace {

struct SeriesCase {
  int n;
  std::int32_t diameter;
  int rowZeroSum;
  double averageDiameter;
  std::array<int, 3> atDistance;  // vertices at 1, 2 and 3 hops from vertex 0
};

class CirculantSeriesTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(CirculantSeriesTest, DiameterAverageAndDistanceCounts) {
  const SeriesCase& c = GetParam();
  const CirculantMatrix hops = CirculantHops(c.n, kFixedGenerators);
  EXPECT_EQ(LargestHop(hops), c.diameter);
  EXPECT_EQ(std::accumulate(hops[0].begin(), hops[0].end(), 0), c.rowZeroSum);
  EXPECT_DOUBLE_EQ(AverageHopFromVertex0(hops), c.averageDiameter);
  for (int d = 1; d <= 3; ++d) {
    EXPECT_EQ(std::count(hops[0].begin(), hops[0].end(), d), c.atDistance[d - 1]) << d << " hops";
  }
}

TEST_P(CirculantSeriesTest, HopsAreSymmetricAndConsistentAlongEdges) {
  const int n = GetParam().n;
  const CirculantMatrix adjacency = CirculantAdjacency(n, kFixedGenerators);
  const CirculantMatrix hops = CirculantHops(n, kFixedGenerators);
  for (int u = 0; u < n; ++u) {
    EXPECT_EQ(hops[u][u], 0);
    for (int v = 0; v < n; ++v) {
      EXPECT_EQ(hops[u][v], hops[v][u]);
      EXPECT_EQ(hops[u][v], hops[0][(v - u + n) % n]);
      if (adjacency[u][v] != 1) continue;
      for (int w = 0; w < n; ++w) EXPECT_LE(hops[w][v], hops[w][u] + 1);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, CirculantSeriesTest,
                         ::testing::Values(SeriesCase{35, 2, 58, 1.7058823529411764, {10, 24, 0}},
                                           SeriesCase{37, 3, 64, 1.7777777777777777, {10, 24, 2}},
                                           SeriesCase{38, 3, 73, 1.972972972972973, {10, 18, 9}},
                                           SeriesCase{40, 3, 78, 2.0, {10, 19, 10}},
                                           SeriesCase{41, 3, 74, 1.85, {10, 26, 4}}));

TEST(CirculantSeriesFill, WritesAllFiveElementsFromTheGenerators) {
  CirculantSeries = {};
  ResetCirculantGenerators();
  FillCirculantSeries();
  EXPECT_EQ(CirculantSeries.D, (std::array<std::int32_t, 5>{2, 3, 3, 3, 3}));
  EXPECT_EQ(CirculantSeries.AveD,
            (std::array<double, 5>{58.0 / 34, 64.0 / 36, 73.0 / 37, 78.0 / 39, 74.0 / 40}));
}

// The series follows the program-wide generators, not a private copy.
TEST(CirculantSeriesFill, UsesTheProgramWideGenerators) {
  CirculantGenerators = {1, 1, 1, 1, 1};
  FillCirculantSeries();
  ResetCirculantGenerators();
  EXPECT_EQ(CirculantSeries.D[0], 17);  // a plain ring of 35
  EXPECT_DOUBLE_EQ(CirculantSeries.AveD[0], 2.0 * (17 * 18 / 2) / 34);
}

TEST(CirculantSeriesFill, DisconnectedRingReportsNoPath) {
  const CirculantMatrix hops = CirculantHops(35, {5, 5, 5, 5, 5});
  EXPECT_EQ(LargestHop(hops), kNoPath);
}

}  // namespace
}  // namespace kestrun
