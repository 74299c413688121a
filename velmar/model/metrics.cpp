// D and AveD from row 0 of the distances, and AveD's on-screen text.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "circulant.h"

namespace velmar {

std::int32_t ComputeDiameter(const DistanceMatrix& distances) {
  if (distances.empty()) return 0;
  const auto row0 = distances.row(0);
  return std::max(0, *std::max_element(row0.begin(), row0.end()));
}

double ComputeAverDiam(const DistanceMatrix& distances) {
  const std::int32_t n = distances.size();
  if (n < 2) return 0.0;
  // A 64-bit sum of at most kMaxVertexCount entries below 2^31 stays under
  // 2^53, so it equals the sum of the entries taken one by one as doubles.
  std::int64_t sum = 0;
  for (const std::int32_t d : distances.row(0)) sum += d;
  return static_cast<double>(sum) / static_cast<double>(n - 1);
}

std::string FormatAverDiam(double averDiam) {
  // to_chars ignores the process locale, which a GUI toolkit may set to one
  // with a decimal comma; printf's "%9.5f" would follow it.
  char digits[400];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, averDiam, std::chars_format::fixed, 5);
  std::string text = error == std::errc{} ? std::string(digits, end) : std::string("nan");
  constexpr std::size_t kWidth = 9;
  if (text.size() < kWidth) text.insert(0, kWidth - text.size(), ' ');
  return text;
}

}  // namespace velmar
