// `largest` as it searched before the slack bound: CoverWalk over every
// prefix, the unit-class pruning tested per generator. Kept beside the
// faster walk for the comparison tests and the side-by-side benchmark.
#pragma once

#include <vector>

#include "query.h"

namespace circscan::previous {

std::vector<LargestRow> FindLargest(const LargestQuery& query, const RunHooks& hooks = {});

}  // namespace circscan::previous
