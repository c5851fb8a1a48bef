#include "palettes/palette_images.h"

namespace huebit {

PaletteImages::PaletteImages()
    : tile(256, 128, EmptySlotColor), ring(128, 128, EmptySlotColor),
      flow(120, 128, EmptySlotColor), grey(12, 128, EmptySlotColor) {}

} // namespace huebit
