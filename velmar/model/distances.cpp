// Hop distances of any graph, searched no further than kSearchDepth hops. A
// walk steps from v to every r with adjacency[r][v] = 1, so the neighbours
// of v are column v. The shortest walk between two vertices is their hop
// distance, which is why a breadth-first search gives the same matrix as
// expanding every walk level by level, in a fraction of the time.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "circulant.h"
#include "vertex_bits.h"

namespace velmar {
namespace {

using bits::Word;

// Column v of the adjacency as a vertex set, one per vertex.
class ColumnSets {
 public:
  explicit ColumnSets(const AdjacencyMatrix& adjacency)
      : words_(bits::WordsFor(adjacency.size())),
        sets_(static_cast<std::size_t>(adjacency.size()) * words_, 0) {
    for (std::int32_t r = 0; r < adjacency.size(); ++r) {
      const auto row = adjacency.row(r);
      for (std::int32_t v = 0; v < adjacency.size(); ++v) {
        if (row[static_cast<std::size_t>(v)] == 1) bits::Set(column(v), r);
      }
    }
  }

  std::size_t words() const { return words_; }
  std::span<const Word> column(std::int32_t v) const {
    return {sets_.data() + static_cast<std::size_t>(v) * words_, words_};
  }

 private:
  std::span<Word> column(std::int32_t v) {
    return {sets_.data() + static_cast<std::size_t>(v) * words_, words_};
  }

  std::size_t words_;
  std::vector<Word> sets_;
};

// Distances from `from` to every vertex, DISTANCE_FAR past the depth.
std::vector<std::int32_t> SearchFrom(const ColumnSets& columns, std::int32_t n, std::int32_t from) {
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), DISTANCE_FAR);
  std::vector<Word> visited(columns.words(), 0);
  std::vector<Word> frontier(columns.words(), 0);
  std::vector<Word> next(columns.words(), 0);
  dist[static_cast<std::size_t>(from)] = 0;
  bits::Set(visited, from);
  bits::Set(frontier, from);
  for (std::int32_t level = 1; level <= kSearchDepth; ++level) {
    std::fill(next.begin(), next.end(), 0);
    bits::ForEach(std::span<const Word>(frontier), [&](std::int32_t v) {
      const auto column = columns.column(v);
      for (std::size_t w = 0; w < next.size(); ++w) next[w] |= column[w];
    });
    if (!bits::TakeNewLevel(next, visited, dist, level)) break;
    frontier.swap(next);
  }
  return dist;
}

}  // namespace

std::int32_t HopDistance(const AdjacencyMatrix& adjacency, std::int32_t target, std::int32_t from) {
  const std::int32_t n = adjacency.size();
  if (target < 0 || target >= n || from < 0 || from >= n) return DISTANCE_FAR;
  return SearchFrom(ColumnSets(adjacency), n, from)[static_cast<std::size_t>(target)];
}

DistanceMatrix BuildDistanceMatrix(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  DistanceMatrix distances(n);
  const ColumnSets columns(adjacency);
  for (std::int32_t j = 0; j < n; ++j) {
    // Entry [i][j] is the search from the column's vertex j to the row's i.
    const auto dist = SearchFrom(columns, n, j);
    for (std::int32_t i = 0; i < n; ++i) distances.at(i, j) = dist[static_cast<std::size_t>(i)];
  }
  return distances;
}

}  // namespace velmar
