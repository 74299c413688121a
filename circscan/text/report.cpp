#include "report.h"

#include "json_rows.h"
#include "optimal_sets.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace circscan {
namespace {

bool ParseWhole(std::string_view text, std::int64_t& value) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

std::string JoinGenerators(const std::vector<std::int32_t>& generators) {
  std::string text;
  for (const std::int32_t g : generators) {
    if (!text.empty()) text += ' ';
    text += std::to_string(g);
  }
  return text;
}

// Rows of --all are written in pieces of about this size.
constexpr std::size_t kWriteChunk = std::size_t{1} << 16;

const char* ByName(By by) { return by == By::kDiameter ? "diameter" : "average"; }

void Widen(std::vector<std::size_t>& width, const std::vector<std::string>& cells) {
  width.resize(std::max(width.size(), cells.size()));
  for (std::size_t c = 0; c < cells.size(); ++c) width[c] = std::max(width[c], cells[c].size());
}

// Columns two spaces apart; numbers right-aligned, words left-aligned.
std::string TableLine(const std::vector<std::size_t>& width, const std::vector<bool>& numeric,
                      const std::vector<std::string>& cells) {
  std::string text;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) text += "  ";
    const std::string pad(width[c] - cells[c].size(), ' ');
    text += numeric[c] ? pad + cells[c] : cells[c] + pad;
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + '\n';
}

std::string Table(const std::vector<std::string>& header, const std::vector<bool>& numeric,
                  const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> width;
  Widen(width, header);
  for (const auto& row : rows) Widen(width, row);
  std::string out = TableLine(width, numeric, header);
  for (const auto& row : rows) out += TableLine(width, numeric, row);
  return out;
}

const std::vector<std::string> kBestHeader{"n",        "k",       "by",          "generators",
                                           "diameter", "average", "optimal_sets"};
const std::vector<bool> kBestNumeric{true, true, false, false, true, true, true};

std::vector<std::string> BestCells(const BestRow& r) {
  return {std::to_string(r.n),          std::to_string(r.k),        ByName(r.by),
          JoinGenerators(r.generators), std::to_string(r.diameter), FormatAverage(r.average()),
          std::to_string(r.optimalSets)};
}

std::string CsvLine(const std::vector<std::string>& cells) {
  std::string out;
  for (std::size_t c = 0; c < cells.size(); ++c) out += (c > 0 ? "," : "") + cells[c];
  return out + '\n';
}

}  // namespace

std::optional<std::pair<std::int64_t, std::int64_t>> ParseRange(std::string_view text) {
  std::int64_t from = 0;
  std::int64_t to = 0;
  const auto dots = text.find("..");
  if (dots == std::string_view::npos) {
    if (!ParseWhole(text, from)) return std::nullopt;
    return std::pair{from, from};
  }
  if (!ParseWhole(text.substr(0, dots), from) || !ParseWhole(text.substr(dots + 2), to)) {
    return std::nullopt;
  }
  return std::pair{from, to};
}

std::optional<Shard> ParseShard(std::string_view text) {
  const auto slash = text.find('/');
  std::int64_t index = 0;
  std::int64_t count = 0;
  if (slash == std::string_view::npos || !ParseWhole(text.substr(0, slash), index) ||
      !ParseWhole(text.substr(slash + 1), count) || index < 1 || index > count || count > 1000000) {
    return std::nullopt;
  }
  return Shard{static_cast<std::int32_t>(index), static_cast<std::int32_t>(count)};
}

std::optional<std::vector<std::int32_t>> ParseGeneratorList(std::string_view text) {
  std::vector<std::int32_t> list;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t' || text[i] == ',') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',') ++end;
    std::string_view token = text.substr(i, end - i);
    std::int32_t value = 0;
    // from_chars reads a '-' itself, so "+-5" would pass as -5 without this.
    if (token.front() == '+') {
      token.remove_prefix(1);
      if (token.empty() || token.front() == '-') return std::nullopt;
    }
    const auto [stop, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || error != std::errc{} || stop != token.data() + token.size()) {
      return std::nullopt;
    }
    list.push_back(value);
    i = end;
  }
  if (list.empty()) return std::nullopt;
  return list;
}

