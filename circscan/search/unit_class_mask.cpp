#include "unit_class_mask.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "number_theory.h"

namespace circscan {

UnitClassMask::UnitClassMask(std::int32_t n, const std::vector<std::int32_t>& inverses,
                             std::int32_t depth)
    : n_(n),
      inverses_(inverses),
      masks_(static_cast<std::size_t>(std::max(depth, 2)),
             std::vector<std::uint64_t>(static_cast<std::size_t>(n / 2) / 64 + 1)) {}

void UnitClassMask::Mark(std::vector<std::uint64_t>& mask, std::int64_t x) const {
  // x is already below n here.
  const auto folded = static_cast<std::size_t>(x > n_ / 2 ? n_ - x : x);
  mask[folded >> 6] |= std::uint64_t{1} << (folded & 63);
}

void UnitClassMask::Start(std::int32_t second) {
  second_ = second;
  // s = 1: x^-1 folds below second when x is the folded inverse of a unit y
  // below second.
  auto& mask = masks_[1];
  std::fill(mask.begin(), mask.end(), 0);
  for (std::int32_t y = 1; y < second; ++y) {
    const std::int32_t inverse = inverses_[static_cast<std::size_t>(y)];
    if (inverse != 0) Mark(mask, inverse);
  }
}

void UnitClassMask::Add(std::int32_t p, std::int32_t s) {
  const auto next = static_cast<std::size_t>(p) + 1;
  if (next >= masks_.size()) return;
  auto& mask = masks_[next];
  mask = masks_[static_cast<std::size_t>(p)];
  // s^-1 x = +-y below second: x = Fold(s y), for a unit s.
  if (inverses_[static_cast<std::size_t>(s)] != 0) {
    std::int64_t x = 0;
    for (std::int32_t y = 1; y < second_; ++y) {
      x += s;
      if (x >= n_) x -= n_;
      Mark(mask, x);
    }
  }
  MarkQuotients(mask, s);
}

// The units x with x^-1 s = +-y below second. With g = gcd(s, n), y is a
// multiple of g; s/g u = y/g mod n/g fixes u = x^-1 modulo n/g, and its g
// lifts modulo n are tried for being units.
void UnitClassMask::MarkQuotients(std::vector<std::uint64_t>& mask, std::int32_t s) const {
  const auto g = static_cast<std::int32_t>(Gcd(s, n_));
  const std::int32_t reduced = n_ / g;
  const std::int64_t sInverse = reduced == 1 ? 0 : InverseMod(s / g, reduced);
  std::int64_t u = 0;
  for (std::int32_t y = g; y < second_; y += g) {
    u += sInverse;
    if (u >= reduced) u -= reduced;
    for (std::int64_t lift = u; lift < n_; lift += reduced) {
      const std::int64_t folded = lift > n_ / 2 ? n_ - lift : lift;
      const std::int32_t inverse = inverses_[static_cast<std::size_t>(folded)];
      if (inverse != 0) Mark(mask, inverse);
    }
  }
}

}  // namespace circscan
