#include "circulant_series.h"

#include <algorithm>

#include "diameter_series.h"

namespace kestrun {

CirculantMatrix CirculantHops(int n, const Generators& generators) {
  const CirculantMatrix adjacency = CirculantAdjacency(n, generators);
  CirculantMatrix hops(n, std::vector<std::int32_t>(n, kCirculantNoPath));
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (i == j) {
        hops[i][j] = 0;
      } else if (adjacency[i][j] == 1) {
        hops[i][j] = 1;
      }
    }
  }
  for (int m = 0; m < n; ++m) {
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) hops[i][j] = std::min(hops[i][j], hops[i][m] + hops[m][j]);
    }
  }
  return hops;
}

std::int32_t CirculantDiameter(const CirculantMatrix& hops) {
  std::int32_t diameter = 0;
  for (const auto& row : hops) {
    for (const std::int32_t entry : row) diameter = std::max(diameter, entry);
  }
  return diameter;
}

double CirculantAverageDiameter(const CirculantMatrix& hops) {
  double sum = 0.0;
  for (const std::int32_t entry : hops.front()) sum += entry;
  return sum / static_cast<double>(hops.size() - 1);
}

void FillCirculantSeries() {
  for (std::size_t k = 0; k < kCirculantCounts.size(); ++k) {
    const CirculantMatrix hops = CirculantHops(kCirculantCounts[k].n, CirculantGenerators);
    CirculantSeries.D[k] = CirculantDiameter(hops);
    CirculantSeries.AveD[k] = CirculantAverageDiameter(hops);
  }
}

}  // namespace kestrun
