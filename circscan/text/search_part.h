// The search and the part of it that a shard file or a checkpoint belongs
// to, and which units of work that part can hold.
#pragma once

#include <cstdint>

#include "query.h"

namespace circscan {

struct SearchPart {
  bool best = true;  // best --n from..to, or largest --diameter from..to
  std::int32_t k = 0;
  By by = By::kDiameter;  // best only
  std::int32_t from = 0;
  std::int32_t to = 0;
  Shard shard;
  bool ring = false;  // only sets holding generator 1
  bool all = false;   // best: every optimal set
  friend bool operator==(const SearchPart&, const SearchPart&) = default;
};

SearchPart PartOf(const BestQuery& query);
SearchPart PartOf(const LargestQuery& query);
BestQuery BestQueryOf(const SearchPart& part);
LargestQuery LargestQueryOf(const SearchPart& part);

// best: N lies in the range and has room for k generators.
bool HoldsBestN(const SearchPart& part, std::int32_t n);
// largest: d lies in the range and N is one of those this part counts down
// from the lattice bound of d.
bool HoldsLargestN(const SearchPart& part, std::int32_t d, std::int32_t n);
// largest: how many vertex counts this part searches for d, down to the
// smallest with room for k generators.
std::int32_t LargestUnitCount(const SearchPart& part, std::int32_t d);

}  // namespace circscan
