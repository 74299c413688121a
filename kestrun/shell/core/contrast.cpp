#include "core/contrast.h"

#include <algorithm>
#include <cmath>

namespace kestrun {

namespace {

double Linear(std::uint8_t component) {
  const double c = component / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t Towards(std::uint8_t from, std::uint8_t to, int step, int steps) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * double(step) / steps));
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableOn(Rgb ink, Rgb ground, double aim) {
  if (RelativeLuminance(ground) >= RelativeLuminance(ink) || ContrastRatio(ink, ground) >= aim) {
    return ink;
  }
  constexpr int kSteps = 32;
  for (int step = 1; step < kSteps; ++step) {
    const Rgb mixed{Towards(ink.r, 255, step, kSteps), Towards(ink.g, 255, step, kSteps),
                    Towards(ink.b, 255, step, kSteps)};
    if (ContrastRatio(mixed, ground) >= aim) return mixed;
  }
  return kWhite;
}

}  // namespace kestrun
