// Every set of a best row's optimal classes (BestQuery::all), listed in
// lexicographic order without holding them all: the row keeps only each
// class's smallest member, and the members are rebuilt a bucket at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "query.h"

namespace circscan {

// Calls visit(set) for every member of the classes (every set u * S for a
// unit u, or with `ring` every ring set Fold(s^-1 * S) for a unit s of S),
// each once, in lexicographic order. Returns the number of sets visited.
std::uint64_t ForEachOptimalSet(std::int32_t n, bool ring,
                                const std::vector<std::vector<std::int32_t>>& classes,
                                const std::function<void(std::span<const std::int32_t>)>& visit);

// The same for a row of an --all search: one row per set, each with the
// row's figures and its count of sets; `classes` is left empty.
std::uint64_t ForEachOptimalRow(const BestRow& row, bool ring,
                                const std::function<void(const BestRow&)>& visit);

}  // namespace circscan
