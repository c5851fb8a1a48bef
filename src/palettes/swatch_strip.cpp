#include "palettes/swatch_strip.h"

#include <algorithm>

namespace huebit {

void SwatchStrip::push(Color c) {
    for (int y = 0; y < Height; ++y) {
        Color* line = m_pixels.row(y);
        std::copy_backward(line, line + Width - SlotPitch, line + Width);
    }
    // Column 14 is not touched: it keeps the gap colour the strip was cleared with.
    m_pixels.fillColumns(0, SlotWidth, c);
}

} // namespace huebit