std::string FormatAverage(double value) {
  // to_chars, unlike printf, never takes a decimal comma from the locale.
  char digits[400];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 5);
  return error == std::errc{} ? std::string(digits, end) : std::string("nan");
}

std::string RenderBest(const std::vector<BestRow>& rows, Format format) {
  std::vector<std::vector<std::string>> cells;
  for (const BestRow& r : rows) cells.push_back(BestCells(r));
  if (format == Format::kTable) return Table(kBestHeader, kBestNumeric, cells);
  std::string out;
  if (format == Format::kCsv) {
    out = CsvLine(kBestHeader);
    for (const auto& row : cells) out += CsvLine(row);
    return out;
  }
  for (const BestRow& r : rows) out += BestRowJson(r) + '\n';
  return out;
}

void WriteBestAll(const std::vector<BestRow>& rows, bool ring, Format format,
                  const std::function<void(std::string_view)>& write) {
  const auto eachRow = [&](const std::function<void(const BestRow&)>& visit) {
    for (const BestRow& row : rows) ForEachOptimalRow(row, ring, visit);
  };
  // A table's widths need every row: one pass measures, a second one writes.
  std::vector<std::size_t> width;
  if (format == Format::kTable) {
    Widen(width, kBestHeader);
    eachRow([&](const BestRow& r) { Widen(width, BestCells(r)); });
  }
  std::string chunk;
  const auto put = [&](const std::string& line) {
    chunk += line;
    if (chunk.size() >= kWriteChunk) {
      write(chunk);
      chunk.clear();
    }
  };
  if (format == Format::kTable) put(TableLine(width, kBestNumeric, kBestHeader));
  if (format == Format::kCsv) put(CsvLine(kBestHeader));
  eachRow([&](const BestRow& r) {
    if (format == Format::kJson) {
      put(BestRowJson(r) + '\n');
    } else {
      const auto cells = BestCells(r);
      put(format == Format::kTable ? TableLine(width, kBestNumeric, cells) : CsvLine(cells));
    }
  });
  if (!chunk.empty()) write(chunk);
}

std::string RenderLargest(const std::vector<LargestRow>& rows, Format format) {
  std::vector<std::vector<std::string>> cells;
  for (const LargestRow& r : rows) {
    cells.push_back({std::to_string(r.k), std::to_string(r.diameter), std::to_string(r.n),
                     JoinGenerators(r.generators)});
  }
  if (format == Format::kTable) {
    return Table({"k", "diameter", "n", "generators"}, {true, true, true, false}, cells);
  }
  std::string out;
  if (format == Format::kCsv) {
    out = "k,diameter,n,generators\n";
    for (const auto& row : cells) out += row[0] + ',' + row[1] + ',' + row[2] + ',' + row[3] + '\n';
    return out;
  }
  for (const LargestRow& r : rows) out += LargestRowJson(r) + '\n';
  return out;
}

std::string RenderAnalysis(const Analysis& a, Format format) {
  std::string distances;
  for (const std::int32_t d : a.distances) {
    if (!distances.empty()) distances += ' ';
    distances += std::to_string(d);
  }
  const std::string average = FormatAverage(a.average());
  if (format == Format::kCsv) {
    return "n,generators,diameter,average,distances\n" + std::to_string(a.n) + ',' +
           JoinGenerators(a.generators) + ',' + std::to_string(a.diameter) + ',' + average + ',' +
           distances + '\n';
  }
  if (format == Format::kJson) return AnalysisJson(a) + '\n';
  std::string out;
  out += "n           " + std::to_string(a.n) + '\n';
  out += "generators  " + JoinGenerators(a.generators) + '\n';
  out += "diameter    " + std::to_string(a.diameter) + '\n';
  out += "average     " + average + '\n';
  out += "distances   " + distances + '\n';
  return out;
}

}  // namespace circscan
