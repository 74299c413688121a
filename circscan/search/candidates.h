// The sets the search has to look at for one N: each is the smallest member
// of its orbit under the units of Z_n (see orbit.h), so it starts with a
// divisor g of n and holds only generators s with gcd(s, n) >= g. They are
// cut into tasks (g alone, or g and the second generator) in lexicographic
// order, so that tasks can run in parallel, go to shards, and be searched in
// the order of their sets.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace circscan {

class CandidatePlan {
 public:
  CandidatePlan(std::int32_t n, std::int32_t k);

  std::int32_t n() const { return n_; }
  std::int32_t k() const { return k_; }
  std::int64_t phi() const { return phi_; }
  std::size_t taskCount() const { return tasks_.size(); }
  // The tasks come first whose sets hold generator 1 (the ring sets); with
  // `ring` only those are searched.
  std::size_t taskCount(bool ring) const { return ring ? ringTasks_ : tasks_.size(); }

  // Number of sets that task `t` enumerates (before the orbit and
  // connectivity checks), capped at 2^62.
  std::uint64_t TaskSize(std::size_t t) const;

  // The generators task `t` fixes (its divisor g, and its second generator
  // when it has one, else 0) and the candidates for the later ones, ascending.
  struct TaskParts {
    std::int32_t g;
    std::int32_t second;
    std::span<const std::int32_t> later;
  };
  TaskParts Parts(std::size_t t) const;

  // Calls visit(set) for every set of task `t` that connects the ring, in
  // lexicographic order, until visit returns false. Returns the number of
  // sets enumerated.
  template <typename Visit>
  std::uint64_t ForEachSet(std::size_t t, Visit visit) const;

 private:
  struct Family {
    std::int32_t g;
    std::vector<std::int32_t> rest;  // candidates for the later generators, ascending
  };
  struct Task {
    std::int32_t family;
    std::int32_t second;  // index into rest of the second generator, or -1
  };

  std::int32_t n_;
  std::int32_t k_;
  std::int64_t phi_;
  std::vector<Family> families_;
  std::vector<Task> tasks_;
  std::size_t ringTasks_ = 0;
};

bool Connects(std::int32_t n, std::span<const std::int32_t> set);

template <typename Visit>
std::uint64_t CandidatePlan::ForEachSet(std::size_t t, Visit visit) const {
  const Task& task = tasks_[t];
  const Family& family = families_[static_cast<std::size_t>(task.family)];
  const auto& rest = family.rest;
  std::vector<std::int32_t> set{family.g};
  std::size_t first = 0;
  if (task.second >= 0) {
    set.push_back(rest[static_cast<std::size_t>(task.second)]);
    first = static_cast<std::size_t>(task.second) + 1;
  }
  const std::size_t free = static_cast<std::size_t>(k_) - set.size();
  const std::size_t fixed = set.size();
  const bool alwaysConnected = family.g == 1;
  std::uint64_t seen = 0;
  if (free == 0) {
    ++seen;
    if (alwaysConnected || Connects(n_, set)) visit(std::span<const std::int32_t>(set));
    return seen;
  }
  if (rest.size() < first + free) return 0;
  // Indices of the free generators, as an odometer in lexicographic order.
  std::vector<std::size_t> index(free);
  for (std::size_t i = 0; i < free; ++i) index[i] = first + i;
  set.resize(fixed + free);
  while (true) {
    for (std::size_t i = 0; i < free; ++i) set[fixed + i] = rest[index[i]];
    ++seen;
    if (alwaysConnected || Connects(n_, set)) {
      if (!visit(std::span<const std::int32_t>(set))) return seen;
    }
    std::size_t i = free;
    while (i > 0 && index[i - 1] == rest.size() - free + (i - 1)) --i;
    if (i == 0) return seen;
    ++index[i - 1];
    for (std::size_t j = i; j < free; ++j) index[j] = index[j - 1] + 1;
  }
}

}  // namespace circscan
