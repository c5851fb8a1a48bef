#pragma once
// The four fixed palettes. They are generated when the window is created rather than shipped
// as pictures: the rules below are the whole definition, a couple of milliseconds of
// arithmetic, and nothing can drift between a picture file and the rules the tests check.

#include "core/pixel_buffer.h"

namespace huebit {

/// 8 x 4 tiles of 32 x 32: red grows to the right and green downwards in steps of 8 from 7;
/// each tile has one blue level, 8(col + 1)(row + 1) - 1.
PixelBuffer MakeTilePalette();
/// 12 x 128 greys: 254 - 2y, one more in the six right columns, so every level occurs.
PixelBuffer MakeGreyPalette();
/// 128 x 128: a hue ring (red at the top, counter-clockwise) between a grey centre and grey
/// corners, each grey falling row by row.
PixelBuffer MakeRingPalette();
/// 120 x 128: hue by rows; each row darkens to black at the left and lightens to white at the
/// right of its saturated colour in column 60.
PixelBuffer MakeFlowPalette();

} // namespace huebit
