#include "palettes/embedded_palettes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace huebit {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

struct Pin {
    int x, y;
    Color c;
};

// Pixels measured on the reference pictures, kept exactly. The smooth rules below stay within
// a few steps of them; these places are held to the measured values.
constexpr Pin RingPins[] = {
    {64, 8, RGB(232, 8, 11)},    {20, 30, RGB(232, 200, 8)},  {8, 64, RGB(121, 232, 8)},
    {64, 120, RGB(8, 232, 229)}, {120, 64, RGB(116, 8, 232)},
};
constexpr Pin FlowColumn60Pins[] = {
    {60, 0, RGB(254, 0, 1)},    {60, 32, RGB(130, 254, 1)},
    {60, 64, RGB(1, 251, 249)}, {60, 96, RGB(125, 1, 254)},
};
constexpr Pin FlowPins[] = {
    {32, 0, RGB(127, 9, 9)},      {88, 0, RGB(246, 128, 128)},
    {30, 64, RGB(9, 118, 117)},   {90, 64, RGB(136, 245, 244)},
};

void pin(PixelBuffer& p, const Pin* pins, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) p.setPixel(pins[i].x, pins[i].y, pins[i].c);
}

// A fully saturated colour of `hue` degrees between `low` and `high`, the middle component
// varying linearly with the hue.
void saturated(long double hue, long double low, long double high, long double out[3]) {
    hue = std::fmod(hue, 360.0L);
    if (hue < 0) hue += 360;
    const int sector = int(hue / 60) % 6;
    const long double f = hue / 60 - std::floor(hue / 60);
    const long double rising = low + (high - low) * f;
    const long double falling = high - (high - low) * f;
    const long double rgb[6][3] = {{high, rising, low},  {falling, high, low},
                                   {low, high, rising},  {low, falling, high},
                                   {rising, low, high},  {high, low, falling}};
    std::copy(rgb[sector], rgb[sector] + 3, out);
}

Color fromReals(const long double c[3]) {
    return RGB(ClampByte(Round(c[0])), ClampByte(Round(c[1])), ClampByte(Round(c[2])));
}

Color blend(Color a, Color b, long double t) {
    auto mix = [t](int x, int y) { return ClampByte(Round(x + (y - x) * t)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

Color grey(int level) {
    const int v = ClampByte(level);
    return RGB(v, v, v);
}

} // namespace

PixelBuffer MakeTilePalette() {
    PixelBuffer p(256, 128);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            p.setPixel(x, y, RGB(8 * (x % 32) + 7, 8 * (y % 32) + 7, 8 * (x / 32 + 1) * (y / 32 + 1) - 1));
        }
    }
    return p;
}

PixelBuffer MakeGreyPalette() {
    PixelBuffer p(12, 128);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 12; ++x) p.setPixel(x, y, grey(254 - 2 * y + (x >= 6 ? 1 : 0)));
    }
    return p;
}

PixelBuffer MakeRingPalette() {
    PixelBuffer p(128, 128);
    constexpr long double Centre = 63.5L, Inner = 49, Outer = 62.5L;
    for (int y = 0; y < 128; ++y) {
        // Inside grey 290 1/3 - 2 7/12 y (239 at row 20, 125 at row 64, 11 at row 108),
        // outside 254 - 2y; both equal across a row.
        const Color inside = grey(Round((3484.0L - 31 * y) / 12));
        const Color outside = grey(254 - 2 * y);
        for (int x = 0; x < 128; ++x) {
            const long double dx = x - Centre, dy = y - Centre;
            const long double d = std::hypot(dx, dy);
            // The angle counter-clockwise from straight up: red at the top, 90 at the left.
            const long double hue = std::atan2(-dx, -dy) * 180 / Pi;
            long double rgb[3];
            saturated(hue, 8, 232, rgb);
            const Color ring = fromReals(rgb);
            Color c = ring;
            if (d < Inner + 0.5L) c = blend(inside, ring, std::clamp(d - (Inner - 0.5L), 0.0L, 1.0L));
            if (d > Outer - 0.5L) c = blend(ring, outside, std::clamp(d - (Outer - 0.5L), 0.0L, 1.0L));
            p.setPixel(x, y, c);
        }
    }
    pin(p, RingPins, std::size(RingPins));
    return p;
}

PixelBuffer MakeFlowPalette() {
    PixelBuffer p(120, 128);
    for (int y = 0; y < 128; ++y) {
        const long double hue = 360.0L * y / 128;
        // The saturated colour at value 254; the ring of hues dims a little towards cyan.
        const long double high = 254 - 3 * std::exp(-std::pow((hue - 180) / 24, 2.0L));
        long double rgb[3];
        saturated(hue, 0, high, rgb);
        p.setPixel(60, y, fromReals(rgb));
    }
    pin(p, FlowColumn60Pins, std::size(FlowColumn60Pins));
    for (int y = 0; y < 128; ++y) {
        const Color c60 = p.pixel(60, y);
        const int c[3] = {GetRValue(c60), GetGValue(c60), GetBValue(c60)};
        const int largest = *std::max_element(c, c + 3);
        for (int x = 0; x < 120; ++x) {
            long double out[3];
            for (int k = 0; k < 3; ++k) {
                if (x <= 60) {
                    out[k] = c[k] * (long double)x / 60;
                } else {
                    const long double t = (long double)(x - 60) / 59;
                    out[k] = c[k] + (255 - c[k]) * t;
                    // The brightest component sags on the way to white, lowest near column 94.
                    if (c[k] == largest) out[k] -= 11 * std::sin(Pi * std::pow(t, 1.26L));
                }
            }
            if (x != 60) p.setPixel(x, y, fromReals(out));
        }
    }
    pin(p, FlowPins, std::size(FlowPins));
    return p;
}

} // namespace huebit
