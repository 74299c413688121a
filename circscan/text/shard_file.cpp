#include "shard_file.h"

#include <algorithm>
#include <sstream>
#include <type_traits>
#include <utility>

#include "json_rows.h"
#include "line_reader.h"
#include "row_check.h"
#include "sha256.h"

namespace circscan {
namespace {

template <typename Row>
std::string RenderShard(const SearchPart& part, const std::vector<Row>& rows) {
  std::string out = PartHeaderJson("circscan_shard", part) + '\n';
  for (const Row& row : rows) {
    if constexpr (std::is_same_v<Row, BestRow>) {
      out += BestRowJson(row) + '\n';
    } else {
      out += LargestRowJson(row) + '\n';
    }
  }
  return out + TrailerJson({rows.size(), Sha256Hex(out)}) + '\n';
}

// The rows of a part between its header and its trailer, with the line each
// came from.
struct RowsRead {
  std::vector<BestRow> best;
  std::vector<LargestRow> largest;
  std::vector<std::size_t> lines;
  std::set<std::int32_t> keys;  // N for best, d for largest
  std::size_t size() const { return lines.size(); }
};

// Empty when the line is a row of the part that has not been seen yet.
std::string AddRow(const std::string& line, const SearchPart& part, std::size_t number,
                   RowsRead& rows) {
  std::int32_t key = 0;
  if (part.best) {
    auto row = ReadBestRow(line, part);
    if (!row) return "not a row of this search";
    if (!HoldsBestN(part, row->n)) return "N = " + std::to_string(row->n) + " has no row here";
    key = row->n;
    rows.best.push_back(std::move(*row));
  } else {
    auto row = ReadLargestRow(line, part);
    if (!row) return "not a row of this search";
    if (!HoldsLargestN(part, row->diameter, row->n)) {
      return "N = " + std::to_string(row->n) + " is not searched by part " +
             std::to_string(part.shard.index) + "/" + std::to_string(part.shard.count);
    }
    key = row->diameter;
    rows.largest.push_back(std::move(*row));
  }
  if (!rows.keys.insert(key).second) {
    return std::string("a second row for ") + (part.best ? "N = " : "diameter ") +
           std::to_string(key);
  }
  rows.lines.push_back(number);
  return {};
}

std::string CheckTrailer(const Trailer& trailer, const RowsRead& rows, const Sha256& digest) {
  if (trailer.rows != rows.size()) {
    return "the trailer counts " + std::to_string(trailer.rows) + " rows, the file holds " +
           std::to_string(rows.size());
  }
  if (trailer.sha256 != digest.Hex()) {
    return "the lines above do not match the trailer's SHA-256 digest: the file was changed";
  }
  return {};
}

// One search per row, only once the file is known to be whole.
std::string RecomputeRows(const RowsRead& rows, const SearchPart& part, const std::string& name) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string problem = rows.best.empty() ? RecomputedProblem(rows.largest[i])
                                                  : RecomputedProblem(rows.best[i], part.ring);
    if (!problem.empty()) return name + ':' + std::to_string(rows.lines[i]) + ": " + problem;
  }
  return {};
}

}  // namespace

std::size_t RowLineCap(std::int32_t k) { return 256 + 8 * static_cast<std::size_t>(k); }
std::size_t RowLineCap(const SearchPart& part) {
  return part.all ? kClassesLineCap : RowLineCap(part.k);
}

