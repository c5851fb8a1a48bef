#include "palettes/palette_images.h"

#include "palettes/baked_palettes.h"
#include "palettes/embedded_palettes.h"

namespace huebit {

PaletteImages::PaletteImages()
    : tile(MakeTilePalette()), ring(PixelBuffer::FromPixels(128, 128, BakedRingPalette)),
      flow(PixelBuffer::FromPixels(120, 128, BakedFlowPalette)), grey(MakeGreyPalette()) {}

} // namespace huebit
