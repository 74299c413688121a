#include "gencube_series.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/diameter_series.h"

namespace kestrun {
namespace {

struct SeriesCase {
  int index;
  int edges;
  std::int32_t diameter;
  std::int32_t rowZeroSum;
  double averageDiameter;
};

class GenCubeSeriesTest : public ::testing::TestWithParam<SeriesCase> {
 protected:
  const GenCubeConfig& config() const { return kGenCubeConfigs[GetParam().index]; }
};

TEST_P(GenCubeSeriesTest, AdjacencyIsTheGridGraph) {
  const HopMatrix adjacency = GridAdjacency(config());
  const int n = config().n;
  ASSERT_EQ(static_cast<int>(adjacency.size()), n);
  int edges = 0;
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(adjacency[i][i], 2);
    for (int j = 0; j < n; ++j) {
      EXPECT_EQ(adjacency[i][j], adjacency[j][i]);
      if (i < j && adjacency[i][j] == 1) ++edges;
    }
  }
  EXPECT_EQ(edges, GetParam().edges);
}

// The axes are paths: the two ends of the longest axis are never joined.
TEST_P(GenCubeSeriesTest, AxesDoNotWrapAround) {
  const GenCubeConfig& c = config();
  const HopMatrix adjacency = GridAdjacency(c);
  const int lastX = (c.a - 1) * c.b * c.c;
  EXPECT_EQ(adjacency[0][lastX], 0);
  EXPECT_EQ(adjacency[0][c.c - 1], c.c == 2 ? 1 : 0);
}

TEST_P(GenCubeSeriesTest, HopsAreSymmetricAndConsistentAlongEdges) {
  const HopMatrix adjacency = GridAdjacency(config());
  const HopMatrix hops = AllPairsHops(adjacency);
  const auto n = hops.size();
  for (std::size_t u = 0; u < n; ++u) {
    EXPECT_EQ(hops[u][u], 0);
    for (std::size_t v = 0; v < n; ++v) {
      EXPECT_EQ(hops[u][v], hops[v][u]);
      if (adjacency[u][v] != 1) continue;
      EXPECT_EQ(hops[u][v], 1);
      for (std::size_t w = 0; w < n; ++w) EXPECT_LE(hops[w][v], hops[w][u] + 1);
    }
  }
}

// From the corner (0, 0, 0) the distance of a vertex is x + y + z.
TEST_P(GenCubeSeriesTest, DistanceFromCornerIsCoordinateSum) {
  const HopMatrix hops = AllPairsHops(GridAdjacency(config()));
  for (int v = 0; v < config().n; ++v) {
    const Coords p = VertexCoords(config(), v);
    EXPECT_EQ(hops[0][v], p.x + p.y + p.z) << "vertex " << v;
  }
  EXPECT_EQ(std::accumulate(hops[0].begin(), hops[0].end(), 0), GetParam().rowZeroSum);
}

TEST_P(GenCubeSeriesTest, DiameterAndAverageFromVertexZero) {
  const HopMatrix hops = AllPairsHops(GridAdjacency(config()));
  EXPECT_EQ(LargestHop(hops), GetParam().diameter);
  EXPECT_DOUBLE_EQ(AverageHopFromVertex0(hops), GetParam().averageDiameter);
}

INSTANTIATE_TEST_SUITE_P(Configurations, GenCubeSeriesTest,
                         ::testing::Values(SeriesCase{0, 46, 6, 72, 3.130434782608696},
                                           SeriesCase{1, 54, 6, 81, 3.1153846153846154},
                                           SeriesCase{2, 59, 7, 105, 3.6206896551724137}));

TEST(GenCubeSeriesFill, WritesAllThreeElementsAndKeepsTheLastAdjacency) {
  GenCubeSeries = {};
  FillGenCubeSeries();
  EXPECT_EQ(GenCubeSeries.D, (std::array<std::int32_t, 3>{6, 6, 7}));
  EXPECT_EQ(GenCubeSeries.AveD, (std::array<double, 3>{72.0 / 23, 81.0 / 26, 105.0 / 29}));
  EXPECT_EQ(CubeAdjacency, GridAdjacency(kGenCubeConfigs[2]));

  // AveD is the mean from vertex 0, not over all ordered pairs.
  const HopMatrix hops = AllPairsHops(GridAdjacency(kGenCubeConfigs[0]));
  double all = 0.0;
  for (const auto& row : hops) all += std::accumulate(row.begin(), row.end(), 0);
  EXPECT_NEAR(all / (24.0 * 23.0), 2.753623188405797, 1e-12);
  EXPECT_NE(GenCubeSeries.AveD[0], all / (24.0 * 23.0));
}

TEST(GenCubeSeriesFill, RepeatedRunsGiveTheSameValues) {
  FillGenCubeSeries();
  const auto first = GenCubeSeries;
  FillGenCubeSeries();
  EXPECT_EQ(GenCubeSeries.D, first.D);
  EXPECT_EQ(GenCubeSeries.AveD, first.AveD);
}

TEST(GenCubeSeriesNeighbours, CubeOfThreeHasThreeToSixNeighbours) {
  const HopMatrix adjacency = GridAdjacency(kGenCubeConfigs[1]);
  for (const auto& row : adjacency) {
    const auto degree = std::count(row.begin(), row.end(), 1);
    EXPECT_GE(degree, 3);
    EXPECT_LE(degree, 6);
  }
  EXPECT_EQ(std::count(adjacency[13].begin(), adjacency[13].end(), 1), 6);  // the centre
}

TEST(GenCubeHops, UnreachablePairsReportNoPath) {
  const HopMatrix isolated{{2, 0}, {0, 2}};
  const HopMatrix hops = AllPairsHops(isolated);
  EXPECT_EQ(hops[0][1], kNoPath);
  EXPECT_EQ(LargestHop(hops), kNoPath);
}

}  // namespace
}  // namespace kestrun
