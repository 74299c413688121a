#include "number_theory.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace circscan {

std::int64_t Gcd(std::int64_t a, std::int64_t b) {
  a = std::llabs(a);
  b = std::llabs(b);
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

std::int32_t Fold(std::int64_t x, std::int32_t n) {
  std::int64_t r = x % n;
  if (r < 0) r += n;
  return static_cast<std::int32_t>(r <= n - r ? r : n - r);
}

std::int64_t Totient(std::int64_t n) {
  std::int64_t result = n;
  for (std::int64_t p = 2; p * p <= n; ++p) {
    if (n % p != 0) continue;
    while (n % p == 0) n /= p;
    result -= result / p;
  }
  if (n > 1) result -= result / n;
  return result;
}

std::int64_t InverseMod(std::int64_t y, std::int64_t m) {
  std::int64_t r0 = m, r1 = ((y % m) + m) % m;
  std::int64_t t0 = 0, t1 = 1;
  while (r1 != 0) {
    const std::int64_t q = r0 / r1;
    const std::int64_t r2 = r0 - q * r1;
    r0 = r1;
    r1 = r2;
    const std::int64_t t2 = t0 - q * t1;
    t0 = t1;
    t1 = t2;
  }
  return ((t0 % m) + m) % m;
}

std::vector<std::int32_t> Divisors(std::int32_t n) {
  std::vector<std::int32_t> low, high;
  for (std::int32_t d = 1; static_cast<std::int64_t>(d) * d <= n; ++d) {
    if (n % d != 0) continue;
    low.push_back(d);
    if (d != n / d) high.push_back(n / d);
  }
  low.insert(low.end(), high.rbegin(), high.rend());
  return low;
}

}  // namespace circscan
