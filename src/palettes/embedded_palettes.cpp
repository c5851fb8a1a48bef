#include "palettes/embedded_palettes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace huebit {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// A fully saturated colour of `hue` degrees between `low` and `high`, the middle component
// varying linearly with the hue.
void saturated(long double hue, long double low, long double high, long double out[3]) {
    hue = std::fmod(hue, 360.0L);
    if (hue < 0) hue += 360;
    const int sector = int(hue / 60) % 6;
    const long double f = hue / 60 - std::floor(hue / 60);
    const long double rising = low + (high - low) * f;
    const long double falling = high - (high - low) * f;
    const long double rgb[6][3] = {{high, rising, low}, {falling, high, low},
                                   {low, high, rising}, {low, falling, high},
                                   {rising, low, high}, {high, low, falling}};
    std::copy(rgb[sector], rgb[sector] + 3, out);
}

// Ties to even through lrint under the default rounding mode: Round's result without a library
// call per component, which was most of the cost of drawing the palettes.
Color fromReals(const long double c[3]) {
    return RGB(ClampByte(std::lrint(c[0])), ClampByte(std::lrint(c[1])),
               ClampByte(std::lrint(c[2])));
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

// The measured ring runs up to a degree and a half behind the geometric angle, by an amount
// that varies smoothly around the circle. This short series in the angle a (given by its cosine
// and sine) is that lag; it puts the measured pixels (64, 8), (20, 30), (8, 64), (64, 120) and
// (120, 64) on the curve itself.
long double ringHueLag(long double cosA, long double sinA) {
    const long double cos2A = cosA * cosA - sinA * sinA, sin2A = 2 * sinA * cosA;
    return -0.735L + 0.503L * cosA - 0.1184L * sinA - 0.0652L * cos2A - 0.4818L * sin2A;
}

// The flow palette's rows, as smooth functions of the row angle 2 pi y / 128 (one turn of hue
// down the picture, so row 127 meets row 0 again). The constants make the measured pixels fall
// on the curves: the column-60 colours of rows 0, 32, 64 and 96 and the ramp samples of rows
// 0 and 64 (columns 32, 88 and 30, 90).
struct FlowRow {
    long double c60[3]; ///< the saturated colour of column 60, unrounded
    long double u[3];   ///< where each component lies between the row's smallest and largest
    long double darkRise, darkSag, lightRise, lightSag;
};

FlowRow flowRow(int y) {
    const long double a = 2 * Pi * y / 128;
    // The hue lags a little behind 2.8125 degrees a row; the smallest component is 0 near red
    // and 1 elsewhere; the largest is 254, dimming to 251 towards cyan.
    const long double hue = 360.0L * y / 128 - 0.46L + 0.1525L * std::cos(a) -
                            0.0375L * std::sin(a) + 0.1325L * std::cos(2 * a);
    const long double low = 0.7L - 0.45L * std::cos(a);
    const long double high = 254 - 3 * std::exp(-std::pow((hue - 180) / 24, 2.0L));
    FlowRow r;
    saturated(hue, low, high, r.c60);
    for (int k = 0; k < 3; ++k)
        r.u[k] = (r.c60[k] - low) / (high - low);
    // Each ramp eases the colour towards grey in its middle: the smaller components rise, the
    // larger sag. Amplitudes blend from row 0's to row 64's and back.
    const auto blendRows = [a](long double top, long double middle) {
        return (top + middle) / 2 + (top - middle) / 2 * std::cos(a);
    };
    r.darkRise = blendRows(8.74L, 8.42L);
    r.darkSag = blendRows(8.51L, 7.56L);
    r.lightRise = blendRows(8.71L, 6.51L);
    r.lightSag = blendRows(11.05L, 9.13L);
    return r;
}

// How far the ramp eases at column x: a half sine on the dark side; on the light side a later,
// narrower bump whose top is at column 94, where the largest component dips to 243-244.
std::array<long double, 120> flowEasing() {
    std::array<long double, 120> e{};
    for (int x = 0; x < 120; ++x) {
        if (x <= 60) {
            e[x] = std::sin(Pi * x / 60);
        } else if (x < 119) {
            const long double t = (x - 60) / 59.0L;
            e[x] = std::pow(std::sin(Pi * std::pow(t, 1.2614L)), 4.4L);
        }
    }
    return e;
}

} // namespace

