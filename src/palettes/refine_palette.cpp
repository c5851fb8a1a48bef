#include "palettes/refine_palette.h"

#include <array>

namespace huebit {

namespace {

// Round(x / 2) with ties to even: 0, 0, 1, 2, 2, 2, 3, 4, ...
const std::array<int, RefinePaletteWidth>& redOffsets() {
    static const auto table = [] {
        std::array<int, RefinePaletteWidth> t{};
        for (int x = 0; x < RefinePaletteWidth; ++x) t[x] = Round((long double)x / 2);
        return t;
    }();
    return table;
}

} // namespace

void DrawRefinePalette(PixelBuffer& palette, Color c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    const auto& redOffset = redOffsets();
    std::array<int, RefinePaletteWidth> reds{};
    for (int x = 0; x < RefinePaletteWidth; ++x) reds[x] = ClampByte(r - 7 + redOffset[x]);
    for (int y = 0; y < RefinePaletteHeight; ++y) {
        const int blue = ClampByte(b - 6 + y / 8);
        const int greenStep = y / 16 + 1;
        Color* line = palette.row(y);
        for (int x = 0; x < RefinePaletteWidth; ++x) {
            const int green = ClampByte(g - 7 + (x / 16 + 1) * greenStep);
            line[x] = RGB(reds[x], green, blue);
        }
    }
}

void DrawSaturationStrip(PixelBuffer& strip, SaturationMarkers& markers, Color c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    markers.black.color = EmptySlotColor;
    markers.white.color = EmptySlotColor;
    bool inWhiteRun = false;
    for (int i = 0; i < SaturationStripHeight; ++i) {
        const int shift = 126 - 2 * i;
        const Color rowColor = RGB(ClampByte(r + shift), ClampByte(g + shift), ClampByte(b + shift));
        strip.fillRow(i, rowColor);
        if (rowColor == RGB(0, 0, 0) && markers.black.color != rowColor) {
            markers.black = {rowColor, MarkerTopForRow(i)};
        }
        if (rowColor == RGB(255, 255, 255)) {
            inWhiteRun = true;
        } else if (inWhiteRun) {
            markers.white = {RGB(255, 255, 255), MarkerTopForRow(i)};
            inWhiteRun = false;
        }
    }
    markers.current = {c, MarkerTopForRow(63)};
    const int y = GreyEquivalent(c);
    markers.grey = {RGB(y, y, y), 132 - Round((long double)y / 2)};
}

} // namespace huebit
