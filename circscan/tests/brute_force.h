// The plain definitions, with no orbits and no early stops: every set of k
// generators in 1..n/2 and a queue search of each. The fast search must give
// exactly what these give.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "query.h"

namespace circscan::testing {

// With `ring`, only the sets holding 1.
std::optional<BestRow> BruteBest(std::int32_t n, std::int32_t k, By by, bool ring = false);
std::optional<LargestRow> BruteLargest(std::int32_t k, std::int32_t d, std::int32_t from,
                                       bool ring = false);
// Every set that reaches the best (D, sum), in lexicographic order.
std::vector<std::vector<std::int32_t>> BruteOptimalSets(std::int32_t n, std::int32_t k, By by,
                                                        bool ring);

// D and sum of distances by a queue search; nullopt when not connected.
struct Plain {
  std::int32_t diameter;
  std::int64_t sum;
};
std::optional<Plain> PlainSearch(std::int32_t n, const std::vector<std::int32_t>& generators);

}  // namespace circscan::testing
