// Contrast between two colours as the web's accessibility guidelines measure
// it, and a fixed text colour kept readable on a desktop's dark ground.
#pragma once

#include "core/canvas.h"

namespace kestrun {

// The contrast that text needs to stay readable, and the guidelines'
// enhanced level, which thin antialiased letters need to reach it: most of
// their pixels are edges blended with the ground.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kEnhancedContrast = 7.0;

// 0 for black to 1 for white, from the sRGB components.
double RelativeLuminance(Rgb colour);
// From 1 (the same) to 21 (black and white), whichever is lighter.
double ContrastRatio(Rgb a, Rgb b);

// INK unchanged on a ground lighter than itself (as the windows were drawn),
// or when it already reaches the contrast AIM; on a darker ground, INK mixed
// towards white just far enough to reach AIM (white when even that falls
// short).
Rgb ReadableOn(Rgb ink, Rgb ground, double aim);

}  // namespace kestrun
