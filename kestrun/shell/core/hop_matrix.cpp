#include "core/hop_matrix.h"

#include <algorithm>

namespace kestrun {

namespace {

HopMatrix InitialHops(const HopMatrix& adjacency) {
  const std::size_t n = adjacency.size();
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
  return hops;
}

}  // namespace

HopMatrix AllPairsHops(const HopMatrix& adjacency) {
  HopMatrix hops = InitialHops(adjacency);
  const std::size_t n = hops.size();
  for (std::size_t m = 0; m < n; ++m) {
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) {
        hops[i][j] = std::min(hops[i][j], hops[i][m] + hops[m][j]);
      }
    }
  }
  return hops;
}

std::int32_t LargestHop(const HopMatrix& hops) {
  std::int32_t largest = 0;
  for (const auto& row : hops) {
    for (const std::int32_t entry : row) largest = std::max(largest, entry);
  }
  return largest;
}

double AverageHopFromVertex0(const HopMatrix& hops) {
  double sum = 0.0;
  for (const std::int32_t entry : hops.front()) sum += entry;
  // The quotient is taken in extended precision and stored as a double.
  return static_cast<double>(static_cast<long double>(sum) /
                             static_cast<long double>(hops.size() - 1));
}

}  // namespace kestrun
