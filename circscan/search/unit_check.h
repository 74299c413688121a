// A quick look at whether a set holding 1 can be the smallest member of its
// class (see orbit.h), for searches that meet far more sets than classes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace circscan {

// False when some unit generator s of the set certainly gives a smaller
// member: s^-1 times the set holds 1 and another generator below the set's
// second. True leaves the question to ExamineOrbit. `inverses` is
// FoldedInverses(n); the set is sorted and starts with 1.
bool MayBeSmallest(std::int32_t n, std::span<const std::int32_t> set,
                   const std::vector<std::int32_t>& inverses);

}  // namespace circscan
