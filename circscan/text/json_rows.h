// Rows, headers and trailers as single-line JSON objects, and back. The
// readers check types, ranges and the part a row claims to belong to; they
// take a line only after its length was capped by the caller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "query.h"
#include "search.h"
#include "search_part.h"

namespace circscan {

std::string BestRowJson(const BestRow& row);
std::string LargestRowJson(const LargestRow& row);
std::string AnalysisJson(const Analysis& analysis);

// The first line of a file: {"<kind>":{"command":...,"part":[I,M]}}, where
// kind is "circscan_shard" or "circscan_checkpoint".
std::string PartHeaderJson(const char* kind, const SearchPart& part);
std::optional<SearchPart> ReadPartHeader(const char* kind, std::string_view line);

// A row of the part's search; the average must be the one of its sum. Rows
// of a ring search hold generator 1; those of an --all part carry `classes`.
std::optional<BestRow> ReadBestRow(std::string_view line, const SearchPart& part);
std::optional<LargestRow> ReadLargestRow(std::string_view line, const SearchPart& part);

// A unit of work that found no set: {"n":N} for best, {"diameter":d,"n":N}
// for largest.
std::string EmptyBestUnitJson(std::int32_t n);
std::string EmptyLargestUnitJson(std::int32_t d, std::int32_t n);
std::optional<std::int32_t> ReadEmptyBestUnit(std::string_view line);
std::optional<std::pair<std::int32_t, std::int32_t>> ReadEmptyLargestUnit(std::string_view line);

// The last line of a finished shard file.
struct Trailer {
  std::uint64_t rows = 0;
  std::string sha256;  // of every line above the trailer, newlines included
};
std::string TrailerJson(const Trailer& trailer);
std::optional<Trailer> ReadTrailer(std::string_view line);

// A line of hostile input is parsed only when its brackets nest no deeper
// than the formats do, so the parser's work stays proportional to the line.
bool NestsAtMost(std::string_view line, int depth);

}  // namespace circscan
