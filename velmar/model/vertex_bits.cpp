#include "vertex_bits.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::bits {
namespace {

// dst |= src << shift, bits pushed past the last word dropped.
void ShiftUpOr(std::span<Word> dst, std::span<const Word> src, std::int32_t shift) {
  const auto words = static_cast<std::ptrdiff_t>(src.size());
  const std::ptrdiff_t wordShift = shift / kWordBits;
  const int bitShift = shift % kWordBits;
  for (std::ptrdiff_t i = words - 1; i >= wordShift; --i) {
    const std::ptrdiff_t from = i - wordShift;
    Word value = src[static_cast<std::size_t>(from)] << bitShift;
    if (bitShift != 0 && from > 0) {
      value |= src[static_cast<std::size_t>(from - 1)] >> (kWordBits - bitShift);
    }
    dst[static_cast<std::size_t>(i)] |= value;
  }
}

// dst |= src >> shift.
void ShiftDownOr(std::span<Word> dst, std::span<const Word> src, std::int32_t shift) {
  const auto words = static_cast<std::ptrdiff_t>(src.size());
  const std::ptrdiff_t wordShift = shift / kWordBits;
  const int bitShift = shift % kWordBits;
  for (std::ptrdiff_t i = 0; i + wordShift < words; ++i) {
    const std::ptrdiff_t from = i + wordShift;
    Word value = src[static_cast<std::size_t>(from)] >> bitShift;
    if (bitShift != 0 && from + 1 < words) {
      value |= src[static_cast<std::size_t>(from + 1)] << (kWordBits - bitShift);
    }
    dst[static_cast<std::size_t>(i)] |= value;
  }
}

}  // namespace

void RotateOr(std::span<Word> dst, std::span<const Word> src, std::int32_t offset, std::int32_t n) {
  ShiftUpOr(dst, src, offset);
  ShiftDownOr(dst, src, n - offset);
  // The shift up leaves vertices n - offset .. n - 1 beyond n; the shift
  // down has already brought them round to the start.
  const int used = n % kWordBits;
  if (used != 0) dst.back() &= (Word{1} << used) - 1;
}

}  // namespace velmar::bits
