// JSON through nlohmann's ordered objects, so the keys keep the order of the
// CSV columns and the text of a row never depends on a hash.
#include "json_rows.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace circscan {
namespace {

using Json = nlohmann::ordered_json;

// Rows nest an array in an object, headers an array in an object in an object.
constexpr int kDeepestFormat = 3;

const char* ByName(By by) { return by == By::kDiameter ? "diameter" : "average"; }

Json Parse(std::string_view line) {
  if (!NestsAtMost(line, kDeepestFormat)) return Json(Json::value_t::discarded);
  return Json::parse(line.begin(), line.end(), nullptr, false);
}

bool IsInt(const Json& j, const char* key, std::int64_t low, std::int64_t high) {
  if (!j.contains(key) || !j[key].is_number_integer()) return false;
  if (j[key].is_number_unsigned() && j[key].get<std::uint64_t>() > INT64_MAX) return false;
  const auto v = j[key].get<std::int64_t>();
  return v >= low && v <= high;
}

bool HasKeys(const Json& j, std::initializer_list<const char*> keys) {
  if (!j.is_object() || j.size() != keys.size()) return false;
  for (const char* key : keys) {
    if (!j.contains(key)) return false;
  }
  return true;
}

std::optional<std::pair<std::int32_t, std::int32_t>> ReadPair(const Json& j, const char* key) {
  if (!j[key].is_array() || j[key].size() != 2) return std::nullopt;
  const Json pair{{"a", j[key][0]}, {"b", j[key][1]}};
  if (!IsInt(pair, "a", 1, kMaxVertexCount) || !IsInt(pair, "b", 1, kMaxVertexCount)) {
    return std::nullopt;
  }
  return std::pair{pair["a"].get<std::int32_t>(), pair["b"].get<std::int32_t>()};
}

std::optional<std::vector<std::int32_t>> ReadSet(const Json& set, std::int32_t n, std::int32_t k) {
  if (!set.is_array() || set.size() != static_cast<std::size_t>(k)) return std::nullopt;
  std::vector<std::int32_t> list;
  for (const Json& g : set) {
    if (!g.is_number_integer()) return std::nullopt;
    const auto v = g.get<std::int64_t>();
    if (v < 1 || v > n / 2 || (!list.empty() && v <= list.back())) return std::nullopt;
    list.push_back(static_cast<std::int32_t>(v));
  }
  return list;
}

std::optional<std::vector<std::int32_t>> ReadGenerators(const Json& j, std::int32_t n,
                                                        std::int32_t k) {
  return ReadSet(j["generators"], n, k);
}

// The smallest members of the optimal classes: at least one, ascending.
std::optional<std::vector<std::vector<std::int32_t>>> ReadClasses(const Json& j, std::int32_t n,
                                                                  std::int32_t k) {
  if (!j["classes"].is_array() || j["classes"].empty()) return std::nullopt;
  std::vector<std::vector<std::int32_t>> classes;
  for (const Json& set : j["classes"]) {
    auto list = ReadSet(set, n, k);
    if (!list || (!classes.empty() && *list <= classes.back())) return std::nullopt;
    classes.push_back(std::move(*list));
  }
  return classes;
}

}  // namespace

bool NestsAtMost(std::string_view line, int depth) {
  int level = 0;
  bool inString = false;
  bool escaped = false;
  for (const char c : line) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++level > depth) return false;
    } else if (c == ']' || c == '}') {
      --level;
    }
  }
  return true;
}

std::string BestRowJson(const BestRow& r) {
  Json row{{"n", r.n},
           {"k", r.k},
           {"by", ByName(r.by)},
           {"generators", r.generators},
           {"diameter", r.diameter},
           {"average", r.average()},
           {"distance_sum", r.sum},
           {"optimal_sets", r.optimalSets}};
  if (!r.classes.empty()) row["classes"] = r.classes;
  return row.dump();
}

std::string LargestRowJson(const LargestRow& r) {
  return Json{{"k", r.k}, {"diameter", r.diameter}, {"n", r.n}, {"generators", r.generators}}
      .dump();
}

std::string AnalysisJson(const Analysis& a) {
  return Json{{"n", a.n},
              {"generators", a.generators},
              {"diameter", a.diameter},
              {"average", a.average()},
              {"distance_sum", a.sum},
              {"distances", a.distances}}
      .dump();
}

std::string PartHeaderJson(const char* kind, const SearchPart& p) {
  Json search{{"command", p.best ? "best" : "largest"}, {"k", p.k}};
  if (p.best) search["by"] = ByName(p.by);
  search[p.best ? "n" : "diameter"] = {p.from, p.to};
  search["part"] = {p.shard.index, p.shard.count};
  // Written only when set, so the files of the plain searches stay as they were.
  if (p.ring) search["ring"] = true;
  if (p.all) search["all"] = true;
  return Json{{kind, search}}.dump();
}

namespace {

// Takes the optional flag `key` off a header: absent is false, present must be true.
bool TakeFlag(Json& h, const char* key, bool& flag) {
  if (!h.contains(key)) return true;
  if (h[key] != true) return false;
  flag = true;
  h.erase(key);
  return true;
}

}  // namespace

