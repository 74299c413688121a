#include "gencube_series.h"

#include <algorithm>

#include "core/diameter_series.h"

namespace kestrun {

HopMatrix CubeAdjacency;

namespace {

bool GridNeighbours(Coords p, Coords q) {
  const std::array<int, 3> diff{p.x - q.x, p.y - q.y, p.z - q.z};
  const auto equal = std::count(diff.begin(), diff.end(), 0);
  const bool unitStep = std::any_of(diff.begin(), diff.end(), [](int d) { return d * d == 1; });
  return equal == 2 && unitStep;
}

}  // namespace

HopMatrix GridAdjacency(const GenCubeConfig& config) {
  const int n = config.n;
  HopMatrix adjacency(n, std::vector<std::int32_t>(n, 0));
  for (int i = 0; i < n; ++i) {
    adjacency[i][i] = 2;
    for (int j = i + 1; j < n; ++j) {
      if (GridNeighbours(VertexCoords(config, i), VertexCoords(config, j))) {
        adjacency[i][j] = 1;
        adjacency[j][i] = 1;
      }
    }
  }
  return adjacency;
}

void FillGenCubeSeries() {
  for (std::size_t k = 0; k < kGenCubeConfigs.size(); ++k) {
    CubeAdjacency = GridAdjacency(kGenCubeConfigs[k]);
    const HopMatrix hops = AllPairsHops(CubeAdjacency);
    GenCubeSeries.D[k] = LargestHop(hops);
    GenCubeSeries.AveD[k] = AverageHopFromVertex0(hops);
  }
}

}  // namespace kestrun
