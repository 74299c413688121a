// One circulant in full, on velmar's model without its four-hop limit.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "circulant.h"
#include "number_theory.h"
#include "search.h"

namespace circscan {

std::optional<std::vector<std::int32_t>> ConnectedGenerators(
    std::int32_t n, const std::vector<std::int32_t>& generators, std::string* error) {
  const auto fail = [&](std::string message) {
    if (error != nullptr) *error = std::move(message);
    return std::nullopt;
  };
  if (n < 2 || n > kMaxVertexCount) {
    return fail("N must be between 2 and " + std::to_string(kMaxVertexCount));
  }
  std::vector<std::int32_t> folded;
  for (const std::int32_t g : generators) {
    const std::int32_t chord = Fold(g, n);
    if (chord != 0) folded.push_back(chord);
  }
  std::sort(folded.begin(), folded.end());
  // The folded list without repeats spans the same graph, and a search
  // costs per generator, so repeats must not be searched again.
  folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
  std::int64_t common = n;
  for (const std::int32_t g : folded) common = Gcd(common, g);
  if (common != 1) {
    return fail("the generators do not connect the " + std::to_string(n) +
                " vertices: they and N have the common divisor " + std::to_string(common));
  }
  return folded;
}

std::optional<Analysis> Analyze(std::int32_t n, const std::vector<std::int32_t>& generators,
                                std::string* error) {
  auto folded = ConnectedGenerators(n, generators, error);
  if (!folded) return std::nullopt;
  Analysis analysis;
  analysis.n = n;
  analysis.generators = std::move(*folded);
  analysis.distances = velmar::ExactDistancesFromZero(n, analysis.generators);
  analysis.sum = velmar::SumOfDistances(analysis.distances);
  analysis.diameter = *std::max_element(analysis.distances.begin(), analysis.distances.end());
  return analysis;
}

}  // namespace circscan
