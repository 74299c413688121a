// What circscan reads from its command line and writes to its output, as
// plain string functions: the command line prints what these return, and the
// tests compare it byte for byte.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "query.h"
#include "search.h"
#include "search_part.h"

namespace circscan {

enum class Format { kTable, kCsv, kJson };

// "A..B" or a single "A"; empty on anything else (signs, spaces, overflow).
std::optional<std::pair<std::int64_t, std::int64_t>> ParseRange(std::string_view text);
// "I/M" with 1 <= I <= M.
std::optional<Shard> ParseShard(std::string_view text);
// Integers separated by spaces, tabs or commas, each with at most one sign;
// empty optional when a token is not a whole 32-bit integer or there is none.
std::optional<std::vector<std::int32_t>> ParseGeneratorList(std::string_view text);

// "%.5f" with a decimal point whatever the locale.
std::string FormatAverage(double value);

std::string RenderBest(const std::vector<BestRow>& rows, Format format);
// The rows of an --all search (each with its classes), one per optimal set,
// as RenderBest would print them, handed to `write` a piece at a time so
// that memory does not grow with the number of sets.
void WriteBestAll(const std::vector<BestRow>& rows, bool ring, Format format,
                  const std::function<void(std::string_view)>& write);
std::string RenderLargest(const std::vector<LargestRow>& rows, Format format);
std::string RenderAnalysis(const Analysis& analysis, Format format);

// A shard's JSON output: one header line naming the search and the part,
// the part's rows in the JSON row format, and a trailer with their number
// and digest (shard_file.h).
std::string RenderBestShard(const BestQuery& query, const std::vector<BestRow>& rows);
std::string RenderLargestShard(const LargestQuery& query, const std::vector<LargestRow>& rows);

// The shard outputs of one search, combined. On bad input `error` says which
// file and line, and what is wrong.
struct MergedRows {
  bool best = true;  // which of the two row lists is filled
  SearchPart part;   // the whole search, as one part
  std::vector<BestRow> bestRows;
  std::vector<LargestRow> largestRows;
};
struct NamedText {
  std::string name;
  std::string text;
};
std::optional<MergedRows> MergeShards(const std::vector<NamedText>& files, std::string* error);

}  // namespace circscan
