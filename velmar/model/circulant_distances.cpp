// Distances of a circulant. Every vertex's neighbours are those of vertex 0
// turned along the ring, so d(i, j) = d(0, (j - i) mod n): one search from
// vertex 0 gives row 0, and every other row is row 0 turned.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "circulant.h"
#include "vertex_bits.h"

namespace velmar {
namespace {

using bits::Word;

// Each level is the last one turned by every offset: a few word operations
// per offset instead of one step per vertex and offset.
std::vector<std::int32_t> SearchFromZero(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  std::vector<std::int32_t> offsets;
  for (std::int32_t r = 1; r < n; ++r) {
    if (adjacency.at(r, 0) == 1) offsets.push_back(r);
  }
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), DISTANCE_FAR);
  const std::size_t words = bits::WordsFor(n);
  std::vector<Word> visited(words, 0);
  std::vector<Word> frontier(words, 0);
  std::vector<Word> next(words, 0);
  dist[0] = 0;
  bits::Set(visited, 0);
  bits::Set(frontier, 0);
  for (std::int32_t level = 1; level <= kSearchDepth; ++level) {
    std::fill(next.begin(), next.end(), 0);
    for (const std::int32_t offset : offsets) bits::RotateOr(next, frontier, offset, n);
    if (!bits::TakeNewLevel(next, visited, dist, level)) break;
    frontier.swap(next);
  }
  return dist;
}

}  // namespace

DistanceMatrix BuildCirculantDistanceMatrix(const AdjacencyMatrix& adjacency) {
  if (adjacency.empty()) return {};
  return DistanceMatrix::Circulant(SearchFromZero(adjacency));
}

}  // namespace velmar
