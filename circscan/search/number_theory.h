// The arithmetic of Z_n that the search needs: folding a generator onto its
// chord, units, inverses and divisors.
#pragma once

#include <cstdint>
#include <vector>

namespace circscan {

std::int64_t Gcd(std::int64_t a, std::int64_t b);  // gcd(0, b) = |b|

// x mod n brought to the chord's smaller side, min(r, n - r), in 0..n/2.
std::int32_t Fold(std::int64_t x, std::int32_t n);

// Euler's phi.
std::int64_t Totient(std::int64_t n);

// y^-1 mod m for gcd(y, m) = 1 and m >= 2.
std::int64_t InverseMod(std::int64_t y, std::int64_t m);

// Ascending divisors of n.
std::vector<std::int32_t> Divisors(std::int32_t n);

}  // namespace circscan
