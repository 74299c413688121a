// Feeds arbitrary bytes to the text-to-integer reading of the input fields and
// compares every answer with a second, digit-by-digit reading of the same
// rule: optional blanks (space, tab) around an optional sign and decimal
// digits whose value fits in 32 bits. A refused text must be reported exactly
// once, with the text quoted byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/conversion_rule.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Written apart from the reading under test: no library conversion, the
// bound checked after every digit.
std::optional<std::int32_t> ReferenceReading(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  bool negative = false;
  if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
    negative = text[begin] == '-';
    ++begin;
  }
  if (begin == end) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  int reports = 0;
  std::string message;
  const auto value = kestrun::ConvertInteger(text, [&](const std::string& m) {
    ++reports;
    message = m;
  });

  Check(value == ReferenceReading(text), "both readings agree");
  Check(value == kestrun::ParseInteger(text), "reporting does not change the reading");
  if (value) {
    Check(reports == 0, "an accepted text gives no message");
    // What is accepted reads back the same from its plain decimal form.
    Check(kestrun::ParseInteger(std::to_string(*value)) == value, "decimal form reads back");
    return 0;
  }
  Check(reports == 1, "a refused text gives exactly one message");
  Check(message == "'" + std::string(text) + "' is not a valid integer value",
        "the message quotes the text as typed");
  return 0;
}
