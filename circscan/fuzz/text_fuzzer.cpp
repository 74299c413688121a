// Feeds arbitrary bytes to circscan's text input. The first byte picks what
// reads the rest:
//   0  a range, 1  a part like 2/8 (--shard), 2  a generator list: each compared
//      with a second reading of the same rule written here, digit by digit;
//   3  shard files for merge, separated by 0x01 bytes; 4  the same files,
//      each given the trailer that matches it, so the rows themselves are
//      judged. A merge that succeeds must give the same rows when its result
//      is written as one shard and merged again, and every row must be its
//      set's;
//   5  a checkpoint of a small best search, 6  of a sharded largest search,
//      7 and 8 the same with the chain digests filled in by the harness.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checkpoint.h"
#include "json_rows.h"
#include "report.h"
#include "row_check.h"
#include "sha256.h"

namespace circscan {
namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Decimal digits only, the bound checked after every digit.
std::optional<std::int64_t> Digits(std::string_view text, std::int64_t limit) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    if (value > (limit - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<std::pair<std::int64_t, std::int64_t>> ReferenceRange(std::string_view text) {
  const auto dots = text.find("..");
  if (dots == std::string_view::npos) {
    const auto one = Digits(text, INT64_MAX);
    if (!one) return std::nullopt;
    return std::pair{*one, *one};
  }
  const auto from = Digits(text.substr(0, dots), INT64_MAX);
  const auto to = Digits(text.substr(dots + 2), INT64_MAX);
  if (!from || !to) return std::nullopt;
  return std::pair{*from, *to};
}

std::optional<Shard> ReferenceShard(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto index = Digits(text.substr(0, slash), INT64_MAX);
  const auto count = Digits(text.substr(slash + 1), INT64_MAX);
  if (!index || !count || *index < 1 || *index > *count || *count > 1000000) return std::nullopt;
  return Shard{static_cast<std::int32_t>(*index), static_cast<std::int32_t>(*count)};
}

std::optional<std::vector<std::int32_t>> ReferenceGenerators(std::string_view text) {
  std::vector<std::int32_t> list;
  std::string token;
  const auto flush = [&]() {
    if (token.empty()) return true;
    const bool negative = token[0] == '-';
    const std::string_view digits =
        token[0] == '-' || token[0] == '+' ? std::string_view(token).substr(1) : token;
    const auto value = Digits(digits, negative ? 2147483648LL : 2147483647LL);
    token.clear();
    if (!value) return false;
    list.push_back(static_cast<std::int32_t>(negative ? -*value : *value));
    return true;
  };
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == ',') {
      if (!flush()) return std::nullopt;
    } else {
      token += c;
    }
  }
  if (!flush() || list.empty()) return std::nullopt;
  return list;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// Every line but a last one without its newline, with the matching trailer.
std::string Sealed(const std::string& text) {
  const std::string body = text.substr(0, text.rfind('\n') + 1);
  std::uint64_t rows = 0;
  for (const char c : body) rows += c == '\n' ? 1 : 0;
  return body + TrailerJson({rows > 0 ? rows - 1 : 0, Sha256Hex(body)}) + '\n';
}

void FuzzMerge(std::string_view text, bool seal) {
  std::vector<NamedText> files;
  for (std::string& part : Split(text, '\x01')) {
    files.push_back({"part" + std::to_string(files.size() + 1), seal ? Sealed(part) : part});
  }
  std::string error;
  const auto merged = MergeShards(files, &error);
  if (!merged) {
    Check(!error.empty(), "a refused merge says why");
    return;
  }
  for (const BestRow& row : merged->bestRows) {
    Check(RecomputedProblem(row, merged->part.ring).empty(), "a merged row is its set's");
  }
  for (const LargestRow& row : merged->largestRows) {
    Check(RecomputedProblem(row).empty(), "a merged row is its set's");
  }
  const std::string whole =
      merged->best ? RenderBestShard(BestQueryOf(merged->part), merged->bestRows)
                   : RenderLargestShard(LargestQueryOf(merged->part), merged->largestRows);
  const auto again = MergeShards({{"whole", whole}}, &error);
  Check(again.has_value(), "a merged result written as one shard merges again");
  Check(again->bestRows == merged->bestRows && again->largestRows == merged->largestRows,
        "merging again gives the same rows");
}

// Lines after the first given the chain digests a writer would give them.
std::string Chained(const std::string& text) {
  const auto lines = Split(text, '\n');
  std::string out = lines[0];
  std::string chain = Sha256Hex(lines[0]);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& unit = lines[i];
    if (unit.empty() || unit.back() != '}') {
      out += '\n' + unit;
      continue;
    }
    chain = Sha256Hex(chain + unit);
    out += '\n' + unit.substr(0, unit.size() - 1) + ",\"chain\":\"" + chain + "\"}";
  }
  return out;
}

void FuzzCheckpoint(std::string_view text, bool best, bool chain) {
  const SearchPart part =
      best ? PartOf(BestQuery{3, 60, 2, By::kAverage, {}}) : PartOf(LargestQuery{2, 2, 4, {2, 3}});
  const std::string input = chain ? Chained(std::string(text)) : std::string(text);
  std::string error;
  const auto state = ReadCheckpointText(input, "checkpoint", part, &error);
  if (!state) {
    Check(!error.empty(), "a refused checkpoint says why");
    return;
  }
  Check(state->keptBytes <= input.size(), "what is kept lies within the file");
  for (const auto& [n, row] : state->units.best) {
    Check(!row || (row->n == n && RecomputedProblem(*row).empty()), "a kept row is its set's");
  }
  for (const auto& [d, row] : state->units.largestAnswers) {
    Check(row.diameter == d && RecomputedProblem(row).empty(), "a kept answer is its set's");
  }
  // What was kept reads back the same once the torn rest is cut away.
  const auto kept =
      ReadCheckpointText(input.substr(0, state->keptBytes), "checkpoint", part, &error);
  Check(kept && kept->chain == state->chain && kept->units.best == state->units.best,
        "the kept part of a checkpoint reads back the same");
}

}  // namespace
}  // namespace circscan

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace circscan;
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 9) {
    case 0:
      Check(ParseRange(text) == ReferenceRange(text), "both readings of a range agree");
      break;
    case 1:
      Check(ParseShard(text) == ReferenceShard(text), "both readings of a shard agree");
      break;
    case 2:
      Check(ParseGeneratorList(text) == ReferenceGenerators(text),
            "both readings of a generator list agree");
      break;
    case 3:
    case 4:
      FuzzMerge(text, data[0] % 9 == 4);
      break;
    default:
      FuzzCheckpoint(text, data[0] % 9 % 2 == 1, data[0] % 9 >= 7);
      break;
  }
  return 0;
}
