#include "slack_walk.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace circscan {
namespace {

// Sets between looks at the stop flag: a few microseconds of work.
constexpr std::uint64_t kCheckEvery = 4096;

// Last generators left below which they are tested one by one.
constexpr std::size_t kBlockAtLeast = 48;

// Points of Z^m with taxicab norm exactly j, for m = 0..k and j = 0..d: the
// ball of radius j, sum over i of 2^i C(m, i) C(j, i), minus that of j - 1.
// Both stay below the lattice bound of k and d, which fits 32 bits.
std::vector<std::int64_t> Spheres(std::int32_t k, std::int32_t d) {
  const auto width = static_cast<std::size_t>(d) + 1;
  std::vector<std::int64_t> balls((static_cast<std::size_t>(k) + 1) * width);
  for (std::int32_t m = 0; m <= k; ++m) {
    for (std::int32_t j = 0; j <= d; ++j) {
      // Z^m's ball of radius j: its points with last coordinate 0 and the
      // two halves with it nonzero, by the norm left for the others.
      std::int64_t points = 1;
      if (m > 0) {
        const auto below = static_cast<std::size_t>(m - 1) * width;
        points = balls[below + static_cast<std::size_t>(j)];
        for (std::int32_t rest = 0; rest < j; ++rest) {
          points += 2 * balls[below + static_cast<std::size_t>(rest)];
        }
      }
      balls[static_cast<std::size_t>(m) * width + static_cast<std::size_t>(j)] = points;
    }
  }
  std::vector<std::int64_t> spheres(balls.size());
  for (std::size_t i = 0; i < balls.size(); ++i) {
    spheres[i] = balls[i] - (i % width == 0 ? 0 : balls[i - 1]);
  }
  return spheres;
}

}  // namespace

SlackWalk::SlackWalk(const CandidatePlan& plan, std::int32_t d,
                     const std::vector<std::int32_t>& inverses, const BlockLayout* layout,
                     const RunHooks& hooks, const std::atomic<std::size_t>& firstHit)
    : plan_(plan),
      inverses_(inverses),
      hooks_(hooks),
      firstHit_(firstHit),
      cover_(plan.n(), d, plan.k()),
      mask_(plan.n(), inverses, plan.k()),
      k_(plan.k()),
      d_(d),
      spheres_(Spheres(plan.k(), d)) {
  if (layout != nullptr) {
    blocks_.emplace(*layout);
    laterBits_.resize(static_cast<std::size_t>(plan.n() / 2) / 64 + 1);
  }
}

SlackWalk::Result SlackWalk::Run(std::size_t task) {
  const CandidatePlan::TaskParts parts = plan_.Parts(task);
  task_ = task;
  later_ = parts.later;
  set_.assign(1, parts.g);
  if (parts.second != 0) set_.push_back(parts.second);
  units_ = parts.g == 1;
  found_ = cut_ = false;
  const auto fixed = static_cast<std::int32_t>(set_.size());
  if (units_ && fixed > 1 && !MayBeSmallest(1, set_[1])) return {};
  for (std::int32_t p = 0; p + 1 < fixed; ++p) cover_.Push(p, set_[static_cast<std::size_t>(p)]);
  if (fixed == k_) {
    // Only with k = 1: the set is {g} and nothing is left to choose.
    if (cover_.Covers(fixed - 1, set_.back())) return {false, set_};
    return {};
  }
  cover_.Push(fixed - 1, set_.back());
  if (!Completable(fixed)) return {};
  if (units_ && fixed > 1) {
    mask_.Start(set_[1]);
    mask_.Add(1, set_[1]);
  }
  set_.resize(static_cast<std::size_t>(k_));
  if (blocks_) {
    std::fill(laterBits_.begin(), laterBits_.end(), 0);
    for (const std::int32_t x : later_) {
      laterBits_[static_cast<std::size_t>(x) >> 6] |= std::uint64_t{1} << (x & 63);
    }
  }
  Descend(fixed, 0);
  Interrupted();  // hands over the last count
  if (found_) return {false, set_};
  return {cut_, std::nullopt};
}

