// Sets of vertices as bits, one word per 64 vertices: a level of a bounded
// search is then a handful of word-wide operations. Internal to the model.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "circulant.h"

namespace velmar::bits {

using Word = std::uint64_t;
inline constexpr std::int32_t kWordBits = 64;

inline std::size_t WordsFor(std::int32_t n) {
  return static_cast<std::size_t>((n + kWordBits - 1) / kWordBits);
}

inline void Set(std::span<Word> set, std::int32_t v) {
  set[static_cast<std::size_t>(v / kWordBits)] |= Word{1} << (v % kWordBits);
}

// Calls visit(v) for every vertex v of the set, in ascending order.
template <typename Visit>
void ForEach(std::span<const Word> set, Visit visit) {
  for (std::size_t w = 0; w < set.size(); ++w) {
    for (Word word = set[w]; word != 0; word &= word - 1) {
      visit(static_cast<std::int32_t>(w * kWordBits) + std::countr_zero(word));
    }
  }
}

// Keeps in `next` only the vertices not yet visited, marks them visited and
// gives them the distance `level`; false when nothing new was reached.
inline bool TakeNewLevel(std::span<Word> next, std::span<Word> visited,
                         std::vector<std::int32_t>& dist, std::int32_t level) {
  bool any = false;
  for (std::size_t w = 0; w < next.size(); ++w) {
    next[w] &= ~visited[w];
    visited[w] |= next[w];
    any = any || next[w] != 0;
  }
  ForEach(std::span<const Word>(next),
          [&](std::int32_t v) { dist[static_cast<std::size_t>(v)] = level; });
  return any;
}

// dst |= the set of (v + offset) mod n over v in src, for 0 < offset < n;
// src must have no bit at n or above. The ring turn splits into a shift up
// by `offset` (vertices below n - offset) and a shift down by n - offset.
void RotateOr(std::span<Word> dst, std::span<const Word> src, std::int32_t offset, std::int32_t n);

}  // namespace velmar::bits
