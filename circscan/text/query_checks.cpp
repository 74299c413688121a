#include "query_checks.h"

#include <cstdint>
#include <limits>
#include <string>

#include "search.h"

namespace circscan {

Checked<std::pair<std::int32_t, std::int32_t>> CheckRange(std::string_view option,
                                                          const RangeInput& range, std::int64_t low,
                                                          std::int64_t high) {
  const std::string name(option);
  if (range.first > range.last) {
    return QueryError{name + ": the range " + range.text + " runs backwards"};
  }
  if (range.first < low || range.last > high) {
    return QueryError{name + ": values run from " + std::to_string(low) + " to " +
                      std::to_string(high) + ", not " + range.text};
  }
  return std::pair{static_cast<std::int32_t>(range.first), static_cast<std::int32_t>(range.last)};
}

Checked<BestQuery> CheckBest(const RangeInput& n, std::int64_t k, By by) {
  const auto range = CheckRange("--n", n, kMinVertexCount, kMaxVertexCount);
  if (const auto* error = std::get_if<QueryError>(&range)) return *error;
  const auto [from, to] = std::get<0>(range);
  if (k < 1) return QueryError{"--k must be at least 1"};
  if (k > to / 2) {
    return QueryError{"--k " + std::to_string(k) + ": no N up to " + std::to_string(to) +
                      " has that many generators (at most N/2 = " + std::to_string(to / 2) + ")"};
  }
  return BestQuery{from, to, static_cast<std::int32_t>(k), by, {}};
}

Checked<LargestQuery> CheckLargest(std::int64_t k, const RangeInput& diameter) {
  if (k < 1) return QueryError{"--k must be at least 1"};
  if (k > kMaxVertexCount) return QueryError{"--k " + std::to_string(k) + " is too large"};
  const auto range = CheckRange("--diameter", diameter, 1, kMaxVertexCount);
  if (const auto* error = std::get_if<QueryError>(&range)) return *error;
  const auto [from, to] = std::get<0>(range);
  const auto k32 = static_cast<std::int32_t>(k);
  if (!LargestBound(k32, to)) {
    return QueryError{"--k " + std::to_string(k) + " --diameter " + std::to_string(to) +
                      ": the search would start beyond N = " + std::to_string(kMaxVertexCount)};
  }
  return LargestQuery{k32, from, to, {}};
}

Checked<std::int32_t> CheckVertexCount(std::int64_t n) {
  if (n < 2 || n > kMaxVertexCount) {
    return QueryError{"N must be between 2 and " + std::to_string(kMaxVertexCount)};
  }
  return static_cast<std::int32_t>(n);
}

Checked<std::vector<std::int32_t>> CheckGenerators(const std::vector<std::int64_t>& values,
                                                   std::string_view text) {
  using Limits = std::numeric_limits<std::int32_t>;
  std::vector<std::int32_t> generators;
  for (const std::int64_t value : values) {
    if (value < Limits::min() || value > Limits::max()) {
      return QueryError{GeneratorListMessage(text)};
    }
    generators.push_back(static_cast<std::int32_t>(value));
  }
  if (generators.empty()) return QueryError{GeneratorListMessage(text)};
  return generators;
}

std::string GeneratorListMessage(std::string_view text) {
  return "generators: '" + std::string(text) + "' is not a list of whole numbers like \"1 5 11\"";
}

}  // namespace circscan
