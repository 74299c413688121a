// A first ceiling for the search by average: the best of a fixed sample of
// sets. A bound that drops sets by their sum is only as sharp as the best sum
// known, and the sets met first in lexicographic order (1, 2, ...) are poor.
#pragma once

#include <cstdint>
#include <span>

#include "best_tally.h"
#include "candidates.h"

namespace circscan {

// The best key of up to a few hundred sets of the given tasks, drawn the same
// way on every run; UINT64_MAX when none is connected. Every set of the
// tasks that ties or beats it keeps its place, so the counts stay exact.
std::uint64_t SampledCeiling(const CandidatePlan& plan, std::span<const std::size_t> tasks,
                             const KeyCodec& codec);

}  // namespace circscan
