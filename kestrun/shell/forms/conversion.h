// Text to integer as the windows read their input fields.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "core/conversion_rule.h"

namespace kestrun {

// "'<text>' is not a valid integer value"
QString NotAnIntegerMessage(const QString& text);

// Converts, or reports NotAnIntegerMessage through ShowErrorMessage and
// returns nothing; the caller's handler then stops.
std::optional<std::int32_t> StrToInt(const QString& text);

}  // namespace kestrun
