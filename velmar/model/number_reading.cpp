// Reading the two input texts: the number-reading rule, the vertex count and
// the generator tokens.
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

constexpr std::string_view kWhiteSpace = " \t\n\r\v\f";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimLeft(std::string_view text) {
  const auto first = text.find_first_not_of(kWhiteSpace);
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  const auto last = text.find_last_not_of(kWhiteSpace);
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace

std::optional<std::int32_t> ReadNumber(std::string_view text) {
  text = TrimLeft(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // The magnitude of INT32_MIN is the largest that can still fit; stopping
  // just past it keeps the accumulator far from its own limit whatever the
  // number of digits.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::variant<std::int32_t, BuildError> ReadVertexCount(std::string_view text) {
  const auto n = ReadNumber(text);
  if (!n || *n < 2 || *n > kMaxVertexCount) return BuildError::VertexCountError;
  return *n;
}

std::optional<std::vector<std::int32_t>> ParseGenerators(std::string_view text) {
  std::vector<std::int32_t> generators;
  text = Trim(text);
  // Only the space character separates; a tab or a comma stays inside a token.
  for (;;) {
    if (!text.empty() && text.front() == ' ') text = TrimLeft(text);
    const auto space = text.find(' ');
    if (space == std::string_view::npos) break;
    const auto token = ReadNumber(text.substr(0, space));
    if (!token) return std::nullopt;
    generators.push_back(*token);
    text = text.substr(space + 1);
  }
  const auto last = ReadNumber(text);
  if (!last) return std::nullopt;
  generators.push_back(*last);
  return generators;
}

}  // namespace velmar
