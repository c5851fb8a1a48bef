#include "core/color.h"

#include <algorithm>
#include <cmath>

namespace huebit {

// rint rounds as nearbyint does under the default mode; it only may raise "inexact", and it
// does not save and restore the floating-point environment, which made Round the slowest step
// of a sweep over every colour.
int Round(long double x) { return int(std::rint(x)); }
int Trunc(long double x) { return int(std::truncl(x)); }

int BarFillFromComponent(int v, int width) { return Round((long double)(v * width) / 255); }
int ComponentFromBarFill(int fill, int width) { return Round((long double)(fill * 255) / width); }
int HueFillFromHue(double hueDegrees, int width) {
    return Round((long double)width * hueDegrees / 360);
}
int HueFillFromReadout(int hue, int width) { return Round((long double)(hue * width) / 360); }
int HueReadoutFromFill(int fill, int width) { return Round((long double)(fill * 360) / width); }
int PercentFillFromFraction(double fraction, int width) {
    return Round((long double)width * fraction);
}
int PercentFillFromReadout(int percent, int width) {
    return Round((long double)(percent * width) / 100);
}
int PercentReadoutFromFill(int fill, int width) {
    return Round((long double)(fill * 100) / width);
}
double BarFraction(int fill, int width) { return double((long double)fill / width); }

Hsv RgbToHsv(int r, int g, int b) {
    const double R = double((long double)r / 255);
    const double G = double((long double)g / 255);
    const double B = double((long double)b / 255);
    const double max = std::max({R, G, B});
    const double min = std::min({R, G, B});
    const double s = max != 0 ? double(((long double)max - min) / max) : 0.0;
    double h = 0;
    if (s != 0) {
        // d stays in extended precision: stored as a double it loses the low bits that decide
        // exact ties, so (12, 43, 3) would read 107 instead of 106 (106.5 to even).
        const long double d = (long double)max - min;
        const double rc = double(((long double)max - R) / d);
        const double gc = double(((long double)max - G) / d);
        const double bc = double(((long double)max - B) / d);
        // Later tests override earlier ones; a pure red keeps 360 and never wraps to 0.
        if (R == max) h = double((6.0L + bc - gc) * 60);
        if (G == max) h = double((2.0L + rc - bc) * 60);
        if (B == max) h = double((4.0L + gc - rc) * 60);
        if (h < 0) h = double((long double)h + 360);
        if (h > 360) h = double((long double)h - 360);
    }
    return {h, s, max};
}

HsvReadout HsvReadoutOf(const Hsv& hsv) {
    return {Round(hsv.hue), Round((long double)hsv.saturation * 100),
            Round((long double)hsv.value * 100)};
}

Rgb HsvToRgb(double h, double s, double v) {
    auto byte = [](double x) { return Trunc((long double)x * 255); };
    if (s == 0) {
        const int grey = byte(v);
        return {grey, grey, grey};
    }
    const double h6 = double(((long double)h - Trunc(h)) * 6);
    const int i = Trunc(h6);
    const double f = double((long double)h6 - i);
    const double p = double((long double)v * (1.0L - s));
    const double q = double((long double)v * (1.0L - (long double)s * f));
    const double t = double((long double)v * (1.0L - (1.0L - f) * s));
    switch (i) {
    case 0: return {byte(v), byte(t), byte(p)};
    case 1: return {byte(q), byte(v), byte(p)};
    case 2: return {byte(p), byte(v), byte(t)};
    case 3: return {byte(p), byte(q), byte(v)};
    case 4: return {byte(t), byte(p), byte(v)};
    default: return {byte(v), byte(p), byte(q)};
    }
}

int GreyEquivalent(Color c) {
    return Round(0.3L * GetRValue(c) + 0.59L * GetGValue(c) + 0.11L * GetBValue(c));
}

} // namespace huebit
