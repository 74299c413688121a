#include "sum_bound.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace circscan {
namespace {

// Steps past the lattice radius that the stored distances still tell apart:
// more make each residue's excess count fully, fewer make each block cheaper.
constexpr std::int32_t kStepsPast = 3;
// A residue's excess, at most kStepsPast + 1, must keep eight of them within a byte.
static_assert(8 * (kStepsPast + 1) < 256);

// Prefix distances cost (k - 1) rows of n bytes per thread; beyond this the
// bound is not used.
constexpr std::size_t kMaxBytes = std::size_t{8} << 20;

// min(cap, a * b), for a, b, cap >= 0.
std::int64_t CappedProduct(std::int64_t a, std::int64_t b, std::int64_t cap) {
  if (a != 0 && b > cap / a) return cap;
  return a * b;
}

// The lattice points within taxicab distance r in k dimensions, capped at n:
// the sum over i of 2^i C(k, i) C(r, i). Every factor of a term is at least
// 1, so while the total is below n each factor is too, and the next ones
// stay below n times k or r (under 2^40).
std::int64_t LatticeBall(std::int64_t k, std::int64_t r, std::int64_t n) {
  std::int64_t total = 0;
  std::int64_t chooseK = 1;  // C(k, i)
  std::int64_t chooseR = 1;  // C(r, i)
  std::int64_t power = 1;    // 2^i
  for (std::int64_t i = 0; i <= std::min(k, r) && total < n; ++i) {
    if (i > 0) {
      chooseK = chooseK * (k - i + 1) / i;
      chooseR = chooseR * (r - i + 1) / i;
      power *= 2;
    }
    total += CappedProduct(CappedProduct(power, chooseK, n), chooseR, n);
  }
  return std::min(total, n);
}

// The distances of a prefix, twice round the ring and a vector more, so that
// a vector reads them from any place below 2n, and the turns of the generator
// added to it: residue x is t steps of it from x + down[t] and x + up[t].
struct Turned {
  const std::uint8_t* from;
  const std::int32_t* down;
  const std::int32_t* up;
  std::int32_t n;
  std::int32_t cap;
};

// The kernels below are written once for vectors of any width and built
// twice: for the baseline instruction set, 16 bytes at a time, and where the
// processor has AVX2, 32. They are always inlined into one of the two, so no
// vector crosses a call and the width never reaches a calling convention (of
// which GCC would otherwise warn, at the end of the file).
#pragma GCC diagnostic ignored "-Wpsabi"

using Narrow = std::uint8_t __attribute__((vector_size(16)));
using Wide = std::uint8_t __attribute__((vector_size(32)));

// The same bytes seen as 64-bit words.
template <typename V>
struct WordsOf;
template <>
struct WordsOf<Narrow> {
  using Type = std::uint64_t __attribute__((vector_size(16)));
};
template <>
struct WordsOf<Wide> {
  using Type = std::uint64_t __attribute__((vector_size(32)));
};

template <typename V>
[[gnu::always_inline]] inline V Load(const std::uint8_t* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <typename V>
[[gnu::always_inline]] inline V Min(V a, V b) {
  return a < b ? a : b;
}

// The sum of the lanes, each at most 31: added in halves within each 64-bit
// word, no byte passes 255 and the low byte of each word holds its sum.
template <typename V>
[[gnu::always_inline]] inline std::int32_t Total(V v) {
  auto w = reinterpret_cast<typename WordsOf<V>::Type>(v);
  w += w >> 32;
  w += w >> 16;
  w += w >> 8;
  std::int32_t total = 0;
  for (std::size_t i = 0; i < sizeof(V) / 8; ++i) total += static_cast<std::int32_t>(w[i] & 0xff);
  return total;
}

// The capped distances of residues x.. (one vector of them) to 0.
template <typename V>
[[gnu::always_inline]] inline V Reach(const Turned& ring, std::int32_t x) {
  const std::uint8_t* at = ring.from + x;
  V best = Load<V>(at);
  for (std::int32_t t = 1; t < ring.cap; ++t) {
    const V near = Min(Load<V>(at + ring.down[t]), Load<V>(at + ring.up[t]));
    best = Min(best, near + static_cast<std::uint8_t>(t));
  }
  return best;
}

template <typename V>
[[gnu::always_inline]] inline void Spread(const Turned& ring, std::uint8_t* level) {
  const V cap = V{} + static_cast<std::uint8_t>(ring.cap);
  for (std::int32_t x = 0; x < ring.n; x += static_cast<std::int32_t>(sizeof(V))) {
    const V best = Min(Reach<V>(ring, x), cap);
    std::memcpy(level + x, &best, sizeof best);
  }
}

// The steps beyond `radius` of the residues 0..n/2, x and n - x counted
// twice except 0 and n/2 (its own mirror when n is even, left to the last
// vector); false as soon as they pass `allowed`.
template <typename V>
[[gnu::always_inline]] inline bool ExcessWithin(const Turned& ring, std::int32_t radius,
                                                std::int64_t allowed) {
  constexpr auto kWidth = static_cast<std::int32_t>(sizeof(V));
  const std::int32_t half = ring.n / 2;
  const std::int32_t whole = half / kWidth * kWidth;
  const auto floor = static_cast<std::uint8_t>(radius);
  std::int64_t excess = 0;
  for (std::int32_t x = 0; x < whole; x += kWidth) {
    const V best = Reach<V>(ring, x);
    excess += 2 * Total(best > floor ? best - floor : V{});
    if (excess > allowed) return false;
  }
  const V best = Reach<V>(ring, whole);
  for (std::int32_t y = whole; y <= half; ++y) {
    const std::int32_t steps = best[y - whole] - radius;
    if (steps > 0) excess += (y == 0 || 2 * y == ring.n ? 1 : 2) * steps;
  }
  return excess <= allowed;
}

void SpreadNarrow(const Turned& ring, std::uint8_t* level) { Spread<Narrow>(ring, level); }
[[gnu::target("avx2")]] void SpreadWide(const Turned& ring, std::uint8_t* level) {
  Spread<Wide>(ring, level);
}
bool ExcessWithinNarrow(const Turned& ring, std::int32_t radius, std::int64_t allowed) {
  return ExcessWithin<Narrow>(ring, radius, allowed);
}
[[gnu::target("avx2")]] bool ExcessWithinWide(const Turned& ring, std::int32_t radius,
                                              std::int64_t allowed) {
  return ExcessWithin<Wide>(ring, radius, allowed);
}

}  // namespace

SumBound::SumBound(std::int32_t n, std::int32_t k)
    : n_(n), stride_(2 * static_cast<std::size_t>(n) + kRepeated) {
  for (std::int64_t ball = 1; ball < n; ball = LatticeBall(k, ++radius_, n)) floor_ += n - ball;
  const std::int32_t reach = radius_ + kStepsPast;
  // A distance plus a turn stays below 256.
  if (2 * reach + 1 > 255 || static_cast<std::size_t>(k - 1) * stride_ > kMaxBytes) return;
  cap_ = reach + 1;
  wide_ = __builtin_cpu_supports("avx2") != 0;
  levels_.resize(static_cast<std::size_t>(k - 1) * stride_);
  down_.resize(static_cast<std::size_t>(cap_));
  up_.resize(static_cast<std::size_t>(cap_));
}

void SumBound::Repeat(std::uint8_t* level) const {
  const auto n = static_cast<std::size_t>(n_);
  std::copy_n(level, n, level + n);
  // Ascending, so a ring shorter than the repeated start reads what this
  // loop has just written.
  for (std::size_t x = 2 * n; x < stride_; ++x) level[x] = level[x - n];
}

void SumBound::Turn(std::int32_t s) {
  std::int32_t turn = 0;
  for (std::size_t t = 0; t < up_.size(); ++t) {
    up_[t] = turn;
    down_[t] = turn == 0 ? 0 : n_ - turn;
    turn += s;
    if (turn >= n_) turn -= n_;
  }
}

void SumBound::PushFirst(std::int32_t s) {
  std::uint8_t* level = levels_.data();
  std::fill(level, level + n_, static_cast<std::uint8_t>(cap_));
  Turn(s);
  for (std::size_t t = 0; t < up_.size(); ++t) {
    const auto steps = static_cast<std::uint8_t>(t);
    auto& up = level[up_[t]];
    auto& down = level[down_[t]];
    up = std::min(up, steps);
    down = std::min(down, steps);
  }
  Repeat(level);
}

void SumBound::Push(std::size_t i, std::int32_t s) {
  // Within the longer prefix, x is |t| steps of s from a residue of the shorter one.
  Turn(s);
  const Turned ring{levels_.data() + (i - 1) * stride_, down_.data(), up_.data(), n_, cap_};
  std::uint8_t* level = levels_.data() + i * stride_;
  if (wide_) {
    SpreadWide(ring, level);
  } else {
    SpreadNarrow(ring, level);
  }
  Repeat(level);
}

bool SumBound::MayReach(std::int64_t sum, std::span<const std::int32_t> set) {
  if (cap_ == 0 || sum == INT64_MAX) return true;
  if (sum < floor_) return false;
  const std::size_t depth = set.size() - 1;
  std::size_t same = 0;
  while (same < prefix_.size() && prefix_[same] == set[same]) ++same;
  prefix_.resize(same);
  for (std::size_t p = same; p < depth; ++p) {
    if (p == 0) {
      PushFirst(set[0]);
    } else {
      Push(p, set[p]);
    }
    prefix_.push_back(set[p]);
  }
  Turn(set.back());
  const Turned ring{levels_.data() + (depth - 1) * stride_, down_.data(), up_.data(), n_, cap_};
  return wide_ ? ExcessWithinWide(ring, radius_, sum - floor_)
               : ExcessWithinNarrow(ring, radius_, sum - floor_);
}

}  // namespace circscan
