#include "hypercube_series.h"

namespace kestrun::hypercube {

void InitDistances(const Matrix& adjacency, int n, Matrix& distances) {
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      distances[i][j] = i == j ? 0 : adjacency[i][j] == kEdge ? 1 : kNoPath;
    }
  }
}

void RelaxDistances(int n, Matrix& distances) {
  for (int m = 0; m < n; ++m) {
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        const std::int32_t through = distances[i][m] + distances[m][j];
        if (through < distances[i][j]) distances[i][j] = through;
      }
    }
  }
}

std::int32_t Diameter(int n, const Matrix& distances) {
  std::int32_t largest = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (distances[i][j] > largest) largest = distances[i][j];
    }
  }
  return largest;
}

double AverageDiameter(int n, const Matrix& distances) {
  double sum = 0.0;
  for (int j = 0; j < n; ++j) sum += distances[0][j];
  return static_cast<double>(static_cast<long double>(sum) / (n - 1));
}

void ComputeHypercubeSeries(DiameterSeries<5>& series) {
  VertexCodes codes{};
  Matrix adjacency{};
  Matrix distances{};
  FillVertexCodes(codes, kMaxVertices);
  FillAdjacency(codes, kMaxVertices, adjacency);
  for (int k = 0; k < 5; ++k) {
    const int n = 2 << k;
    InitDistances(adjacency, n, distances);
    RelaxDistances(n, distances);
    series.D[k] = Diameter(n, distances);
    series.AveD[k] = AverageDiameter(n, distances);
  }
}

}  // namespace kestrun::hypercube