std::optional<ShardFile> ReadShardFile(std::istream& in, const std::string& name,
                                       std::string* error) {
  LineReader reader(in);
  const auto fail = [&](const std::string& message) {
    if (error != nullptr) *error = name + ':' + std::to_string(reader.number()) + ": " + message;
    return std::nullopt;
  };
  std::string line;
  const LineStatus first = reader.Next(kHeaderLineCap, line);
  if (first == LineStatus::kEnd) {
    if (error != nullptr) *error = name + ": empty, not the output of a shard";
    return std::nullopt;
  }
  const auto part =
      first == LineStatus::kLine ? ReadPartHeader("circscan_shard", line) : std::nullopt;
  if (!part)
    return fail("not the output of a shard (run the search with --shard I/M --format json)");
  Sha256 digest;
  digest.Add(line + '\n');
  RowsRead rows;
  for (;;) {
    const LineStatus status = reader.Next(RowLineCap(*part), line);
    if (status == LineStatus::kEnd) {
      return fail("the file ends without its trailer: cut short, or its run has not finished");
    }
    if (status != LineStatus::kLine) return fail("a line longer than any row of this search");
    if (!reader.lastEndedWithNewline()) return fail("the file ends in the middle of a line");
    if (const auto trailer = ReadTrailer(line)) {
      const std::string problem = CheckTrailer(*trailer, rows, digest);
      if (!problem.empty()) return fail(problem);
      break;
    }
    const std::string problem = AddRow(line, *part, reader.number(), rows);
    if (!problem.empty()) return fail(problem);
    digest.Add(line + '\n');
  }
  if (reader.Next(kHeaderLineCap, line) != LineStatus::kEnd) {
    return fail("more after the trailer, which ends a shard file");
  }
  const std::string problem = RecomputeRows(rows, *part, name);
  if (!problem.empty()) {
    if (error != nullptr) *error = problem;
    return std::nullopt;
  }
  return ShardFile{*part, std::move(rows.best), std::move(rows.largest)};
}

bool ShardMerge::Add(std::istream& in, const std::string& name, std::string* error) {
  auto file = ReadShardFile(in, name, error);
  if (!file) return false;
  const auto fail = [&](const std::string& message) {
    if (error != nullptr) *error = name + ":1: " + message;
    return false;
  };
  SearchPart search = file->part;
  search.shard.index = 1;
  if (!search_) {
    search_ = search;
    firstName_ = name;
  } else if (search != *search_) {
    return fail("a shard of a different search than " + firstName_);
  }
  if (!seen_.insert(file->part.shard.index).second) {
    return fail("shard " + std::to_string(file->part.shard.index) + "/" +
                std::to_string(search.shard.count) + " is given twice");
  }
  bestParts_.push_back(std::move(file->bestRows));
  largestParts_.push_back(std::move(file->largestRows));
  return true;
}

std::optional<MergedRows> ShardMerge::Finish(std::string* error) const {
  const auto fail = [&](const std::string& message) {
    if (error != nullptr) *error = message;
    return std::nullopt;
  };
  if (!search_) return fail("merge needs the JSON outputs of the shards");
  const std::int32_t count = search_->shard.count;
  if (static_cast<std::int32_t>(seen_.size()) != count) {
    std::string missing;
    for (std::int32_t i = 1; i <= count; ++i) {
      if (seen_.count(i) == 0) missing += (missing.empty() ? "" : ", ") + std::to_string(i);
    }
    return fail("shards missing: " + missing + " of " + std::to_string(count) +
                "; the merge of an incomplete search would be wrong");
  }
  MergedRows merged;
  merged.best = search_->best;
  merged.part = *search_;
  merged.part.shard = {};
  if (merged.best) {
    merged.bestRows = MergeBest(bestParts_);
    // Each class belongs to one part; one given by two would be counted twice.
    for (const BestRow& row : merged.bestRows) {
      if (std::adjacent_find(row.classes.begin(), row.classes.end()) != row.classes.end()) {
        return fail("N = " + std::to_string(row.n) + ": a class is listed by two parts");
      }
    }
  } else {
    merged.largestRows = MergeLargest(largestParts_);
  }
  return merged;
}

std::string RenderBestShard(const BestQuery& query, const std::vector<BestRow>& rows) {
  return RenderShard(PartOf(query), rows);
}

std::string RenderLargestShard(const LargestQuery& query, const std::vector<LargestRow>& rows) {
  return RenderShard(PartOf(query), rows);
}

std::optional<MergedRows> MergeShards(const std::vector<NamedText>& files, std::string* error) {
  ShardMerge merge;
  for (const NamedText& file : files) {
    std::istringstream in(file.text);
    if (!merge.Add(in, file.name, error)) return std::nullopt;
  }
  return merge.Finish(error);
}

}  // namespace circscan
