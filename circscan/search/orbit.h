// Multiplying every generator by a unit u of Z_n maps a circulant onto an
// isomorphic one, so its D and AveD are those of its whole class (its orbit).
// The search looks at one member per orbit, the lexicographically smallest,
// and weighs it by the orbit's size.
//
// Every generator keeps gcd(s, n) under u, so the smallest member starts with
// g, the smallest gcd(s, n) of the set: a divisor of n, 1 when some generator
// is a unit. The members that contain g are those uS with u s = +-g for some
// generator s, so comparing a set that starts with g against these few is
// enough to tell whether it is the smallest member, and the units that map it
// onto itself (its stabiliser) are among them as well.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace circscan {

struct OrbitInfo {
  bool smallest = false;   // the set is the lexicographically smallest member
  std::uint64_t size = 0;  // the orbit's size; only set when `smallest`
};

// The set is sorted, distinct, in 1..n/2, starts with a divisor g of n, and
// gcd(s, n) >= g for all its generators. `phi` is Totient(n); `scratch` is
// reused between calls.
OrbitInfo ExamineOrbit(std::int32_t n, std::int64_t phi, std::span<const std::int32_t> set,
                       std::vector<std::int32_t>& scratch);

// A set holding 1 stays a ring set under u exactly when u = +-s^-1 for one
// of its unit generators s, so the ring sets of its orbit are the sets
// Fold(s^-1 S); this is how many distinct ones there are.
std::uint64_t RingClassSize(std::int32_t n, std::span<const std::int32_t> set);

// The size of the set's class (its orbit, or with `ring` the ring sets of its
// orbit) when the set is its smallest member, else 0. Any sorted set of
// distinct generators in 1..n/2, such as one read from a file; `ring` sets
// must hold 1.
std::uint64_t ClassSizeIfSmallest(std::int32_t n, std::span<const std::int32_t> set, bool ring);

// For x in 0..n/2: Fold(x^-1 mod n) when x is a unit of Z_n, else 0.
std::vector<std::int32_t> FoldedInverses(std::int32_t n);

// Fold(s * c^-1 mod n) at s * (n/2 + 1) + c, for s and c in 0..n/2 with c a
// unit (0 where c is not); empty for n above kMaxQuotientRing, where the
// table would outgrow the caches it is meant to save trips to.
inline constexpr std::int32_t kMaxQuotientRing = 4096;
std::vector<std::uint16_t> FoldedQuotients(std::int32_t n,
                                           const std::vector<std::int32_t>& inverses);

// The set uS, folded and sorted.
std::vector<std::int32_t> Multiply(std::int32_t n, std::int64_t u,
                                   std::span<const std::int32_t> set);

}  // namespace circscan
