#include "core/chart_csv.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace kestrun {

std::string RoundTrip(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string ChartCsv(const std::vector<ChartPoint>& d, const std::vector<ChartPoint>& aveD) {
  std::map<double, std::pair<std::optional<double>, std::optional<double>>> rows;
  // A NaN x has no place in the order; such a point is not a row.
  for (const ChartPoint& p : d)
    if (!std::isnan(p.x)) rows[p.x].first = p.y;
  for (const ChartPoint& p : aveD)
    if (!std::isnan(p.x)) rows[p.x].second = p.y;
  std::string csv = "N,D,AveD\n";
  for (const auto& [x, values] : rows) {
    csv += RoundTrip(x) + ',';
    if (values.first) csv += RoundTrip(*values.first);
    csv += ',';
    if (values.second) csv += RoundTrip(*values.second);
    csv += '\n';
  }
  return csv;
}

}  // namespace kestrun
