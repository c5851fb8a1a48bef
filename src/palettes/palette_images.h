#pragma once
// The four fixed palette images, made once when the main window is created.

#include "core/pixel_buffer.h"

namespace huebit {

struct PaletteImages {
    PaletteImages();

    PixelBuffer tile; ///< 256 x 128, shown in 256 x 127
    PixelBuffer ring; ///< 128 x 128
    PixelBuffer flow; ///< 120 x 128
    PixelBuffer grey; ///< 12 x 128, shown in 10 x 128
};

} // namespace huebit