bool SlackWalk::Descend(std::int32_t position, std::size_t from) {
  if (position == k_ - 1) return LastGenerator(from);
  const auto needed = static_cast<std::size_t>(k_ - position);
  for (std::size_t i = from; i + needed <= later_.size(); ++i) {
    const std::int32_t x = later_[i];
    if (units_ && !MayBeSmallest(position, x)) continue;
    set_[static_cast<std::size_t>(position)] = x;
    cover_.Push(position, x);
    if (!Completable(position + 1)) continue;
    if (units_) mask_.Add(position, x);
    if (Descend(position + 1, i + 1)) return true;
  }
  return false;
}

bool SlackWalk::LastGenerator(std::size_t from) {
  // Loading a prefix into the blocks costs about as much as testing a
  // few dozen generators one by one.
  if (blocks_ && later_.size() >= from + kBlockAtLeast) return LastInBlocks(from);
  const std::int32_t position = k_ - 1;
  for (std::size_t i = from; i < later_.size(); ++i) {
    const std::int32_t c = later_[i];
    if (++unreported_ >= kCheckEvery && Interrupted()) return true;
    if (units_ && !MayBeSmallest(position, c)) continue;
    if (!cover_.Covers(position, c)) continue;
    set_[static_cast<std::size_t>(position)] = c;
    found_ = true;
    return true;
  }
  return false;
}

bool SlackWalk::LastInBlocks(std::size_t from) {
  const std::int32_t position = k_ - 1;
  blocks_->Load(cover_, position);
  const std::int32_t first = later_[from];
  const std::int32_t lastWord = plan_.n() / 2 / 64;
  for (std::int32_t w = first / 64; w <= lastWord; ++w) {
    std::uint64_t candidates = laterBits_[static_cast<std::size_t>(w)];
    if (w == first / 64) candidates &= ~std::uint64_t{0} << (first & 63);
    unreported_ += static_cast<std::uint64_t>(std::popcount(candidates));
    if (unreported_ >= kCheckEvery && Interrupted()) return true;
    if (units_) candidates &= ~mask_.Bits(position, w);
    if (candidates == 0) continue;
    for (std::uint64_t left = blocks_->Covering(64 * w, candidates, 2); left != 0;
         left &= left - 1) {
      const std::int32_t c = 64 * w + std::countr_zero(left);
      if (!cover_.Covers(position, c)) continue;
      set_[static_cast<std::size_t>(position)] = c;
      found_ = true;
      return true;
    }
  }
  return false;
}

// From position 2 on the mask decides; the second generator is compared
// with the member that its own inverse gives, {1, Fold(x^-1), ...}.
bool SlackWalk::MayBeSmallest(std::int32_t position, std::int32_t x) const {
  if (position >= 2) return !mask_.Excluded(position, x);
  const std::int32_t inverse = inverses_[static_cast<std::size_t>(x)];
  return inverse == 0 || inverse >= x;
}

// The ball of radius d of the whole set is the image of the lattice points
// of Z^k within taxicab distance d under x -> sum x_i s_i mod n. Split each
// point into its first `length` coordinates and the other m = k - length:
// the points whose last m coordinates have norm j map onto the prefix's
// level d - j (its residues within d - j steps) turned by one residue for
// each of the S(m, j) choices of those coordinates. So the whole ball holds
// at most sum over j of S(m, j) |level d - j| residues, whatever the later
// generators are, and when that falls below n no completion covers the ring.
// With every level as large as the lattice allows the sum is the lattice
// bound; each collision of the prefix's ball costs the whole ball S(m, j)
// residues, so this drops the prefixes whose collisions exceed the slack
// (the bound minus n), weighed by the level they happen at.
bool SlackWalk::Completable(std::int32_t length) const {
  const std::int32_t m = k_ - length;
  if (m == 0) return true;
  const auto row = static_cast<std::size_t>(m) * static_cast<std::size_t>(d_ + 1);
  std::int64_t most = 0;
  for (std::int32_t j = 0; j <= d_; ++j) {
    most += spheres_[row + static_cast<std::size_t>(j)] * cover_.Reached(length, d_ - j);
  }
  return most >= plan_.n();
}

bool SlackWalk::Interrupted() {
  if (hooks_.progress != nullptr) hooks_.progress->done += unreported_;
  unreported_ = 0;
  if (hooks_.Stopped()) {
    cut_ = true;
    return true;
  }
  return firstHit_.load(std::memory_order_relaxed) < task_;
}

}  // namespace circscan
