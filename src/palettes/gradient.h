#pragma once
// The vertical gradient strip between two colours.

#include "core/pixel_buffer.h"

namespace huebit {

constexpr int GradientWidth = 41;
constexpr int GradientHeight = 127;
constexpr Color DefaultGradientStart = RGB(82, 0, 208);
constexpr Color DefaultGradientEnd = RGB(76, 245, 38);

/// Row g holds start + Round(g * (end - start) / 127) per component; dividing by the full
/// height means the bottom row stops one step short of the end colour.
void DrawGradient(PixelBuffer& strip, Color start, Color end);

} // namespace huebit
