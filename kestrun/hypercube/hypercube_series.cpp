#include "hypercube_series.h"

namespace kestrun::hypercube {

HopMatrix TopLeftBlock(const Matrix& adjacency, int n) {
  HopMatrix block(n, std::vector<std::int32_t>(n));
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) block[i][j] = adjacency[i][j];
  }
  return block;
}

void ComputeHypercubeSeries(DiameterSeries<5>& series) {
  VertexCodes codes{};
  Matrix adjacency{};
  FillVertexCodes(codes, kMaxVertices);
  FillAdjacency(codes, kMaxVertices, adjacency);
  for (int k = 0; k < 5; ++k) {
    const HopMatrix hops = AllPairsHops(TopLeftBlock(adjacency, 2 << k));
    series.D[k] = LargestHop(hops);
    series.AveD[k] = AverageHopFromVertex0(hops);
  }
}

}  // namespace kestrun::hypercube
