#include "hypercube.h"

#include <algorithm>

namespace kestrun::hypercube {
namespace {

int Clamp(int count) { return std::clamp(count, 0, kMaxVertices); }

int DifferingDigits(const VertexCodes& codes, int i, int j) {
  int count = 0;
  for (int k = 0; k < kDigits; ++k) {
    if (codes[i][k] + codes[j][k] == 1) ++count;
  }
  return count;
}

}  // namespace

void FillVertexCodes(VertexCodes& codes, int count) {
  for (int v = 0; v < Clamp(count); ++v) {
    for (int k = 0; k < kDigits; ++k) codes[v][k] = (v >> (kDigits - 1 - k)) & 1;
  }
}

void FillAdjacency(const VertexCodes& codes, int count, Matrix& adjacency) {
  const int n = Clamp(count);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) adjacency[i][j] = i == j ? kSelf : 0;
  }
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (DifferingDigits(codes, i, j) == 1) adjacency[i][j] = kEdge;
    }
  }
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) adjacency[j][i] = adjacency[i][j];
  }
}

}  // namespace kestrun::hypercube
