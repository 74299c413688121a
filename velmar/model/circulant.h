// Circulant model: validation of the two input texts, the adjacency matrix,
// hop distances searched up to four hops, the diameter D and the average
// diameter AveD. Uses the standard library only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "square_matrix.h"

namespace velmar {

// A pair further apart than the search depth gets this instead of a distance.
inline constexpr std::int32_t DISTANCE_FAR = 2147483647;
inline constexpr int kSearchDepth = 4;

// Largest vertex count the model accepts. The dialog admits two digits; the
// cap keeps any other caller (and the fuzzer) from asking for N x N matrices
// that cannot be allocated.
inline constexpr std::int32_t kMaxVertexCount = 4096;

struct AdjacencyTag {};
struct DistanceTag {};
using AdjacencyMatrix = SquareMatrix<std::int32_t, AdjacencyTag>;
using DistanceMatrix = SquareMatrix<std::int32_t, DistanceTag>;

enum class BuildError {
  VertexCountError,  // "Ошибка ввода количества вершин"
  GeneratorError,    // "Ошибочные образующие числа"
};

struct CirculantModel {
  std::int32_t vertexCount = 0;
  std::vector<std::int32_t> generators;  // as typed, without the appended N
  AdjacencyMatrix adjacency;
  DistanceMatrix distances;
  std::int32_t diameter = 0;
  double averDiam = 0.0;
};

using CirculantResult = std::variant<CirculantModel, BuildError>;

// The number-reading rule: leading white space, optional sign, decimal
// digits up to the first non-digit; no digits read as 0. Empty optional when
// the number does not fit a signed 32-bit integer.
std::optional<std::int32_t> ReadNumber(std::string_view text);

// The vertex count of the vertex text, or VertexCountError for 0, negative,
// 1 (AveD would divide by zero), beyond kMaxVertexCount or beyond 32 bits.
std::variant<std::int32_t, BuildError> ReadVertexCount(std::string_view text);

// Space-separated generator numbers, at least one; empty optional when a
// token does not fit 32 bits (the caller reports GeneratorError).
std::optional<std::vector<std::int32_t>> ParseGenerators(std::string_view text);

// 64-bit results: Gcd(INT32_MIN, INT32_MIN) is 2^31, one more than a signed
// 32-bit integer holds. A zero operand gives 0, not the other operand.
std::int64_t Gcd(std::int32_t a, std::int32_t b);
// Stops at the first 1, so a zero behind that point is never looked at.
std::int64_t GcdOfList(const std::vector<std::int32_t>& values);

// Empty matrix when n is outside 1..kMaxVertexCount.
AdjacencyMatrix BuildAdjacency(std::int32_t n, const std::vector<std::int32_t>& generators);

// Ascending vertices joined to v (column v of the adjacency); empty when v is
// not a vertex.
std::vector<std::int32_t> NeighbourList(const AdjacencyMatrix& adjacency, std::int32_t v);

// Hop distance 2, 3, 4 or DISTANCE_FAR between two distinct, non-adjacent
// vertices; 0 for the same vertex, 1 for adjacent ones, DISTANCE_FAR when
// either is not a vertex.
std::int32_t HopDistance(const AdjacencyMatrix& adjacency, std::int32_t target, std::int32_t from);

// Distances of any graph given by its adjacency (one bounded search per vertex).
DistanceMatrix BuildDistanceMatrix(const AdjacencyMatrix& adjacency);

// Distances of a circulant: one bounded search from vertex 0, the rest by rotation.
DistanceMatrix BuildCirculantDistanceMatrix(const AdjacencyMatrix& adjacency);

// Exact hop distances from vertex 0 of the circulant on n vertices, by a
// breadth-first search with no depth limit (O(n k)). Generators are taken mod
// n with either sign, as BuildAdjacency joins them; kUnreachable marks a
// vertex of another component. Empty when n is below 1.
inline constexpr std::int32_t kUnreachable = -1;
std::vector<std::int32_t> ExactDistancesFromZero(std::int32_t n,
                                                 const std::vector<std::int32_t>& generators);

// The sum of the exact distances from vertex 0; -1 when some vertex is unreachable.
std::int64_t SumOfDistances(const std::vector<std::int32_t>& distances);

// Both read row 0 only. AveD of fewer than two vertices is 0, never a division by zero.
std::int32_t ComputeDiameter(const DistanceMatrix& distances);
double ComputeAverDiam(const DistanceMatrix& distances);

// AveD as the dialog shows it: "%9.5f".
std::string FormatAverDiam(double averDiam);

CirculantResult BuildCirculant(std::string_view vertexText, std::string_view generatorText);

}  // namespace velmar
