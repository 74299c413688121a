// The circulant's adjacency matrix and the neighbour lists read from any
// adjacency matrix.
#include <cstdint>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

// g mod n in 0..n-1, taken in 64 bits so that a generator near the 32-bit
// limits cannot overflow the sum i + g.
std::int32_t Offset(std::int32_t g, std::int32_t n) {
  const std::int64_t r = std::int64_t{g} % n;
  return static_cast<std::int32_t>(r < 0 ? r + n : r);
}

}  // namespace

AdjacencyMatrix BuildAdjacency(std::int32_t n, const std::vector<std::int32_t>& generators) {
  if (n < 1 || n > kMaxVertexCount) return {};
  // Row 0 holds every offset and its mirror; a repeated or equivalent
  // generator only sets the same cell again, so a long generator list costs
  // one pass, not one pass per vertex.
  std::vector<std::int32_t> row0(static_cast<std::size_t>(n), 0);
  for (const std::int32_t g : generators) {
    const std::int32_t offset = Offset(g, n);
    row0[static_cast<std::size_t>(offset)] = 1;
    row0[static_cast<std::size_t>((n - offset) % n)] = 1;
  }
  return AdjacencyMatrix::Circulant(row0);
}

std::vector<std::int32_t> NeighbourList(const AdjacencyMatrix& adjacency, std::int32_t v) {
  std::vector<std::int32_t> neighbours;
  const std::int32_t n = adjacency.size();
  if (v < 0 || v >= n) return neighbours;
  for (std::int32_t r = 0; r < n; ++r) {
    if (adjacency.at(r, v) == 1) neighbours.push_back(r);
  }
  return neighbours;
}

}  // namespace velmar
