#include "core/projection.h"

#include <cmath>

namespace kestrun {

ProjectionConstants gProjection;

void ComputeProjectionConstants() {
  // The wizard has always taken pi as 3.14; the drawings' pixels depend on it.
  const long double angle10 = 3.14L / 18.0L;
  const long double angle45 = 3.14L / 4.0L;
  gProjection.Cos10 = static_cast<double>(std::cos(angle10));
  gProjection.Sin10 = static_cast<double>(std::sin(angle10));
  gProjection.Cos45 = static_cast<double>(std::cos(angle45));
  gProjection.Sin45 = static_cast<double>(std::sin(angle45));
}

int RoundHalfEven(long double value) {
  // nearbyint follows the current rounding mode, which is to-nearest-even.
  return static_cast<int>(std::nearbyint(value));
}

Step FirstAxisStep(int length) {
  return {RoundHalfEven(static_cast<long double>(length) * gProjection.Cos10),
          RoundHalfEven(static_cast<long double>(length) * gProjection.Sin10)};
}

Step SecondAxisStep(int length) {
  return {-RoundHalfEven(static_cast<long double>(length) * gProjection.Cos45),
          RoundHalfEven(static_cast<long double>(length) * gProjection.Sin45)};
}

}  // namespace kestrun
