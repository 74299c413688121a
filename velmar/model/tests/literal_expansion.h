// The reference the fast search is checked against: hop distances found by
// walking again from the start at every level, with no visited set and
// neighbour lists rebuilt wherever they are needed. Slow by design; keep the
// graphs it is given small.
#pragma once

#include <cstdint>
#include <vector>

#include "circulant.h"

namespace velmar::literal {

inline std::vector<std::int32_t> Neighbours(const AdjacencyMatrix& adjacency, std::int32_t v) {
  std::vector<std::int32_t> list;
  for (std::int32_t r = 0; r < adjacency.size(); ++r) {
    if (adjacency.at(r, v) == 1) list.push_back(r);
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

inline DistanceMatrix BuildDistanceMatrix(const AdjacencyMatrix& adjacency) {
  const std::int32_t n = adjacency.size();
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
