// The rule by which the windows read an integer from an input field, in plain
// C++ so that it can be fuzzed and tested without the toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kestrun {

using ConversionReport = std::function<void(const std::string&)>;

// Optional blanks around an optional sign and decimal digits, within 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "'<text>' is not a valid integer value", the text kept byte for byte.
std::string NotAnIntegerText(std::string_view text);

// Reads `text` (UTF-8); a text that is not an integer is handed to `report`
// once, as NotAnIntegerText, and nothing is returned.
std::optional<std::int32_t> ConvertInteger(std::string_view text, const ConversionReport& report);

}  // namespace kestrun
