// Greatest common divisors for the generator test, with the zero rule of the
// dialog's own check: a zero operand makes the result 0.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

// Works on 64-bit values so that the magnitude of INT32_MIN, and a running
// result of 2^31 inside GcdOfList, never overflow.
std::int64_t WideGcd(std::int64_t a, std::int64_t b) {
  std::int64_t x = std::llabs(a);
  std::int64_t y = std::llabs(b);
  if (x == 0 || y == 0) return 0;
  while (y > 0) {
    const std::int64_t rest = x % y;
    x = y;
    y = rest;
  }
  return x;
}

}  // namespace

std::int64_t Gcd(std::int32_t a, std::int32_t b) { return WideGcd(a, b); }

std::int64_t GcdOfList(const std::vector<std::int32_t>& values) {
  if (values.empty()) return 0;
  std::int64_t r = values.front();
  for (std::size_t i = 1; i < values.size(); ++i) {
    r = WideGcd(r, values[i]);
    if (r == 1) return 1;
  }
  return r;
}

}  // namespace velmar
