// The contrast measure against known pairs, and the readable ink over every
// grey and the dark themes' own grounds: the ink kept where it was drawn for,
// else lightened, never changed in hue, until it reads.
#include <gtest/gtest.h>

#include <vector>

#include "core/contrast.h"

namespace {

using kestrun::ContrastRatio;
using kestrun::ReadableOn;
using kestrun::Rgb;

TEST(Contrast, KnownPairs) {
  EXPECT_NEAR(ContrastRatio(kestrun::kBlack, kestrun::kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(kestrun::kWhite, kestrun::kBlack), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Rgb{255, 0, 0}, kestrun::kWhite), 4.0, 0.01);
  EXPECT_NEAR(ContrastRatio(Rgb{0, 128, 0}, kestrun::kWhite), 5.14, 0.01);
  EXPECT_NEAR(ContrastRatio(Rgb{0, 0, 0}, Rgb{36, 36, 36}), 1.35, 0.01);
  EXPECT_NEAR(ContrastRatio(Rgb{90, 90, 90}, Rgb{90, 90, 90}), 1.0, 1e-9);
}

TEST(Contrast, ReadableInkOnEveryGround) {
  std::vector<Rgb> grounds{{36, 36, 36}, {53, 53, 53}, {27, 30, 32}, {49, 54, 59}, {239, 239, 239}};
  for (int grey = 0; grey <= 255; grey += 5) {
    const auto g = static_cast<std::uint8_t>(grey);
    grounds.push_back(Rgb{g, g, g});
  }
  const std::vector<Rgb> inks{{255, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 0, 0}, {128, 128, 128}};
  for (const Rgb& ground : grounds) {
    for (const Rgb& ink : inks) {
      const Rgb result = ReadableOn(ink, ground, kestrun::kEnhancedContrast);
      const double before = ContrastRatio(ink, ground);
      if (kestrun::RelativeLuminance(ground) >= kestrun::RelativeLuminance(ink) ||
          before >= kestrun::kEnhancedContrast) {
        EXPECT_EQ(result, ink);
        continue;
      }
      // Lighter only, never another hue: each component moves towards 255.
      EXPECT_GE(result.r, ink.r);
      EXPECT_GE(result.g, ink.g);
      EXPECT_GE(result.b, ink.b);
      if (ContrastRatio(kestrun::kWhite, ground) >= kestrun::kEnhancedContrast) {
        EXPECT_GE(ContrastRatio(result, ground), kestrun::kEnhancedContrast)
            << int(ground.r) << " " << int(ink.r) << "," << int(ink.g) << "," << int(ink.b);
      } else {
        EXPECT_EQ(result, kestrun::kWhite);
      }
    }
  }
}

}  // namespace
