// The circulant {N; 1, 3, 11, 13, 17}: its vertex counts, its generators and
// its adjacency.
#pragma once

#include <array>
#include <cstdint>

#include "core/hop_matrix.h"

namespace kestrun {

struct CirculantCount {
  int n;
  const char* itemText;
  const char* labelText;
};

// In the order of the radio items and of CirculantSeries.
extern const std::array<CirculantCount, 5> kCirculantCounts;

using Generators = std::array<std::int32_t, 5>;

inline constexpr Generators kFixedGenerators{1, 3, 11, 13, 17};

// Program-wide: reset by the circulant window on activation, read by its
// drawing and its series.
extern Generators CirculantGenerators;

void ResetCirculantGenerators();

// Square, vertex i at row and column i.
using CirculantMatrix = HopMatrix;

// 2 on the diagonal, 1 for i +- g (mod n) for every generator g, 0 elsewhere.
// Requires n > 0.
CirculantMatrix CirculantAdjacency(int n, const Generators& generators);

}  // namespace kestrun
