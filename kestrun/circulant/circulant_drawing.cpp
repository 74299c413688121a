#include "circulant_drawing.h"

#include <cmath>
#include <string>

#include "core/projection.h"

namespace kestrun {

namespace {

constexpr int kCentreX = 180;
constexpr int kCentreY = 165;
constexpr int kVertexRadius = 145;
constexpr int kLabelRadius = 160;
// The ring has always been laid out with 6.28 as the full turn.
constexpr long double kTurn = 6.28L;

}  // namespace

std::vector<VertexPlace> CirculantPlaces(int n) {
  std::vector<VertexPlace> places;
  places.reserve(n);
  double phi = 0.0;
  for (int i = 0; i < n; ++i) {
    phi = static_cast<double>(phi + kTurn / n);
    const long double s = std::sin(static_cast<long double>(phi));
    const long double c = std::cos(static_cast<long double>(phi));
    places.push_back(
        {RoundHalfEven(kVertexRadius * s) + kCentreX, RoundHalfEven(kVertexRadius * c) + kCentreY,
         RoundHalfEven(kLabelRadius * s) + kCentreX, RoundHalfEven(kLabelRadius * c) + kCentreY});
  }
  return places;
}

void DrawCirculant(Canvas& canvas, int n, const Generators& generators) {
  canvas.FillRect(0, 0, kCirculantImageWidth, kCirculantImageHeight);
  const CirculantMatrix adjacency = CirculantAdjacency(n, generators);
  const std::vector<VertexPlace> places = CirculantPlaces(n);
  for (int i = 0; i < n; ++i) canvas.TextOut(places[i].LX, places[i].LY, std::to_string(i));

  // Every edge is drawn from both ends, and the pen is moved back to vertex i
  // before each candidate j, whether or not a line follows.
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      canvas.MoveTo(places[i].X, places[i].Y);
      if (adjacency[i][j] == 1) canvas.LineTo(places[j].X, places[j].Y);
    }
  }
}

}  // namespace kestrun