PixelBuffer MakeTilePalette() {
    PixelBuffer p(256, 128);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            p.setPixel(
                x, y, RGB(8 * (x % 32) + 7, 8 * (y % 32) + 7, 8 * (x / 32 + 1) * (y / 32 + 1) - 1));
        }
    }
    return p;
}

PixelBuffer MakeGreyPalette() {
    PixelBuffer p(12, 128);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 12; ++x)
            p.setPixel(x, y, grey(254 - 2 * y + (x >= 6 ? 1 : 0)));
    }
    return p;
}

PixelBuffer MakeRingPalette() {
    PixelBuffer p(128, 128);
    constexpr long double Inner = 49, Outer = 62.5L;
    for (int y = 0; y < 128; ++y) {
        // Inside grey 290 1/3 - 2 7/12 y (239 at row 20, 125 at row 64, 11 at row 108),
        // outside 254 - 2y; both equal across a row.
        const Color inside = grey(Round((3484.0L - 31 * y) / 12));
        const Color outside = grey(254 - 2 * y);
        for (int x = 0; x < 128; ++x) {
            // Twice the offsets from the centre (63.5, 63.5) are integers, so the greys clear of
            // the blended edges (d < 48.5, d >= 63) are told apart exactly and cheaply.
            const int dx2 = 2 * x - 127, dy2 = 2 * y - 127;
            const int dd4 = dx2 * dx2 + dy2 * dy2;
            if (dd4 < 97 * 97) {
                p.setPixel(x, y, inside);
                continue;
            }
            if (dd4 >= 126 * 126) {
                p.setPixel(x, y, outside);
                continue;
            }
            const long double dx = dx2 / 2.0L, dy = dy2 / 2.0L;
            const long double d = std::sqrt((long double)dd4) / 2;
            // The angle counter-clockwise from straight up: red at the top, 90 at the left.
            const long double angle = std::atan2(-dx, -dy) * 180 / Pi;
            const long double hue = angle + ringHueLag(-dy / d, -dx / d);
            long double rgb[3];
            saturated(hue, 8, 232, rgb);
            const Color ring = fromReals(rgb);
            Color c = ring;
            if (d < Inner + 0.5L)
                c = blend(inside, ring, std::clamp(d - (Inner - 0.5L), 0.0L, 1.0L));
            if (d > Outer - 0.5L)
                c = blend(ring, outside, std::clamp(d - (Outer - 0.5L), 0.0L, 1.0L));
            p.setPixel(x, y, c);
        }
    }
    return p;
}

PixelBuffer MakeFlowPalette() {
    PixelBuffer p(120, 128);
    const std::array<long double, 120> easing = flowEasing();
    for (int y = 0; y < 128; ++y) {
        const FlowRow r = flowRow(y);
        for (int x = 0; x < 120; ++x) {
            long double out[3];
            for (int k = 0; k < 3; ++k) {
                const long double straight =
                    x <= 60 ? r.c60[k] * x / 60 : r.c60[k] + (255 - r.c60[k]) * (x - 60) / 59;
                const long double rise = x <= 60 ? r.darkRise : r.lightRise;
                const long double sag = x <= 60 ? r.darkSag : r.lightSag;
                out[k] = straight + easing[x] * (rise * (1 - r.u[k]) - sag * r.u[k]);
            }
            p.setPixel(x, y, fromReals(out));
        }
    }
    return p;
}

} // namespace huebit
