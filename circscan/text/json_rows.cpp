// JSON through nlohmann's ordered objects, so the keys keep the order of the
// CSV columns and the text of a row never depends on a hash.
#include "json_rows.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "report.h"

namespace circscan {
namespace {

using Json = nlohmann::ordered_json;

const char* ByName(By by) { return by == By::kDiameter ? "diameter" : "average"; }

Json BestJson(const BestRow& r) {
  return Json{{"n", r.n},
              {"k", r.k},
              {"by", ByName(r.by)},
              {"generators", r.generators},
              {"diameter", r.diameter},
              {"average", r.average()},
              {"distance_sum", r.sum},
              {"optimal_sets", r.optimalSets}};
}

Json LargestJson(const LargestRow& r) {
  return Json{{"k", r.k}, {"diameter", r.diameter}, {"n", r.n}, {"generators", r.generators}};
}

bool IsInt(const Json& j, const char* key, std::int64_t low, std::int64_t high) {
  if (!j.contains(key) || !j[key].is_number_integer()) return false;
  const auto v = j[key].get<std::int64_t>();
  return v >= low && v <= high;
}

// The search a shard belongs to, without the part: shards of one search
// have equal keys.
struct ShardHeader {
  Json search;
  Shard shard;
};

std::optional<ShardHeader> ReadHeader(const Json& line) {
  if (!line.is_object() || !line.contains("circscan_shard")) return std::nullopt;
  const Json& h = line["circscan_shard"];
  if (!h.is_object() || !h.contains("part") || !h["part"].is_array() || h["part"].size() != 2 ||
      !h["part"][0].is_number_integer() || !h["part"][1].is_number_integer()) {
    return std::nullopt;
  }
  const std::int64_t index = h["part"][0].get<std::int64_t>();
  const std::int64_t count = h["part"][1].get<std::int64_t>();
  if (index < 1 || index > count || count > 1000000) return std::nullopt;
  Json search = h;
  search.erase("part");
  const auto pair = [&](const char* key) {
    if (!search.contains(key) || !search[key].is_array() || search[key].size() != 2) return false;
    const Json& p = search[key];
    return p[0].is_number_integer() && p[1].is_number_integer() &&
           p[0].get<std::int64_t>() <= p[1].get<std::int64_t>();
  };
  if (!IsInt(search, "k", 1, kMaxVertexCount) || !search.contains("command")) return std::nullopt;
  const bool best = search["command"] == "best" && search.contains("by") &&
                    (search["by"] == "diameter" || search["by"] == "average") && pair("n") &&
                    search.size() == 4;
  const bool largest = search["command"] == "largest" && pair("diameter") && search.size() == 3;
  if (!best && !largest) return std::nullopt;
  return ShardHeader{search, {static_cast<std::int32_t>(index), static_cast<std::int32_t>(count)}};
}

std::optional<std::vector<std::int32_t>> ReadGenerators(const Json& j, std::int32_t n) {
  if (!j.contains("generators") || !j["generators"].is_array()) return std::nullopt;
  std::vector<std::int32_t> list;
  for (const Json& g : j["generators"]) {
    if (!g.is_number_integer()) return std::nullopt;
    const auto v = g.get<std::int64_t>();
    if (v < 1 || v > n / 2 || (!list.empty() && v <= list.back())) return std::nullopt;
    list.push_back(static_cast<std::int32_t>(v));
  }
  return list;
}

std::optional<BestRow> ReadBestRow(const Json& j, const Json& search) {
  if (!j.is_object() || !IsInt(j, "n", kMinVertexCount, kMaxVertexCount) ||
      !IsInt(j, "k", 1, kMaxVertexCount) || !IsInt(j, "diameter", 1, kMaxVertexCount) ||
      !IsInt(j, "distance_sum", 1, INT64_MAX) || !j.contains("optimal_sets") ||
      !j["optimal_sets"].is_number_unsigned() || !j.contains("by") || j["by"] != search["by"] ||
      j["k"] != search["k"]) {
    return std::nullopt;
  }
  BestRow row;
  row.n = j["n"].get<std::int32_t>();
  row.k = j["k"].get<std::int32_t>();
  row.by = j["by"] == "average" ? By::kAverage : By::kDiameter;
  row.diameter = j["diameter"].get<std::int32_t>();
  row.sum = j["distance_sum"].get<std::int64_t>();
  row.optimalSets = j["optimal_sets"].get<std::uint64_t>();
  const auto generators = ReadGenerators(j, row.n);
  const auto& range = search["n"];
  if (!generators || generators->size() != static_cast<std::size_t>(row.k) ||
      row.n < range[0].get<std::int64_t>() || row.n > range[1].get<std::int64_t>()) {
    return std::nullopt;
  }
  row.generators = *generators;
  return row;
}

std::optional<LargestRow> ReadLargestRow(const Json& j, const Json& search) {
  if (!j.is_object() || !IsInt(j, "n", kMinVertexCount, kMaxVertexCount) ||
      !IsInt(j, "k", 1, kMaxVertexCount) || !IsInt(j, "diameter", 1, kMaxVertexCount) ||
      j["k"] != search["k"]) {
    return std::nullopt;
  }
  LargestRow row;
  row.k = j["k"].get<std::int32_t>();
  row.diameter = j["diameter"].get<std::int32_t>();
  row.n = j["n"].get<std::int32_t>();
  const auto generators = ReadGenerators(j, row.n);
  const auto& range = search["diameter"];
  if (!generators || generators->size() != static_cast<std::size_t>(row.k) ||
      row.diameter < range[0].get<std::int64_t>() || row.diameter > range[1].get<std::int64_t>()) {
    return std::nullopt;
  }
  row.generators = *generators;
  return row;
}

}  // namespace

std::string BestRowJson(const BestRow& row) { return BestJson(row).dump(); }
std::string LargestRowJson(const LargestRow& row) { return LargestJson(row).dump(); }

std::string AnalysisJson(const Analysis& a) {
  return Json{{"n", a.n},
              {"generators", a.generators},
              {"diameter", a.diameter},
              {"average", a.average()},
              {"distance_sum", a.sum},
              {"distances", a.distances}}
      .dump();
}

std::string RenderBestShard(const BestQuery& query, const std::vector<BestRow>& rows) {
  const Json header{{"circscan_shard", Json{{"command", "best"},
                                            {"k", query.k},
                                            {"by", ByName(query.by)},
                                            {"n", {query.nFrom, query.nTo}},
                                            {"part", {query.shard.index, query.shard.count}}}}};
  std::string out = header.dump() + '\n';
  for (const BestRow& row : rows) out += BestJson(row).dump() + '\n';
  return out;
}

std::string RenderLargestShard(const LargestQuery& query, const std::vector<LargestRow>& rows) {
  const Json header{{"circscan_shard", Json{{"command", "largest"},
                                            {"k", query.k},
                                            {"diameter", {query.dFrom, query.dTo}},
                                            {"part", {query.shard.index, query.shard.count}}}}};
  std::string out = header.dump() + '\n';
  for (const LargestRow& row : rows) out += LargestJson(row).dump() + '\n';
  return out;
}

std::optional<MergedRows> MergeShards(const std::vector<NamedText>& files, std::string* error) {
  const auto fail = [&](const std::string& message) {
    if (error != nullptr) *error = message;
    return std::nullopt;
  };
  if (files.empty()) return fail("merge needs the JSON outputs of the shards");
  std::optional<Json> search;
  std::int32_t count = 0;
  std::set<std::int32_t> seen;
  std::vector<std::vector<BestRow>> bestParts;
  std::vector<std::vector<LargestRow>> largestParts;
  for (const NamedText& file : files) {
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    std::optional<ShardHeader> header;
    bestParts.emplace_back();
    largestParts.emplace_back();
    while (start < file.text.size()) {
      std::size_t end = file.text.find('\n', start);
      if (end == std::string::npos) end = file.text.size();
      const std::string line = file.text.substr(start, end - start);
      start = end + 1;
      ++lineNumber;
      if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
      const std::string where = file.name + ':' + std::to_string(lineNumber) + ": ";
      const Json json = Json::parse(line, nullptr, false);
      if (json.is_discarded()) return fail(where + "not JSON");
      if (!header) {
        header = ReadHeader(json);
        if (!header) {
          return fail(where +
                      "not the output of a shard (run the search with --shard I/M --format json)");
        }
        if (!search) {
          search = header->search;
          count = header->shard.count;
        } else if (header->search != *search || header->shard.count != count) {
          return fail(where + "a shard of a different search than " + files.front().name);
        }
        if (!seen.insert(header->shard.index).second) {
          return fail(where + "shard " + std::to_string(header->shard.index) + "/" +
                      std::to_string(count) + " is given twice");
        }
        continue;
      }
      const bool best = (*search)["command"] == "best";
      if (best) {
        auto row = ReadBestRow(json, *search);
        if (!row) return fail(where + "not a row of this search");
        bestParts.back().push_back(std::move(*row));
      } else {
        auto row = ReadLargestRow(json, *search);
        if (!row) return fail(where + "not a row of this search");
        largestParts.back().push_back(std::move(*row));
      }
    }
    if (!header) return fail(file.name + ": empty, not the output of a shard");
  }
  if (static_cast<std::int32_t>(seen.size()) != count) {
    std::string missing;
    for (std::int32_t i = 1; i <= count; ++i) {
      if (seen.count(i) == 0) missing += (missing.empty() ? "" : ", ") + std::to_string(i);
    }
    return fail("shards missing: " + missing + " of " + std::to_string(count) +
                "; the merge of an incomplete search would be wrong");
  }
  MergedRows merged;
  merged.best = (*search)["command"] == "best";
  if (merged.best) {
    merged.bestRows = MergeBest(bestParts);
  } else {
    merged.largestRows = MergeLargest(largestParts);
  }
  return merged;
}

}  // namespace circscan
