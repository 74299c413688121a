// The three generalized cubes the window offers: grids of a x b x c vertices,
// their vertex numbering, their table rows and their drawing from glyphs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "mykub.h"

namespace kestrun {

struct GenCubeConfig {
  int n;
  int a;
  int b;
  int c;
  const char* itemText;
  const char* labelText;
};

// In the order of the radio items and of GenCubeSeries.
extern const std::array<GenCubeConfig, 3> kGenCubeConfigs;

struct Coords {
  int x = 0;
  int y = 0;
  int z = 0;
  friend bool operator==(const Coords&, const Coords&) = default;
};

// Vertex v = x*b*c + y*c + z: x varies slowest, z fastest.
Coords VertexCoords(const GenCubeConfig& config, int vertex);

// One row per vertex: its number, then x, y, z, as decimal texts.
std::vector<std::array<std::string, 4>> TabRows(const GenCubeConfig& config);

// The glyph origins in drawing order: s (receding) outermost, then u
// (vertical), then t (first axis) innermost.
std::vector<Point> GlyphOrigins(const GenCubeConfig& config);

inline constexpr int kCubeImageWidth = 329;
inline constexpr int kCubeImageHeight = 289;

// Wipes the whole image white and leaves a black pen for the glyphs.
void ClearCubeImage(Canvas& canvas);

// Draws every cell as a glyph; lastKub ends up holding the final one.
void DrawGenCube(Canvas& canvas, const GenCubeConfig& config, std::unique_ptr<TMyKub>& lastKub);

}  // namespace kestrun
