// The reference the fast search is checked against: hop distances found by
// walking again from the start at every level, with no visited set and
// neighbour lists rebuilt wherever they are needed. Slow by design; keep the
// graphs it is given small.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "circulant.h"

namespace velmar::literal {

// Graphs given to the expansion stay this small, so a neighbour list fits a
// fixed array; rebuilding one then costs a column pass and no allocation,
// which keeps the sweep affordable under the sanitizers and valgrind.
inline constexpr std::int32_t kMaxVertices = 128;

struct NeighbourList {
  std::array<std::int32_t, kMaxVertices> vertices;
  std::int32_t count = 0;
  const std::int32_t* begin() const { return vertices.data(); }
  const std::int32_t* end() const { return vertices.data() + count; }
};

inline NeighbourList Neighbours(const AdjacencyMatrix& adjacency, std::int32_t v) {
  NeighbourList list;
  for (std::int32_t r = 0; r < adjacency.size(); ++r) {
    if (adjacency.at(r, v) == 1) list.vertices[static_cast<std::size_t>(list.count++)] = r;
  }
  return list;
}

inline std::int32_t HopDistance(const AdjacencyMatrix& m, std::int32_t target, std::int32_t from) {
  const auto l1 = Neighbours(m, from);
  for (const auto a : l1) {
    for (const auto b : Neighbours(m, a)) {
      if (b == target) return 2;
    }
  }
  for (const auto a : l1) {
    for (const auto b : Neighbours(m, a)) {
      for (const auto c : Neighbours(m, b)) {
        if (c == target) return 3;
      }
    }
  }
  for (const auto a : l1) {
    for (const auto b : Neighbours(m, a)) {
      for (const auto c : Neighbours(m, b)) {
        for (const auto d : Neighbours(m, c)) {
          if (d == target) return 4;
        }
      }
    }
  }
  return DISTANCE_FAR;
}

// Empty for a graph beyond kMaxVertices, which fails any comparison.
inline DistanceMatrix BuildDistanceMatrix(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
  if (n > kMaxVertices) return {};
  DistanceMatrix distances(n);
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j < n; ++j) {
      if (i == j) {
        distances.at(i, j) = 0;
      } else if (adjacency.at(i, j) == 1) {
        distances.at(i, j) = 1;
      } else {
        distances.at(i, j) = literal::HopDistance(adjacency, i, j);
      }
    }
  }
  return distances;
}

}  // namespace velmar::literal
