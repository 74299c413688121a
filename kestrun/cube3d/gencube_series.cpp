#include "gencube_series.h"

#include <algorithm>

#include "diameter_series.h"

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

HopMatrix GridHops(const HopMatrix& adjacency) {
  const auto n = adjacency.size();
  HopMatrix hops(n, std::vector<std::int32_t>(n, kNoPath));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (i == j) {
        hops[i][j] = 0;
      } else if (adjacency[i][j] == 1) {
        hops[i][j] = 1;
      }
    }
  }
  for (std::size_t m = 0; m < n; ++m) {
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) {
        hops[i][j] = std::min(hops[i][j], hops[i][m] + hops[m][j]);
      }
    }
  }
  return hops;
}

std::int32_t GridDiameter(const HopMatrix& hops) {
  std::int32_t diameter = 0;
  for (const auto& row : hops) {
    for (const std::int32_t entry : row) diameter = std::max(diameter, entry);
  }
  return diameter;
}

double GridAverageDiameter(const HopMatrix& hops) {
  double sum = 0.0;
  for (const std::int32_t entry : hops.front()) sum += entry;
  return sum / static_cast<double>(hops.size() - 1);
}

void FillGenCubeSeries() {
  for (std::size_t k = 0; k < kGenCubeConfigs.size(); ++k) {
    CubeAdjacency = GridAdjacency(kGenCubeConfigs[k]);
    const HopMatrix hops = GridHops(CubeAdjacency);
    GenCubeSeries.D[k] = GridDiameter(hops);
    GenCubeSeries.AveD[k] = GridAverageDiameter(hops);
  }
}

}  // namespace kestrun
