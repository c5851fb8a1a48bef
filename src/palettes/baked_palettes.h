#pragma once
// The ring and flow palettes as the build drew them (bake_palettes): their generators take
// milliseconds of extended-precision trigonometry, which every start would otherwise repeat.

#include "core/color.h"

namespace huebit {

extern const Color BakedRingPalette[128 * 128];
extern const Color BakedFlowPalette[120 * 128];

} // namespace huebit
