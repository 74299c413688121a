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

std::optional<Analysis> Analyze(std::int32_t n, const std::vector<std::int32_t>& generators,
                                std::string* error) {
  const auto fail = [&](std::string message) {
    if (error != nullptr) *error = std::move(message);
    return std::nullopt;
  };
  if (n < 2 || n > kMaxVertexCount) {
    return fail("N must be between 2 and " + std::to_string(kMaxVertexCount));
  }
  Analysis analysis;
  analysis.n = n;
  for (const std::int32_t g : generators) {
    const std::int32_t folded = Fold(g, n);
    if (folded != 0) analysis.generators.push_back(folded);
  }
  std::sort(analysis.generators.begin(), analysis.generators.end());
  analysis.generators.erase(std::unique(analysis.generators.begin(), analysis.generators.end()),
                            analysis.generators.end());
  std::int64_t common = n;
  for (const std::int32_t g : analysis.generators) common = Gcd(common, g);
  if (common != 1) {
    return fail("the generators do not connect the " + std::to_string(n) +
                " vertices: they and N have the common divisor " + std::to_string(common));
  }
  // The folded list without repeats spans the same graph, and a search
  // costs per generator, so repeats must not be searched again.
  analysis.distances = velmar::ExactDistancesFromZero(n, analysis.generators);
  analysis.sum = velmar::SumOfDistances(analysis.distances);
  analysis.diameter = *std::max_element(analysis.distances.begin(), analysis.distances.end());
  return analysis;
}

}  // namespace circscan
