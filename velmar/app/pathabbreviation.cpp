#include "pathabbreviation.h"

#include <cstddef>
#include <vector>

namespace velmar {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where the kept tail may start, from the longest tail to the shortest:
// every separator but a leading one, then every character of the file name.
std::vector<std::size_t> TailStarts(std::string_view path) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (path[i] == '/') starts.push_back(i);
  }
  const std::size_t lastSlash = path.rfind('/');
  const std::size_t name = lastSlash == std::string_view::npos ? 0 : lastSlash + 1;
  for (std::size_t i = name > 0 ? name : 1; i < path.size(); ++i) {
    if (!IsContinuationByte(path[i])) starts.push_back(i);
  }
  return starts;
}

std::string WithEllipsis(std::string_view tail) {
  std::string text(kPathEllipsis);
  text.append(tail);
  return text;
}

}  // namespace

std::string AbbreviatePath(std::string_view path, int maxWidth, const TextWidth& width) {
  if (width(path) <= maxWidth) return std::string(path);
  const std::vector<std::size_t> starts = TailStarts(path);
  // Tails only get narrower as they start later, so the first one that fits
  // is found by bisection; a path of thousands of characters stays quick.
  std::size_t low = 0;
  std::size_t high = starts.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (width(WithEllipsis(path.substr(starts[middle]))) <= maxWidth) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  if (low == starts.size()) return std::string(kPathEllipsis);
  return WithEllipsis(path.substr(starts[low]));
}

}  // namespace velmar
