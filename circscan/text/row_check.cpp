#include "row_check.h"

#include <cstdint>
#include <vector>

#include "orbit.h"
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

std::string FiguresProblem(const BestRow& row, const std::vector<std::int32_t>& set) {
  std::string error;
  const auto analysis = Analyze(row.n, set, &error);
  if (!analysis) return SetName(row.n, set) + ": " + error;
  if (analysis->diameter == row.diameter && analysis->sum == row.sum) return {};
  return SetName(row.n, set) + " has D = " + std::to_string(analysis->diameter) +
         " and distance sum " + std::to_string(analysis->sum) +
         ", not the row's D = " + std::to_string(row.diameter) + " and " + std::to_string(row.sum);
}

std::string ClassesProblem(const BestRow& row, bool ring) {
  if (row.classes.front() != row.generators) {
    return SetName(row.n, row.generators) + " is not the smallest of the row's classes";
  }
  std::uint64_t sets = 0;
  for (const auto& set : row.classes) {
    const std::uint64_t size = ClassSizeIfSmallest(row.n, set, ring);
    if (size == 0) return SetName(row.n, set) + " is not the smallest member of its class";
    std::string problem = FiguresProblem(row, set);
    if (!problem.empty()) return problem;
    sets += size;
  }
  if (sets == row.optimalSets) return {};
  return "the classes at N = " + std::to_string(row.n) + " hold " + std::to_string(sets) +
         " sets, not the row's " + std::to_string(row.optimalSets);
}

}  // namespace

std::string RecomputedProblem(const BestRow& row, bool ring) {
  if (!row.classes.empty()) return ClassesProblem(row, ring);
  return FiguresProblem(row, row.generators);
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
