#include "routes_report.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace circscan {
namespace {

// Rows gather in a buffer of this size before they are written.
constexpr std::size_t kChunk = 1 << 16;

std::size_t Digits(std::int64_t value) {
  char text[24];
  return static_cast<std::size_t>(std::to_chars(text, text + sizeof text, value).ptr - text);
}

class RowWriter {
 public:
  explicit RowWriter(const std::function<void(std::string_view)>& write) : write_(write) {
    buffer_.reserve(kChunk + 4096);
  }
  ~RowWriter() { Flush(); }

  void Text(std::string_view text) { buffer_ += text; }
  void Char(char c) { buffer_ += c; }
  // Right-aligned in `width` columns.
  void Number(std::int64_t value, std::size_t width = 0) {
    char text[24];
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    const auto length = static_cast<std::size_t>(end - text);
    if (width > length) buffer_.append(width - length, ' ');
    buffer_.append(text, length);
  }
  void EndRow() {
    buffer_ += '\n';
    if (buffer_.size() >= kChunk) Flush();
  }

 private:
  void Flush() {
    write_(buffer_);
    buffer_.clear();
  }
  const std::function<void(std::string_view)>& write_;
  std::string buffer_;
};

// Columns two spaces apart and right-aligned, as the other tables have them.
std::vector<std::size_t> ColumnWidths(const RouteTable& table) {
  std::vector<std::size_t> widths{std::max<std::size_t>(11, Digits(table.n() - 1)),
                                  std::max<std::size_t>(4, Digits(table.diameter()))};
  for (std::size_t i = 0; i < table.generators().size(); ++i) {
    const std::int32_t backward = table.MostSteps(i, true);
    widths.push_back(std::max({2 + Digits(table.generators()[i]), Digits(table.MostSteps(i, false)),
                               backward > 0 ? 1 + Digits(backward) : 1}));
  }
  return widths;
}

void WriteTable(const RouteTable& table, RowWriter& row) {
  const auto widths = ColumnWidths(table);
  const auto header = [&](const std::string& name, std::size_t column) {
    row.Text(std::string(widths[column] - name.size(), ' ') + name);
  };
  header("destination", 0);
  row.Text("  ");
  header("hops", 1);
  for (std::size_t i = 0; i < table.generators().size(); ++i) {
    row.Text("  ");
    header("+-" + std::to_string(table.generators()[i]), i + 2);
  }
  row.EndRow();
  std::vector<std::int32_t> steps(table.generators().size());
  for (std::int32_t t = 0; t < table.n(); ++t) {
    const std::int32_t hops = table.Route(t, steps);
    row.Number(t, widths[0]);
    row.Text("  ");
    row.Number(hops, widths[1]);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      row.Text("  ");
      row.Number(steps[i], widths[i + 2]);
    }
    row.EndRow();
  }
}

void WriteCsv(const RouteTable& table, RowWriter& row) {
  row.Text("destination,hops,steps");
  row.EndRow();
  std::vector<std::int32_t> steps(table.generators().size());
  for (std::int32_t t = 0; t < table.n(); ++t) {
    const std::int32_t hops = table.Route(t, steps);
    row.Number(t);
    row.Char(',');
    row.Number(hops);
    row.Char(',');
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (i > 0) row.Char(' ');
      row.Number(steps[i]);
    }
    row.EndRow();
  }
}

// Written by hand: the rows hold only integers, and a million of them go
// faster without a JSON object each. The text is what nlohmann's dump()
// writes for the same object.
void WriteJson(const RouteTable& table, RowWriter& row) {
  std::vector<std::int32_t> steps(table.generators().size());
  for (std::int32_t t = 0; t < table.n(); ++t) {
    const std::int32_t hops = table.Route(t, steps);
    row.Text("{\"destination\":");
    row.Number(t);
    row.Text(",\"hops\":");
    row.Number(hops);
    row.Text(",\"steps\":[");
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (i > 0) row.Char(',');
      row.Number(steps[i]);
    }
    row.Text("]}");
    row.EndRow();
  }
}

}  // namespace

void WriteRoutes(const RouteTable& table, Format format,
                 const std::function<void(std::string_view)>& write) {
  RowWriter row(write);
  if (format == Format::kTable) WriteTable(table, row);
  if (format == Format::kCsv) WriteCsv(table, row);
  if (format == Format::kJson) WriteJson(table, row);
}

}  // namespace circscan
