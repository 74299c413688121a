#include "search_part.h"

#include <algorithm>

#include "search.h"

namespace circscan {
namespace {

std::int32_t LowestLargestN(const SearchPart& part) {
  return std::max(kMinVertexCount, 2 * part.k);
}

}  // namespace

SearchPart PartOf(const BestQuery& q) {
  return {true, q.k, q.by, q.nFrom, q.nTo, q.shard, q.ring, q.all};
}
SearchPart PartOf(const LargestQuery& q) {
  return {false, q.k, By::kDiameter, q.dFrom, q.dTo, q.shard, q.ring, false};
}
BestQuery BestQueryOf(const SearchPart& p) {
  return {p.from, p.to, p.k, p.by, p.shard, p.ring, p.all};
}
LargestQuery LargestQueryOf(const SearchPart& p) { return {p.k, p.from, p.to, p.shard, p.ring}; }

bool HoldsBestN(const SearchPart& part, std::int32_t n) {
  return part.best && n >= part.from && n <= part.to && n / 2 >= part.k;
}

bool HoldsLargestN(const SearchPart& part, std::int32_t d, std::int32_t n) {
  if (part.best || d < part.from || d > part.to) return false;
  const auto bound = LargestBound(part.k, d);
  if (!bound || n > *bound || n < LowestLargestN(part)) return false;
  return (*bound - n) % part.shard.count == part.shard.index - 1;
}

std::int32_t LargestUnitCount(const SearchPart& part, std::int32_t d) {
  const auto bound = LargestBound(part.k, d);
  if (!bound) return 0;
  const std::int32_t top = *bound - (part.shard.index - 1);
  if (top < LowestLargestN(part)) return 0;
  return (top - LowestLargestN(part)) / part.shard.count + 1;
}

}  // namespace circscan
