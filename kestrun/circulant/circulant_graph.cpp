#include "circulant_graph.h"

namespace kestrun {

const std::array<CirculantCount, 5> kCirculantCounts{{
    {35, "35", "Количество вершин равно 35"},
    {37, "37", "Количество вершин равно 37"},
    {38, "38", "Количество вершин равно 38"},
    {40, "40", "Количество вершин равно 40"},
    {41, "41", "Количество вершин равно 41"},
}};

Generators CirculantGenerators{};

void ResetCirculantGenerators() { CirculantGenerators = kFixedGenerators; }

namespace {

// A true modulus, so that a generator larger than n (or negative) still
// lands inside the matrix.
int Wrap(long long value, int n) {
  const long long r = value % n;
  return static_cast<int>(r < 0 ? r + n : r);
}

}  // namespace

CirculantMatrix CirculantAdjacency(int n, const Generators& generators) {
  CirculantMatrix adjacency(n, std::vector<std::int32_t>(n, 0));
  for (int i = 0; i < n; ++i) adjacency[i][i] = 2;
  for (const std::int32_t g : generators) {
    for (int i = 0; i < n; ++i) adjacency[i][Wrap(static_cast<long long>(i) - g, n)] = 1;
    for (int i = 0; i < n; ++i) adjacency[i][Wrap(static_cast<long long>(i) + g, n)] = 1;
  }
  return adjacency;
}

}  // namespace kestrun
