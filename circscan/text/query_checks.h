// The value checks of circscan's questions, shared by the command line and the
// Python module, so that both refuse the same values with the same words. Each
// returns the checked value or the message to show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "query.h"

namespace circscan {

struct QueryError {
  std::string message;
};

template <typename T>
using Checked = std::variant<T, QueryError>;

// A range as the user gave it: its bounds and how it was written, which the
// messages quote.
struct RangeInput {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::string text;
};

Checked<std::pair<std::int32_t, std::int32_t>> CheckRange(std::string_view option,
                                                          const RangeInput& range, std::int64_t low,
                                                          std::int64_t high);

// The whole search, in one part; the caller sets the shard.
Checked<BestQuery> CheckBest(const RangeInput& n, std::int64_t k, By by);
Checked<LargestQuery> CheckLargest(std::int64_t k, const RangeInput& diameter);

// N of `analyze`.
Checked<std::int32_t> CheckVertexCount(std::int64_t n);

// Generators as whole numbers; `text` is how they were written.
Checked<std::vector<std::int32_t>> CheckGenerators(const std::vector<std::int64_t>& values,
                                                   std::string_view text);
std::string GeneratorListMessage(std::string_view text);

}  // namespace circscan
