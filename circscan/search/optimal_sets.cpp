#include "optimal_sets.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "number_theory.h"

namespace circscan {
namespace {

using Set = std::vector<std::int32_t>;

// Sets per bucket that the ring listing aims at.
constexpr std::uint64_t kBucketSets = 4096;

void MultiplyInto(std::int32_t n, std::int64_t u, const Set& set, Set& out) {
  out.clear();
  for (const std::int32_t s : set) out.push_back(Fold(u * s, n));
  std::sort(out.begin(), out.end());
}

void VisitBucket(std::vector<Set>& bucket,
                 const std::function<void(std::span<const std::int32_t>)>& visit,
                 std::uint64_t& visited) {
  std::sort(bucket.begin(), bucket.end());
  bucket.erase(std::unique(bucket.begin(), bucket.end()), bucket.end());
  for (const Set& set : bucket) visit(set);
  visited += bucket.size();
  bucket.clear();
}

// A member of S's orbit whose smallest generator is s1 holds the image of
// some r of S with gcd(r, n) = gcd(s1, n) = d: u r = +-s1, that is
// u = (s1/d) (r/d)^-1 modulo n/d, one of d lifts to a unit mod n (the sign
// folds away). So the members of each s1 in turn come from a few products.
std::uint64_t ForEachOrbitMember(std::int32_t n, const std::vector<Set>& classes,
                                 const std::function<void(std::span<const std::int32_t>)>& visit) {
  std::vector<Set> bucket;
  Set member;
  std::uint64_t visited = 0;
  for (std::int32_t s1 = 1; s1 <= n / 2; ++s1) {
    const std::int64_t d = Gcd(s1, n);
    const std::int64_t m = n / d;
    for (const Set& set : classes) {
      for (const std::int32_t r : set) {
        if (Gcd(r, n) != d) continue;
        const std::int64_t first = (s1 / d) * InverseMod(r / d, m) % m;
        for (std::int64_t u = first; u < n; u += m) {
          if (Gcd(u, n) != 1) continue;
          MultiplyInto(n, u, set, member);
          if (member.front() == s1) bucket.push_back(member);
        }
      }
    }
    VisitBucket(bucket, visit, visited);
  }
  return visited;
}

// The ring sets of S's orbit are Fold(s^-1 S) for the units s of S, at most
// k of them, all starting with 1; they are listed by ranges of their second
// generator, each range one pass over the classes.
std::uint64_t ForEachRingMember(std::int32_t n, const std::vector<Set>& classes,
                                std::uint64_t expected,
                                const std::function<void(std::span<const std::int32_t>)>& visit) {
  const std::size_t key = classes.front().size() > 1 ? 1 : 0;
  const std::int64_t low = key == 1 ? 2 : 1;
  const std::int64_t high = key == 1 ? n / 2 : 1;
  const std::int64_t passes = static_cast<std::int64_t>(std::max<std::uint64_t>(
      1, std::min<std::uint64_t>(expected / kBucketSets, static_cast<std::uint64_t>(high))));
  const std::int64_t width = (high - low + passes) / passes;
  std::vector<Set> bucket;
  Set member;
  std::uint64_t visited = 0;
  for (std::int64_t from = low; from <= high; from += width) {
    for (const Set& set : classes) {
      for (const std::int32_t s : set) {
        if (Gcd(s, n) != 1) continue;
        MultiplyInto(n, InverseMod(s, n), set, member);
        if (member[key] >= from && member[key] < from + width) bucket.push_back(member);
      }
    }
    VisitBucket(bucket, visit, visited);
  }
  return visited;
}

}  // namespace

std::uint64_t ForEachOptimalSet(std::int32_t n, bool ring, const std::vector<Set>& classes,
                                const std::function<void(std::span<const std::int32_t>)>& visit) {
  if (classes.empty()) return 0;
  if (!ring) return ForEachOrbitMember(n, classes, visit);
  std::uint64_t expected = 0;
  for (const Set& set : classes) expected += set.size();
  return ForEachRingMember(n, classes, expected, visit);
}

std::uint64_t ForEachOptimalRow(const BestRow& row, bool ring,
                                const std::function<void(const BestRow&)>& visit) {
  BestRow one{row.n, row.k, row.by, {}, row.diameter, row.sum, row.optimalSets, {}};
  return ForEachOptimalSet(row.n, ring, row.classes, [&](std::span<const std::int32_t> set) {
    one.generators.assign(set.begin(), set.end());
    visit(one);
  });
}

}  // namespace circscan
