// A row read from a file is trusted only once its set's own figures have
// been computed again: one search from vertex 0 per row.
#pragma once

#include <string>

#include "query.h"

namespace circscan {

// Empty when the row's D and distance sum are those of its set; otherwise
// what differs. A row of an --all search must also list distinct classes,
// each given by its smallest member (ring sets only with `ring`) with the
// row's D and sum, whose sizes add up to optimal_sets, the first being the
// row's set.
std::string RecomputedProblem(const BestRow& row, bool ring = false);
// Empty when the row's set connects its N vertices within its diameter.
std::string RecomputedProblem(const LargestRow& row);

}  // namespace circscan
