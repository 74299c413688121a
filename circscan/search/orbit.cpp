#include "orbit.h"

#include <algorithm>
#include <compare>
#include <cstdint>
#include <span>
#include <vector>

#include "number_theory.h"

namespace circscan {
namespace {

void MultiplyInto(std::int32_t n, std::int64_t u, std::span<const std::int32_t> set,
                  std::vector<std::int32_t>& out) {
  out.clear();
  for (const std::int32_t s : set) out.push_back(Fold(u * s, n));
  std::sort(out.begin(), out.end());
}

// 1..n/2 without the sorted set.
std::vector<std::int32_t> Complement(std::int32_t n, std::span<const std::int32_t> set) {
  std::vector<std::int32_t> rest;
  std::size_t next = 0;
  for (std::int32_t x = 1; x <= n / 2; ++x) {
    if (next < set.size() && set[next] == x) {
      ++next;
    } else {
      rest.push_back(x);
    }
  }
  return rest;
}

}  // namespace

std::vector<std::int32_t> Multiply(std::int32_t n, std::int64_t u,
                                   std::span<const std::int32_t> set) {
  std::vector<std::int32_t> out;
  MultiplyInto(n, u, set, out);
  return out;
}

std::vector<std::int32_t> FoldedInverses(std::int32_t n) {
  std::vector<std::int32_t> inverses(static_cast<std::size_t>(n / 2) + 1);
  for (std::int32_t x = 1; x <= n / 2; ++x) {
    if (Gcd(x, n) == 1) inverses[static_cast<std::size_t>(x)] = Fold(InverseMod(x, n), n);
  }
  return inverses;
}

std::vector<std::uint16_t> FoldedQuotients(std::int32_t n,
                                           const std::vector<std::int32_t>& inverses) {
  if (n > kMaxQuotientRing) return {};
  const auto stride = static_cast<std::size_t>(n / 2) + 1;
  std::vector<std::uint16_t> quotients(stride * stride);
  for (std::size_t s = 1; s < stride; ++s) {
    for (std::size_t c = 1; c < stride; ++c) {
      const std::int64_t inverse = inverses[c];
      if (inverse != 0) {
        quotients[s * stride + c] =
            static_cast<std::uint16_t>(Fold(inverse * static_cast<std::int64_t>(s), n));
      }
    }
  }
  return quotients;
}

OrbitInfo ExamineOrbit(std::int32_t n, std::int64_t phi, std::span<const std::int32_t> set,
                       std::vector<std::int32_t>& scratch) {
  // A unit permutes 1..n/2, so uS and S differ exactly where their
  // complements C do, and uS < S exactly when C < uC. A set holding most of
  // 1..n/2 is compared through its shorter complement.
  std::vector<std::int32_t> complement;
  const bool viaComplement = 2 * static_cast<std::int64_t>(set.size()) > n / 2;
  if (viaComplement) complement = Complement(n, set);
  const std::span<const std::int32_t> compared =
      viaComplement ? std::span<const std::int32_t>(complement) : set;
  const std::int32_t g = set.front();
  const std::int64_t m = n / g;
  std::uint64_t stabiliser = 0;
  for (const std::int32_t s : set) {
    if (Gcd(s, n) != g) continue;
    // u s = +-g (mod n) exactly when u = +-(s/g)^-1 (mod n/g).
    const std::int64_t inverse = InverseMod(s / g, m);
    const std::int64_t targets[2] = {inverse, (m - inverse) % m};
    const int count = targets[0] == targets[1] ? 1 : 2;
    for (int t = 0; t < count; ++t) {
      for (std::int64_t u = targets[t]; u < n; u += m) {
        if (u == 0 || Gcd(u, n) != 1) continue;
        MultiplyInto(n, u, compared, scratch);
        auto order = std::lexicographical_compare_three_way(scratch.begin(), scratch.end(),
                                                            compared.begin(), compared.end());
        if (viaComplement) order = 0 <=> order;
        if (order < 0) return {};
        if (order == 0) ++stabiliser;
      }
    }
  }
  // The stabiliser holds at least 1 and -1.
  return {true, static_cast<std::uint64_t>(phi) / stabiliser};
}

std::uint64_t RingClassSize(std::int32_t n, std::span<const std::int32_t> set) {
  std::vector<std::vector<std::int32_t>> members;
  for (const std::int32_t s : set) {
    if (Gcd(s, n) == 1) members.push_back(Multiply(n, InverseMod(s, n), set));
  }
  std::sort(members.begin(), members.end());
  return static_cast<std::uint64_t>(std::unique(members.begin(), members.end()) - members.begin());
}

std::uint64_t ClassSizeIfSmallest(std::int32_t n, std::span<const std::int32_t> set, bool ring) {
  if (set.empty() || (ring && set.front() != 1)) return 0;
  // The smallest member starts with the smallest gcd(s, n) of its generators.
  std::int64_t g = n;
  for (const std::int32_t s : set) g = std::min(g, Gcd(s, n));
  if (set.front() != g) return 0;
  std::vector<std::int32_t> scratch;
  const OrbitInfo orbit = ExamineOrbit(n, Totient(n), set, scratch);
  if (!orbit.smallest) return 0;
  return ring ? RingClassSize(n, set) : orbit.size;
}

}  // namespace circscan