std::optional<SearchPart> ReadPartHeader(const char* kind, std::string_view line) {
  const Json json = Parse(line);
  if (!HasKeys(json, {kind}) || !json[kind].is_object()) return std::nullopt;
  Json h = json[kind];
  SearchPart part;
  if (!TakeFlag(h, "ring", part.ring) || !TakeFlag(h, "all", part.all)) return std::nullopt;
  if (HasKeys(h, {"command", "k", "by", "n", "part"}) && h["command"] == "best" &&
      (h["by"] == "diameter" || h["by"] == "average")) {
    part.by = h["by"] == "average" ? By::kAverage : By::kDiameter;
  } else if (HasKeys(h, {"command", "k", "diameter", "part"}) && h["command"] == "largest" &&
             !part.all) {
    part.best = false;
  } else {
    return std::nullopt;
  }
  const auto range = ReadPair(h, part.best ? "n" : "diameter");
  const auto shard = ReadPair(h, "part");
  if (!IsInt(h, "k", 1, kMaxVertexCount) || !range || range->first > range->second || !shard ||
      shard->first > shard->second || (part.best && range->first < kMinVertexCount)) {
    return std::nullopt;
  }
  part.k = h["k"].get<std::int32_t>();
  part.from = range->first;
  part.to = range->second;
  part.shard = {shard->first, shard->second};
  return part;
}

std::optional<BestRow> ReadBestRow(std::string_view line, const SearchPart& part) {
  Json j = Parse(line);
  std::optional<std::vector<std::vector<std::int32_t>>> classes;
  if (part.all && j.is_object() && j.contains("classes") && IsInt(j, "n", part.from, part.to)) {
    classes = ReadClasses(j, j["n"].get<std::int32_t>(), part.k);
    if (!classes) return std::nullopt;
    j.erase("classes");
  }
  if (part.all != classes.has_value()) return std::nullopt;
  if (!HasKeys(j, {"n", "k", "by", "generators", "diameter", "average", "distance_sum",
                   "optimal_sets"}) ||
      !IsInt(j, "n", part.from, part.to) || !IsInt(j, "k", part.k, part.k) ||
      j["by"] != ByName(part.by) || !IsInt(j, "diameter", 1, kMaxVertexCount) ||
      !IsInt(j, "distance_sum", 1, INT64_MAX) || !j["optimal_sets"].is_number_unsigned() ||
      j["optimal_sets"].get<std::uint64_t>() == 0 || !j["average"].is_number()) {
    return std::nullopt;
  }
  BestRow row{j["n"].get<std::int32_t>(),
              part.k,
              part.by,
              {},
              j["diameter"].get<std::int32_t>(),
              j["distance_sum"].get<std::int64_t>(),
              j["optimal_sets"].get<std::uint64_t>()};
  auto generators = ReadGenerators(j, row.n, row.k);
  if (!generators || j["average"].get<double>() != row.average() ||
      (part.ring && generators->front() != 1)) {
    return std::nullopt;
  }
  row.generators = std::move(*generators);
  if (classes) row.classes = std::move(*classes);
  return row;
}

std::optional<LargestRow> ReadLargestRow(std::string_view line, const SearchPart& part) {
  const Json j = Parse(line);
  if (!HasKeys(j, {"k", "diameter", "n", "generators"}) || !IsInt(j, "k", part.k, part.k) ||
      !IsInt(j, "diameter", part.from, part.to) ||
      !IsInt(j, "n", kMinVertexCount, kMaxVertexCount)) {
    return std::nullopt;
  }
  LargestRow row{part.k, j["diameter"].get<std::int32_t>(), j["n"].get<std::int32_t>(), {}};
  auto generators = ReadGenerators(j, row.n, row.k);
  if (!generators) return std::nullopt;
  row.generators = std::move(*generators);
  return row;
}

std::string EmptyBestUnitJson(std::int32_t n) { return Json{{"n", n}}.dump(); }
std::string EmptyLargestUnitJson(std::int32_t d, std::int32_t n) {
  return Json{{"diameter", d}, {"n", n}}.dump();
}

std::optional<std::int32_t> ReadEmptyBestUnit(std::string_view line) {
  const Json j = Parse(line);
  if (!HasKeys(j, {"n"}) || !IsInt(j, "n", kMinVertexCount, kMaxVertexCount)) return std::nullopt;
  return j["n"].get<std::int32_t>();
}

std::optional<std::pair<std::int32_t, std::int32_t>> ReadEmptyLargestUnit(std::string_view line) {
  const Json j = Parse(line);
  if (!HasKeys(j, {"diameter", "n"}) || !IsInt(j, "diameter", 1, kMaxVertexCount) ||
      !IsInt(j, "n", kMinVertexCount, kMaxVertexCount)) {
    return std::nullopt;
  }
  return std::pair{j["diameter"].get<std::int32_t>(), j["n"].get<std::int32_t>()};
}

std::string TrailerJson(const Trailer& t) {
  return Json{{"circscan_trailer", Json{{"rows", t.rows}, {"sha256", t.sha256}}}}.dump();
}

std::optional<Trailer> ReadTrailer(std::string_view line) {
  const Json json = Parse(line);
  if (!HasKeys(json, {"circscan_trailer"})) return std::nullopt;
  const Json& t = json["circscan_trailer"];
  if (!HasKeys(t, {"rows", "sha256"}) || !t["rows"].is_number_unsigned() ||
      !t["sha256"].is_string()) {
    return std::nullopt;
  }
  return Trailer{t["rows"].get<std::uint64_t>(), t["sha256"].get<std::string>()};
}

}  // namespace circscan
