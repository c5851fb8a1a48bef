#include "palettes/gradient.h"

namespace huebit {

void DrawGradient(PixelBuffer& strip, Color start, Color end) {
    const int h = strip.height();
    auto step = [h](int s, int e, int g) { return s + Round((long double)(g * (e - s)) / h); };
    for (int g = 0; g < h; ++g) {
        strip.fillRow(g, RGB(step(GetRValue(start), GetRValue(end), g),
                             step(GetGValue(start), GetGValue(end), g),
                             step(GetBValue(start), GetBValue(end), g)));
    }
}

} // namespace huebit
