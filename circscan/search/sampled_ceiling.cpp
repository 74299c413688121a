#include "sampled_ceiling.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "ring_search.h"

namespace circscan {
namespace {

// A few milliseconds of searches at N in the thousands; a small N gets fewer,
// in proportion to its sets.
constexpr std::uint64_t kMaxSamples = 256;
constexpr std::uint64_t kSetsPerSample = 16;

// A set of the task with its free generators drawn at random, or empty when
// the task has too few candidates for a quick draw.
std::vector<std::int32_t> Draw(const CandidatePlan& plan, std::size_t task, std::mt19937& random) {
  const CandidatePlan::TaskParts parts = plan.Parts(task);
  std::vector<std::int32_t> set{parts.g};
  if (parts.second != 0) set.push_back(parts.second);
  const std::size_t free = static_cast<std::size_t>(plan.k()) - set.size();
  if (2 * free > parts.later.size()) return {};
  while (set.size() < static_cast<std::size_t>(plan.k())) {
    const std::int32_t x = parts.later[random() % parts.later.size()];
    if (std::find(set.begin(), set.end(), x) == set.end()) set.push_back(x);
  }
  std::sort(set.begin(), set.end());
  if (!Connects(plan.n(), set)) return {};
  return set;
}

}  // namespace

std::uint64_t SampledCeiling(const CandidatePlan& plan, std::span<const std::size_t> tasks,
                             const KeyCodec& codec) {
  std::uint64_t sets = 0;
  for (const std::size_t t : tasks) sets += plan.TaskSize(t);
  const std::uint64_t samples = std::min(kMaxSamples, sets / kSetsPerSample);
  std::uint64_t best = UINT64_MAX;
  if (samples == 0) return best;
  std::mt19937 random(static_cast<std::uint32_t>(plan.n()));
  RingSearch search(plan.n(), plan.k());
  for (std::uint64_t i = 0; i < samples; ++i) {
    const auto set = Draw(plan, tasks[random() % tasks.size()], random);
    if (set.empty()) continue;
    if (const auto result = search.Run(set, codec.Unpack(best))) {
      best = std::min(best, codec.Pack(*result));
    }
  }
  return best;
}

}  // namespace circscan
