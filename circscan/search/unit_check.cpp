#include "unit_check.h"

#include <cstdint>
#include <span>
#include <vector>

#include "number_theory.h"

namespace circscan {

bool MayBeSmallest(std::int32_t n, std::span<const std::int32_t> set,
                   const std::vector<std::int32_t>& inverses) {
  const std::int32_t second = set[1];
  for (std::size_t j = 1; j < set.size(); ++j) {
    const std::int64_t inverse = inverses[static_cast<std::size_t>(set[j])];
    if (inverse == 0) continue;
    // Times 1 it is the inverse itself; times s_j it is 1.
    if (inverse < second) return false;
    for (std::size_t i = 1; i < set.size(); ++i) {
      if (i != j && Fold(inverse * set[i], n) < second) return false;
    }
  }
  return true;
}

}  // namespace circscan
