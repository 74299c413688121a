#include "checkpointed_run.h"

#include <algorithm>

#include "search.h"

namespace circscan {

CheckpointedRun::CheckpointedRun(const std::string& path, const SearchPart& part,
                                 std::atomic<bool>& stop)
    : enabled_(!path.empty()), part_(part), stop_(stop) {
  if (!enabled_) return;
  std::string error;
  auto state = ReadCheckpoint(path, part, &error);
  if (!state) throw CheckpointRefused{error};
  state_ = std::move(*state);
  if (!writer_.Open(path, part, state_, &error)) throw CheckpointUnwritable{error};
}

void CheckpointedRun::Append(const std::string& unitText) {
  if (!enabled_ || !writeError_.empty()) return;
  if (!writer_.Append(unitText, &writeError_)) stop_.store(true);
}

void CheckpointedRun::CheckWritten() const {
  if (!writeError_.empty()) throw CheckpointUnwritable{writeError_};
}

RunHooks CheckpointedRun::Hooks(Progress& progress) {
  RunHooks hooks{.progress = &progress, .stop = &stop_};
  if (!enabled_) return hooks;
  const CheckpointUnits& known = state_.units;
  hooks.bestKnown = [&known](std::int32_t n) { return known.best.count(n) > 0; };
  hooks.bestDone = [this](std::int32_t n, const std::optional<BestRow>& row) {
    Append(BestUnitText(n, row));
  };
  hooks.largestKnownEmpty = [&known](std::int32_t d, std::int32_t n) {
    const auto empty = known.largestEmpty.find(d);
    return empty != known.largestEmpty.end() && empty->second.count(n) > 0;
  };
  hooks.largestDone = [this](std::int32_t d, std::int32_t n,
                             const std::optional<std::vector<std::int32_t>>& set) {
    Append(LargestUnitText(d, n, set, part_.k));
  };
  return hooks;
}

std::vector<BestRow> CheckpointedRun::Best(Progress& progress) {
  std::vector<BestRow> rows = FindBest(BestQueryOf(part_), Hooks(progress));
  for (const auto& [n, row] : state_.units.best) {
    if (row) rows.push_back(*row);
  }
  std::sort(rows.begin(), rows.end(), [](const BestRow& a, const BestRow& b) { return a.n < b.n; });
  return rows;
}

// One diameter at a time, so that a diameter answered by an earlier run is
// never searched again.
std::vector<LargestRow> CheckpointedRun::Largest(Progress& progress) {
  const CheckpointUnits& known = state_.units;
  std::vector<LargestRow> rows;
  for (std::int32_t d = part_.from; d <= part_.to && !stop_.load(); ++d) {
    if (const auto answer = known.largestAnswers.find(d); answer != known.largestAnswers.end()) {
      rows.push_back(answer->second);
      continue;
    }
    const auto empty = known.largestEmpty.find(d);
    if (empty != known.largestEmpty.end() &&
        static_cast<std::int32_t>(empty->second.size()) == LargestUnitCount(part_, d)) {
      continue;  // this part has no set for d
    }
    LargestQuery query = LargestQueryOf(part_);
    query.dFrom = query.dTo = d;
    for (LargestRow& row : FindLargest(query, Hooks(progress))) rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace circscan
