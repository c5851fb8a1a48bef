#include "palettes/palette_images.h"

#include "palettes/embedded_palettes.h"

namespace huebit {

PaletteImages::PaletteImages()
    : tile(MakeTilePalette()), ring(MakeRingPalette()), flow(MakeFlowPalette()),
      grey(MakeGreyPalette()) {}

} // namespace huebit
