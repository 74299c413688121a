#include "row_check.h"

#include <cstdint>
#include <vector>

#include "search.h"

namespace circscan {
namespace {

std::string SetName(std::int32_t n, const std::vector<std::int32_t>& generators) {
  std::string text = "the set {";
  for (std::size_t i = 0; i < generators.size(); ++i) {
    text += (i > 0 ? " " : "") + std::to_string(generators[i]);
  }
  return text + "} at N = " + std::to_string(n);
}

}  // namespace

std::string RecomputedProblem(const BestRow& row) {
  std::string error;
  const auto analysis = Analyze(row.n, row.generators, &error);
  if (!analysis) return SetName(row.n, row.generators) + ": " + error;
  if (analysis->diameter == row.diameter && analysis->sum == row.sum) return {};
  return SetName(row.n, row.generators) + " has D = " + std::to_string(analysis->diameter) +
         " and distance sum " + std::to_string(analysis->sum) +
         ", not the row's D = " + std::to_string(row.diameter) + " and " + std::to_string(row.sum);
}

std::string RecomputedProblem(const LargestRow& row) {
  std::string error;
  const auto analysis = Analyze(row.n, row.generators, &error);
  if (!analysis) return SetName(row.n, row.generators) + ": " + error;
  if (analysis->diameter <= row.diameter) return {};
  return SetName(row.n, row.generators) + " has D = " + std::to_string(analysis->diameter) +
         ", more than the row's diameter " + std::to_string(row.diameter);
}

}  // namespace circscan
