// The binary hypercube on up to 32 vertices: five-digit vertex codes and the
// adjacency of codes that differ in exactly one digit.
#pragma once

#include <array>
#include <cstdint>

namespace kestrun::hypercube {

inline constexpr int kDigits = 5;
inline constexpr int kTableSize = 35;    // room in every working table
inline constexpr int kMaxVertices = 32;  // what five binary digits can number

using VertexCodes = std::array<std::array<std::int32_t, kDigits>, kTableSize>;
using Matrix = std::array<std::array<std::int32_t, kTableSize>, kTableSize>;

inline constexpr std::int32_t kSelf = 2;  // diagonal mark of the adjacency
inline constexpr std::int32_t kEdge = 1;

// Rows 0..count-1 get the binary digits of their vertex, most significant
// first; count is clamped to 0..kMaxVertices.
void FillVertexCodes(VertexCodes& codes, int count);

// The top-left count x count block: kSelf on the diagonal, kEdge where the
// codes differ in exactly one digit, 0 elsewhere; other entries untouched.
void FillAdjacency(const VertexCodes& codes, int count, Matrix& adjacency);

}  // namespace kestrun::hypercube
