#include "cover_walk.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "number_theory.h"

namespace circscan {
namespace {

// Sets between looks at the stop flag: a few microseconds of work.
constexpr std::uint64_t kCheckEvery = 4096;

}  // namespace

CoverWalk::CoverWalk(const CandidatePlan& plan, std::int32_t d,
                     const std::vector<std::int32_t>& inverses,
                     const std::vector<std::uint16_t>& quotients, const RunHooks& hooks,
                     const std::atomic<std::size_t>& firstHit)
    : plan_(plan),
      inverses_(inverses),
      quotients_(quotients),
      hooks_(hooks),
      firstHit_(firstHit),
      cover_(plan.n(), d, plan.k()),
      k_(plan.k()),
      turned_(static_cast<std::size_t>(plan.k())) {}

CoverWalk::Result CoverWalk::Run(std::size_t task) {
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
  set_.resize(static_cast<std::size_t>(k_));
  Descend(fixed, 0);
  Interrupted();  // hands over the last count
  if (found_) return {false, set_};
  return {cut_, std::nullopt};
}

bool CoverWalk::Descend(std::int32_t position, std::size_t from) {
  if (position == k_ - 1) return LastGenerator(from);
  const auto needed = static_cast<std::size_t>(k_ - position);
  for (std::size_t i = from; i + needed <= later_.size(); ++i) {
    const std::int32_t x = later_[i];
    if (units_ && !MayBeSmallest(position, x)) continue;
    set_[static_cast<std::size_t>(position)] = x;
    cover_.Push(position, x);
    if (Descend(position + 1, i + 1)) return true;
  }
  return false;
}

bool CoverWalk::LastGenerator(std::size_t from) {
  const std::int32_t n = plan_.n();
  const std::int32_t position = k_ - 1;
  if (from >= later_.size()) return false;
  // With 1 in the set the candidates run through consecutive integers, so
  // each earlier unit's multiple of the last generator grows by one step.
  if (units_) {
    for (std::int32_t j = 1; j < position; ++j) {
      const auto inverse = inverses_[static_cast<std::size_t>(set_[static_cast<std::size_t>(j)])];
      turned_[static_cast<std::size_t>(j)] = std::int64_t{inverse} * later_[from] % n;
    }
  }
  for (std::size_t i = from; i < later_.size(); ++i) {
    const std::int32_t c = later_[i];
    if (++unreported_ >= kCheckEvery && Interrupted()) return true;
    // Always called, since it moves the running multiples on to the next c.
    const bool candidate = !units_ || LastMayBeSmallest(c);
    if (!candidate || !cover_.Covers(position, c)) continue;
    set_[static_cast<std::size_t>(position)] = c;
    found_ = true;
    return true;
  }
  return false;
}

// Multiplying by the inverse of an earlier unit s, or of c, gives a member
// that holds 1; its next generator must not fall below the set's second.
bool CoverWalk::LastMayBeSmallest(std::int32_t c) {
  const std::int32_t n = plan_.n();
  const std::int32_t position = k_ - 1;
  const std::int32_t second = position == 1 ? c : set_[1];
  bool smallest = true;
  for (std::int32_t j = 1; j < position; ++j) {
    const auto inverse = inverses_[static_cast<std::size_t>(set_[static_cast<std::size_t>(j)])];
    if (inverse == 0) continue;
    std::int64_t& value = turned_[static_cast<std::size_t>(j)];
    if (std::min<std::int64_t>(value, n - value) < second) smallest = false;
    value += inverse;
    if (value >= n) value -= n;
  }
  const std::int32_t inverse = inverses_[static_cast<std::size_t>(c)];
  if (inverse == 0 || !smallest) return smallest;
  if (inverse < second) return false;
  if (quotients_.empty()) return true;
  const auto stride = static_cast<std::size_t>(n / 2) + 1;
  for (std::int32_t j = 1; j < position; ++j) {
    const auto s = static_cast<std::size_t>(set_[static_cast<std::size_t>(j)]);
    if (quotients_[s * stride + static_cast<std::size_t>(c)] < second) return false;
  }
  return true;
}

bool CoverWalk::MayBeSmallest(std::int32_t position, std::int32_t x) const {
  const std::int32_t n = plan_.n();
  const std::int32_t second = position == 1 ? x : set_[1];
  for (std::int32_t j = 1; j < position; ++j) {
    const auto inverse = inverses_[static_cast<std::size_t>(set_[static_cast<std::size_t>(j)])];
    if (inverse != 0 && Fold(std::int64_t{inverse} * x, n) < second) return false;
  }
  const std::int32_t inverse = inverses_[static_cast<std::size_t>(x)];
  if (inverse == 0) return true;
  for (std::int32_t j = 0; j < position; ++j) {
    if (Fold(std::int64_t{inverse} * set_[static_cast<std::size_t>(j)], n) < second) return false;
  }
  return true;
}

bool CoverWalk::Interrupted() {
  if (hooks_.progress != nullptr) hooks_.progress->done += unreported_;
  unreported_ = 0;
  if (hooks_.Stopped()) {
    cut_ = true;
    return true;
  }
  return firstHit_.load(std::memory_order_relaxed) < task_;
}

}  // namespace circscan
