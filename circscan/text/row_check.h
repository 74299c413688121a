// A row read from a file is trusted only once its set's own figures have
// been computed again: one search from vertex 0 per row.
#pragma once

#include <string>

#include "query.h"

namespace circscan {

// Empty when the row's D and distance sum are those of its set; otherwise
// what differs.
std::string RecomputedProblem(const BestRow& row);
// Empty when the row's set connects its N vertices within its diameter.
std::string RecomputedProblem(const LargestRow& row);

}  // namespace circscan
