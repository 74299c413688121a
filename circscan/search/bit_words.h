// Bit sets kept as 64-bit words, in which a run of 64 bits is read from any
// place: the turns of the coverage tests are such reads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace circscan {

// The 64 bits starting at bit p; the word after p's must exist.
inline std::uint64_t ReadBits(const std::uint64_t* bits, std::int32_t p) {
  const auto word = static_cast<std::size_t>(p) >> 6;
  const int shift = p & 63;
  if (shift == 0) return bits[word];
  return (bits[word] >> shift) | (bits[word + 1] << (64 - shift));
}

}  // namespace circscan
