// Shortens a long path for a one-line menu item: the start of the path gives
// way to "..." so that the file name and as much of its folder as the room
// allows stay readable.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr std::string_view kPathEllipsis = "...";

// The width of a UTF-8 text in whatever unit the caller measures.
using TextWidth = std::function<int(std::string_view)>;

// `path` unchanged when it fits in `maxWidth`; otherwise "..." followed by the
// longest tail of the path that fits, cut at a folder separator when the
// file name itself fits, else inside the file name at a character boundary.
// Never wider than `maxWidth` unless "..." alone is wider.
std::string AbbreviatePath(std::string_view path, int maxWidth, const TextWidth& width);

}  // namespace velmar
