#include "candidates.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "number_theory.h"

namespace circscan {
namespace {

std::uint64_t CappedBinomial(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kCap = std::uint64_t{1} << 62;
  if (b > a) return 0;
  b = std::min(b, a - b);
  std::uint64_t value = 1;
  for (std::uint64_t i = 1; i <= b; ++i) {
    // value * x / i is a whole binomial; dividing first keeps it in 64 bits.
    const std::uint64_t x = a - b + i;
    const auto g = static_cast<std::uint64_t>(
        Gcd(static_cast<std::int64_t>(value), static_cast<std::int64_t>(i)));
    if (__builtin_mul_overflow(value / g, x / (i / g), &value) || value > kCap) return kCap;
  }
  return value;
}

}  // namespace

bool Connects(std::int32_t n, std::span<const std::int32_t> set) {
  std::int64_t g = n;
  for (const std::int32_t s : set) {
    g = Gcd(g, s);
    if (g == 1) return true;
  }
  return g == 1;
}

CandidatePlan::CandidatePlan(std::int32_t n, std::int32_t k) : n_(n), k_(k), phi_(Totient(n)) {
  const std::int32_t half = n / 2;
  // A single generator has no others to choose, so it needs no gcd table.
  std::vector<std::int32_t> gcdWithN(k > 1 ? static_cast<std::size_t>(half) + 1 : 0);
  for (std::int32_t x = 1; k > 1 && x <= half; ++x) {
    gcdWithN[static_cast<std::size_t>(x)] = static_cast<std::int32_t>(Gcd(x, n));
  }
  for (const std::int32_t g : Divisors(n)) {
    if (g > half) break;
    Family family{g, {}};
    for (std::int32_t x = g + 1; k > 1 && x <= half; ++x) {
      if (gcdWithN[static_cast<std::size_t>(x)] >= g) family.rest.push_back(x);
    }
    if (family.rest.size() + 1 < static_cast<std::size_t>(k)) continue;
    const auto id = static_cast<std::int32_t>(families_.size());
    if (k <= 2) {
      tasks_.push_back({id, -1});
    } else {
      const std::size_t seconds = family.rest.size() - static_cast<std::size_t>(k - 2) + 1;
      for (std::size_t i = 0; i < seconds; ++i)
        tasks_.push_back({id, static_cast<std::int32_t>(i)});
    }
    families_.push_back(std::move(family));
    if (g == 1) ringTasks_ = tasks_.size();
  }
}

CandidatePlan::TaskParts CandidatePlan::Parts(std::size_t t) const {
  const Task& task = tasks_[t];
  const Family& family = families_[static_cast<std::size_t>(task.family)];
  const std::span<const std::int32_t> rest(family.rest);
  if (task.second < 0) return {family.g, 0, rest};
  const auto second = static_cast<std::size_t>(task.second);
  return {family.g, rest[second], rest.subspan(second + 1)};
}

std::uint64_t CandidatePlan::TaskSize(std::size_t t) const {
  const Task& task = tasks_[t];
  const auto& rest = families_[static_cast<std::size_t>(task.family)].rest;
  if (task.second < 0) return CappedBinomial(rest.size(), static_cast<std::uint64_t>(k_ - 1));
  return CappedBinomial(rest.size() - static_cast<std::size_t>(task.second) - 1,
                        static_cast<std::uint64_t>(k_ - 2));
}

}  // namespace circscan
