// Text to integer as the windows read their input fields.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrun {

// Optional blanks around an optional sign and decimal digits, within 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "'<text>' is not a valid integer value"
QString NotAnIntegerMessage(const QString& text);

// Converts, or reports NotAnIntegerMessage through ShowErrorMessage and
// returns nothing; the caller's handler then stops.
std::optional<std::int32_t> StrToInt(const QString& text);

}  // namespace kestrun
