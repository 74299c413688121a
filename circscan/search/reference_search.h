// The searches as first written: every orbit's smallest set goes through a
// full ring search. Slower, but simple enough to trust, so the tests compare
// the faster searches with it and the benchmark measures them side by side.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "query.h"

namespace circscan::reference {

std::vector<BestRow> FindBest(const BestQuery& query);
std::vector<LargestRow> FindLargest(const LargestQuery& query);

// The smallest set of k generators with diameter at most d on N = n, or
// none: one N of FindLargest, for checking a record's N above its answer.
std::optional<std::vector<std::int32_t>> FirstWithin(std::int32_t n, std::int32_t k,
                                                     std::int32_t d);

}  // namespace circscan::reference
