// The searches as first written: every orbit's smallest set goes through a
// full ring search. Slower, but simple enough to trust, so the tests compare
// the faster searches with it and the benchmark measures them side by side.
#pragma once

#include <vector>

#include "query.h"

namespace circscan::reference {

std::vector<BestRow> FindBest(const BestQuery& query);
std::vector<LargestRow> FindLargest(const LargestQuery& query);

}  // namespace circscan::reference
