#include "gencube.h"

#include "core/projection.h"

namespace kestrun {

const std::array<GenCubeConfig, 3> kGenCubeConfigs{{
    {24, 4, 3, 2, "24", "Количество вершин равно 24 (4x3x2)"},
    {27, 3, 3, 3, "27", "Количество вершин равно 27 (3x3x3)"},
    {30, 5, 3, 2, "30", "Количество вершин равно 30 (5x3x2)"},
}};

namespace {

constexpr Point kGridOrigin{100, 110};
constexpr int kEdge = 55;
constexpr int kHeight = 40;

}  // namespace

Coords VertexCoords(const GenCubeConfig& config, int vertex) {
  const int plane = config.b * config.c;
  return {vertex / plane, (vertex % plane) / config.c, vertex % config.c};
}

std::vector<std::array<std::string, 4>> TabRows(const GenCubeConfig& config) {
  std::vector<std::array<std::string, 4>> rows;
  rows.reserve(config.n);
  for (int v = 0; v < config.n; ++v) {
    const Coords p = VertexCoords(config, v);
    rows.push_back(
        {std::to_string(v), std::to_string(p.x), std::to_string(p.y), std::to_string(p.z)});
  }
  return rows;
}

std::vector<Point> GlyphOrigins(const GenCubeConfig& config) {
  const Step first = FirstAxisStep(kEdge);
  const Step receding = SecondAxisStep(kEdge);
  std::vector<Point> origins;
  for (int s = 0; s <= config.c - 2; ++s) {
    for (int u = 0; u <= config.b - 2; ++u) {
      for (int t = 0; t <= config.a - 2; ++t) {
        origins.push_back({kGridOrigin.x + t * first.dx + s * receding.dx,
                           kGridOrigin.y + t * first.dy + s * receding.dy - kHeight * u});
      }
    }
  }
  return origins;
}

void ClearCubeImage(Canvas& canvas) {
  canvas.SetBrushColor(kWhite);
  canvas.FillRect(0, 0, kCubeImageWidth, kCubeImageHeight);
  canvas.SetPenColor(kBlack);
}

void DrawGenCube(Canvas& canvas, const GenCubeConfig& config, std::unique_ptr<TMyKub>& lastKub) {
  for (const Point origin : GlyphOrigins(config)) {
    // The old glyph goes before the new one is made, so at most one lives.
    lastKub.reset();
    lastKub = std::make_unique<TMyKub>(origin.x, origin.y);
    lastKub->DrawKub(canvas);
  }
}

}  // namespace kestrun
