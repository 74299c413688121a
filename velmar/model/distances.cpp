// Hop distances searched no further than kSearchDepth hops. A walk steps from
// v to every r with adjacency[r][v] = 1, so the neighbours of v are column v.
// The shortest walk between two vertices is their hop distance, which is
// why a breadth-first search gives the same matrix as expanding every walk
// level by level, in a fraction of the time.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

using Word = std::uint64_t;
constexpr std::int32_t kWordBits = 64;

// Column v of the adjacency as a bit set, one per vertex, so that a whole
// level of the search is a few word-wide ORs.
class ColumnBits {
 public:
  explicit ColumnBits(const AdjacencyMatrix& adjacency)
      : n_(adjacency.size()),
        words_((n_ + kWordBits - 1) / kWordBits),
        bits_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(words_), 0) {
    for (std::int32_t r = 0; r < n_; ++r) {
      const auto row = adjacency.row(r);
      for (std::int32_t v = 0; v < n_; ++v) {
        if (row[static_cast<std::size_t>(v)] == 1) Set(column(v), r);
      }
    }
  }

  std::int32_t words() const { return words_; }
  Word* column(std::int32_t v) { return bits_.data() + static_cast<std::size_t>(v) * words_; }
  const Word* column(std::int32_t v) const {
    return bits_.data() + static_cast<std::size_t>(v) * words_;
  }

  static void Set(Word* bits, std::int32_t i) { bits[i / kWordBits] |= Word{1} << (i % kWordBits); }

 private:
  std::int32_t n_;
  std::int32_t words_;
  std::vector<Word> bits_;
};

// Calls visit(i) for every set bit i, in ascending order.
template <typename Visit>
void ForEachBit(const std::vector<Word>& bits, Visit visit) {
  for (std::size_t w = 0; w < bits.size(); ++w) {
    for (Word word = bits[w]; word != 0; word &= word - 1) {
      visit(static_cast<std::int32_t>(w * kWordBits) + std::countr_zero(word));
    }
  }
}

// Distances from `from` to every vertex, DISTANCE_FAR past the depth.
std::vector<std::int32_t> SearchFrom(const ColumnBits& columns, std::int32_t n, std::int32_t from) {
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), DISTANCE_FAR);
  const auto words = static_cast<std::size_t>(columns.words());
  std::vector<Word> visited(words, 0);
  std::vector<Word> frontier(words, 0);
  std::vector<Word> next(words, 0);
  dist[static_cast<std::size_t>(from)] = 0;
  ColumnBits::Set(visited.data(), from);
  ColumnBits::Set(frontier.data(), from);
  for (std::int32_t level = 1; level <= kSearchDepth; ++level) {
    std::fill(next.begin(), next.end(), 0);
    ForEachBit(frontier, [&](std::int32_t v) {
      const Word* column = columns.column(v);
      for (std::size_t w = 0; w < words; ++w) next[w] |= column[w];
    });
    bool any = false;
    for (std::size_t w = 0; w < words; ++w) {
      next[w] &= ~visited[w];
      visited[w] |= next[w];
      any = any || next[w] != 0;
    }
    if (!any) break;
    ForEachBit(next, [&](std::int32_t v) { dist[static_cast<std::size_t>(v)] = level; });
    frontier.swap(next);
  }
  return dist;
}

// Row 0 of a circulant's distances: every vertex's neighbours are those of
// vertex 0 moved along the ring, so the search needs only column 0.
std::vector<std::int32_t> SearchCirculantFromZero(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  std::vector<std::int32_t> offsets;
  for (std::int32_t r = 1; r < n; ++r) {
    if (adjacency.at(r, 0) == 1) offsets.push_back(r);
  }
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), DISTANCE_FAR);
  std::vector<std::int32_t> frontier{0};
  std::vector<std::int32_t> next;
  dist[0] = 0;
  // Dense generator sets reach every vertex in a hop or two; the count lets
  // the search stop there instead of trying every offset from every vertex.
  std::int32_t reached = 1;
  for (std::int32_t level = 1; level <= kSearchDepth && reached < n; ++level) {
    next.clear();
    for (const std::int32_t v : frontier) {
      for (const std::int32_t offset : offsets) {
        const std::int32_t t = v + offset < n ? v + offset : v + offset - n;
        if (dist[static_cast<std::size_t>(t)] != DISTANCE_FAR) continue;
        dist[static_cast<std::size_t>(t)] = level;
        next.push_back(t);
        ++reached;
      }
    }
    frontier.swap(next);
  }
  return dist;
}

}  // namespace

std::int32_t HopDistance(const AdjacencyMatrix& adjacency, std::int32_t target, std::int32_t from) {
  const std::int32_t n = adjacency.size();
  if (target < 0 || target >= n || from < 0 || from >= n) return DISTANCE_FAR;
  const ColumnBits columns(adjacency);
  return SearchFrom(columns, n, from)[static_cast<std::size_t>(target)];
}

DistanceMatrix BuildDistanceMatrix(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  DistanceMatrix distances(n);
  const ColumnBits columns(adjacency);
  for (std::int32_t j = 0; j < n; ++j) {
    // Entry [i][j] is the search from the column's vertex j to the row's i.
    const auto dist = SearchFrom(columns, n, j);
    for (std::int32_t i = 0; i < n; ++i) distances.at(i, j) = dist[static_cast<std::size_t>(i)];
  }
  return distances;
}

DistanceMatrix BuildCirculantDistanceMatrix(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  if (n == 0) return {};
  // d(i, j) = d(0, (j - i) mod n): row i is row 0 turned right by i places.
  return DistanceMatrix::Circulant(SearchCirculantFromZero(adjacency));
}

}  // namespace velmar
