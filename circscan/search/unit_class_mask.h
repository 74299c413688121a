// The later generators x that certainly keep a set holding 1 from being the
// smallest member of its unit class, as a bit set over 1..n/2 per position.
// For a set {1, second, s2, ...} a member with 1 and an element below second
// comes earlier in the lexicographic order; it arises when x^-1 s or s^-1 x
// folds below second for a generator s before x (s = 1 included). Both
// conditions name, for each s, the x of the form Fold(s y) or Fold(s y^-1)
// with y < second, so the set of x to pass over is built in O(second) steps
// per generator instead of tested in O(k) steps per x.
#pragma once

#include <cstdint>
#include <vector>

namespace circscan {

class UnitClassMask {
 public:
  // `inverses` is FoldedInverses(n); sets of up to `depth` generators.
  UnitClassMask(std::int32_t n, const std::vector<std::int32_t>& inverses, std::int32_t depth);

  // For the sets {1, second, ...}: the mask of position 1, from the 1 alone.
  void Start(std::int32_t second);
  // The mask of position p + 1: that of position p with the generator s at
  // p, 1 <= p (the first call adds the second itself).
  void Add(std::int32_t p, std::int32_t s);
  bool Excluded(std::int32_t p, std::int32_t x) const {
    const auto& mask = masks_[static_cast<std::size_t>(p)];
    return ((mask[static_cast<std::size_t>(x) >> 6] >> (x & 63)) & 1) != 0;
  }
  // Bits 64 w .. 64 w + 63 of position p's mask.
  std::uint64_t Bits(std::int32_t p, std::int32_t w) const {
    return masks_[static_cast<std::size_t>(p)][static_cast<std::size_t>(w)];
  }

 private:
  void Mark(std::vector<std::uint64_t>& mask, std::int64_t x) const;
  void MarkQuotients(std::vector<std::uint64_t>& mask, std::int32_t s) const;

  std::int32_t n_;
  const std::vector<std::int32_t>& inverses_;
  std::int32_t second_ = 0;
  std::vector<std::vector<std::uint64_t>> masks_;
};

}  // namespace circscan
