#pragma once
// Colour values and the pure conversions every other piece of Huebit uses.
//
// Numeric policy: expressions are evaluated in `long double` (80-bit on x86-64) and stored to
// `double` only where a value is kept. Round is ties-to-even, Trunc is toward zero. A few
// results depend on this (a 60 % grey is 152, not 153), so no float or double shortcut here.

#include <cstdint>

namespace huebit {

/// 0x00BBGGRR: red in bits 0-7, green 8-15, blue 16-23, the top byte zero.
using Color = std::uint32_t;

/// The window colour (225, 225, 255), also the fill of empty swatch slots.
constexpr Color EmptySlotColor = 0xFFE1E1;

/// Packs three components; each argument is cut to its low 8 bits.
constexpr Color RGB(int r, int g, int b) {
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int GetRValue(Color c) { return int(c & 0xFF); }
constexpr int GetGValue(Color c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(Color c) { return int((c >> 16) & 0xFF); }

/// 0 for negatives, 255 for 256 and above, else the value.
constexpr int ClampByte(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : int(v)); }

/// Nearest integer, ties to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
int Round(long double x);
/// Toward zero.
int Trunc(long double x);

/// Widths of the component bars in pixels.
constexpr int RgbBarWidth = 190;
constexpr int HsvBarWidth = 243;

/// Fill of a W-wide bar for component v (0-255): Round(v*W/255).
int BarFillFromComponent(int v, int width);
/// Component read back from a fill: Round(w*255/W); some values come back one step off.
int ComponentFromBarFill(int fill, int width);
/// Fill for a real hue in degrees: Round(W*h/360).
int HueFillFromHue(double hueDegrees, int width);
/// Fill for an integer hue readout: Round(H*W/360).
int HueFillFromReadout(int hue, int width);
/// Hue readout under a fill: Round(w*360/W).
int HueReadoutFromFill(int fill, int width);
/// Fill for a real fraction 0..1: Round(W*s).
int PercentFillFromFraction(double fraction, int width);
/// Fill for a percent readout: Round(S*W/100).
int PercentFillFromReadout(int percent, int width);
/// Percent readout under a fill: Round(w*100/W).
int PercentReadoutFromFill(int fill, int width);
/// w/W as a stored double.
double BarFraction(int fill, int width);

struct Hsv {
    double hue;        ///< degrees 0..360; pure red is 360
    double saturation; ///< 0..1
    double value;      ///< 0..1
};

/// Integer readout of an HSV triple: H 0-360, S 0-100, V 0-100.
struct HsvReadout {
    int h, s, v;
    bool operator==(const HsvReadout&) const = default;
};

Hsv RgbToHsv(int r, int g, int b);
HsvReadout HsvReadoutOf(const Hsv& hsv);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

/// hue as a fraction of a turn, saturation and value 0..1; components truncated, never rounded.
Rgb HsvToRgb(double hueFraction, double saturation, double value);

/// Round(0.3r + 0.59g + 0.11b) in extended precision.
int GreyEquivalent(Color c);

constexpr Color Complement(Color c) { return c ^ 0xFFFFFF; }
constexpr Color PlusGrey(Color c) { return c ^ 0x7F7F7F; }
constexpr Color ComplementPlusGrey(Color c) { return PlusGrey(Complement(c)); }

} // namespace huebit
