// Feeds arbitrary vertex and generator texts to BuildCirculant and checks
// every accepted circulant against the invariants of its distance matrix.
// The input is split at its first newline or NUL: the vertex text before it,
// the generator text after it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "circulant.h"

namespace {

using velmar::DISTANCE_FAR;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool IsHopCount(std::int32_t d) {
  return (d >= 0 && d <= velmar::kSearchDepth) || d == DISTANCE_FAR;
}

void CheckMatrices(const velmar::CirculantModel& model) {
  const std::int32_t n = model.vertexCount;
  Check(model.adjacency.size() == n && model.distances.size() == n, "matrix sizes");
  for (std::int32_t u = 0; u < n; ++u) {
    Check(model.distances.at(u, u) == 0, "zero diagonal");
    for (std::int32_t v = 0; v < n; ++v) {
      const std::int32_t a = model.adjacency.at(u, v);
      const std::int32_t d = model.distances.at(u, v);
      Check(a == 0 || a == 1, "adjacency holds 0 or 1");
      Check(a == model.adjacency.at(v, u), "symmetric adjacency");
      Check(d == model.distances.at(v, u), "symmetric distances");
      Check(IsHopCount(d), "distance is 0..4 or DISTANCE_FAR");
      Check(u == v || (d == 1) == (a == 1), "distance 1 exactly on edges");
    }
  }
}

void CheckModel(const velmar::CirculantModel& model, std::string_view generatorText) {
  const std::int32_t n = model.vertexCount;
  Check(n >= 2 && n <= velmar::kMaxVertexCount, "vertex count in range");
  const auto generators = velmar::ParseGenerators(generatorText);
  Check(generators && *generators == model.generators, "generators as typed");
  CheckMatrices(model);
  Check(model.diameter == velmar::ComputeDiameter(model.distances), "D is the row 0 maximum");
  Check(model.averDiam >= 0.0 && model.averDiam <= double{DISTANCE_FAR}, "AveD in range");
  Check(velmar::FormatAverDiam(model.averDiam).size() >= 9, "AveD text width");
  // The rotation shortcut must agree with a search from every vertex.
  if (n <= 64) {
    Check(velmar::BuildDistanceMatrix(model.adjacency) == model.distances, "both searches agree");
  }
}

// Matrices grow with the square of N; past this the run would spend its
// time allocating, so larger counts only exercise the reading.
constexpr std::int32_t kLargestFuzzedN = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto split = input.find_first_of(std::string_view("\n\0", 2));
  const std::string_view vertexText = input.substr(0, split);
  const std::string_view generatorText =
      split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

  const auto n = velmar::ReadNumber(vertexText);
  if (n && *n > kLargestFuzzedN && *n <= velmar::kMaxVertexCount) {
    Check(std::holds_alternative<std::int32_t>(velmar::ReadVertexCount(vertexText)),
          "count within the cap is accepted");
    velmar::ParseGenerators(generatorText);
    return 0;
  }
  const auto result = velmar::BuildCirculant(vertexText, generatorText);
  if (const auto* model = std::get_if<velmar::CirculantModel>(&result)) {
    CheckModel(*model, generatorText);
  } else {
    Check(!n || *n < 2 || *n > velmar::kMaxVertexCount ||
              std::get<velmar::BuildError>(result) == velmar::BuildError::GeneratorError,
          "a valid count fails only on the generators");
  }
  return 0;
}
