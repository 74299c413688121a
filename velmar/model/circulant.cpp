// One build of a circulant from the dialog's two texts.
#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>

#include "circulant.h"

namespace velmar {

CirculantResult BuildCirculant(std::string_view vertexText, std::string_view generatorText) {
  // The vertex count is settled first, so a bad generator text never draws a
  // second error when the count is already wrong.
  const auto count = ReadVertexCount(vertexText);
  if (const auto* error = std::get_if<BuildError>(&count)) return *error;
  const std::int32_t n = std::get<std::int32_t>(count);

  auto generators = ParseGenerators(generatorText);
  if (!generators) return BuildError::GeneratorError;
  std::vector<std::int32_t> testList = *generators;
  testList.push_back(n);
  if (GcdOfList(testList) != 1) return BuildError::GeneratorError;

  CirculantModel model;
  model.vertexCount = n;
  model.adjacency = BuildAdjacency(n, *generators);
  model.generators = std::move(*generators);
  model.distances = BuildCirculantDistanceMatrix(model.adjacency);
  model.diameter = ComputeDiameter(model.distances);
  model.averDiam = ComputeAverDiam(model.distances);
  return model;
}

}  // namespace velmar
