// Shards split the same search into disjoint parts, each exact on its own:
// the best of the whole is the best of the parts, counted over the parts
// that reach it; the largest N is the largest of the parts.
#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "search.h"

namespace circscan {
namespace {

bool Better(const BestRow& a, const BestRow& b) {
  if (a.by == By::kDiameter) return std::tie(a.diameter, a.sum) < std::tie(b.diameter, b.sum);
  return std::tie(a.sum, a.diameter) < std::tie(b.sum, b.diameter);
}

}  // namespace

std::vector<BestRow> MergeBest(const std::vector<std::vector<BestRow>>& parts) {
  std::map<std::int32_t, BestRow> rows;
  for (const auto& part : parts) {
    for (const BestRow& row : part) {
      auto [it, fresh] = rows.try_emplace(row.n, row);
      if (fresh) continue;
      BestRow& kept = it->second;
      if (Better(row, kept)) {
        kept = row;
      } else if (!Better(kept, row)) {
        kept.optimalSets += row.optimalSets;
        kept.generators = std::min(kept.generators, row.generators);
        // Each class lies in one part, so the parts' lists never overlap.
        kept.classes.insert(kept.classes.end(), row.classes.begin(), row.classes.end());
      }
    }
  }
  std::vector<BestRow> merged;
  for (auto& [n, row] : rows) {
    std::sort(row.classes.begin(), row.classes.end());
    merged.push_back(std::move(row));
  }
  return merged;
}

std::vector<LargestRow> MergeLargest(const std::vector<std::vector<LargestRow>>& parts) {
  std::map<std::int32_t, LargestRow> rows;
  for (const auto& part : parts) {
    for (const LargestRow& row : part) {
      auto [it, fresh] = rows.try_emplace(row.diameter, row);
      if (fresh) continue;
      LargestRow& kept = it->second;
      if (row.n > kept.n || (row.n == kept.n && row.generators < kept.generators)) kept = row;
    }
  }
  std::vector<LargestRow> merged;
  for (auto& [d, row] : rows) merged.push_back(std::move(row));
  return merged;
}

}  // namespace circscan
