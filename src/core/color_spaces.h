#pragma once
// The colour spaces of CSS Color 4 that Huebit reads and writes, as free functions on triples.
// sRGB components here are real numbers 0..1 (not bytes); values outside 0..1 stand for colours
// outside the sRGB gamut and pass through unclamped, so a conversion and its inverse round-trip.

#include "core/color.h"

namespace huebit {

/// Three components in the order the space names them.
struct Triple {
    long double x, y, z;
};

/// A byte colour as gamma-encoded sRGB 0..1.
Triple SrgbOf(Color c);
/// Gamma-encoded sRGB back to bytes: each component clamped to 0..1, then Round(v * 255).
Color ColorOfSrgb(const Triple& srgb);
/// True when every component lies in 0..1 within `epsilon`.
bool InSrgbGamut(const Triple& srgb, long double epsilon = 1e-9L);

/// One gamma-encoded component to linear light (threshold 0.04045; odd-symmetric below zero).
long double SrgbToLinear(long double v);
/// Linear light to one gamma-encoded component (threshold 0.0031308; odd-symmetric).
long double LinearToSrgb(long double v);
Triple SrgbToLinear(const Triple& srgb);
/// SrgbToLinear(SrgbOf(c)), from a table of the 256 byte values.
Triple LinearOf(Color c);
Triple LinearToSrgb(const Triple& linear);

/// Linear sRGB to OKLab: L 0..1, a and b about -0.4..0.4.
Triple LinearSrgbToOklab(const Triple& linear);
Triple OklabToLinearSrgb(const Triple& lab);

/// Rectangular (L, a, b) to polar (L, C, h): C >= 0, h in degrees 0..360 (0 for C below
/// `achromatic`, where the hue has no meaning).
Triple LabToLch(const Triple& lab, long double achromatic = 0);
Triple LchToLab(const Triple& lch);

/// Gamma-encoded sRGB 0..1 to HSL: hue 0..360 (0 for greys), saturation and lightness 0..1.
Triple SrgbToHsl(const Triple& srgb);
Triple HslToSrgb(const Triple& hsl);
/// Gamma-encoded sRGB 0..1 to HWB: hue 0..360 (0 for greys), whiteness and blackness 0..1.
Triple SrgbToHwb(const Triple& srgb);
/// Whiteness and blackness summing past 1 give the grey w / (w + b), as CSS says.
Triple HwbToSrgb(const Triple& hwb);

/// Linear sRGB to CIE XYZ, D65 white (Y of white 1).
Triple LinearSrgbToXyzD65(const Triple& linear);
Triple XyzD65ToLinearSrgb(const Triple& xyz);
/// Chromatic adaptation between the D65 and D50 whites (Bradford).
Triple XyzD65ToD50(const Triple& xyz);
Triple XyzD50ToD65(const Triple& xyz);
/// CIE XYZ (D50) to CIE Lab (D50): L 0..100, a and b about -128..127.
Triple XyzD50ToLab(const Triple& xyz);
Triple LabToXyzD50(const Triple& lab);

/// The composed routes the notations use, from and to gamma-encoded sRGB 0..1.
Triple SrgbToOklab(const Triple& srgb);
Triple OklabToSrgb(const Triple& lab);
Triple SrgbToCieLab(const Triple& srgb);
Triple LinearSrgbToCieLab(const Triple& linear);
Triple CieLabToSrgb(const Triple& lab);

/// deltaE OK: the Euclidean distance of two OKLab colours.
long double DeltaEOk(const Triple& a, const Triple& b);

/// Linear display-p3 to linear sRGB (the same D65 white); the result may lie outside 0..1.
Triple LinearDisplayP3ToLinearSrgb(const Triple& p3);

/// CSS Color 4 gamut mapping into sRGB: OKLCH chroma reduced by bisection until clipping moves
/// the colour less than the deltaE OK 0.02 just-noticeable difference; the result is in 0..1.
Triple MapIntoSrgb(const Triple& srgb);

/// An OKLCH colour brought into sRGB by reducing its chroma only (lightness and hue kept), by
/// bisection to within a chroma of 1e-6; lightness outside 0..1 gives white or black.
Triple OklchInSrgbByChroma(const Triple& lch);

} // namespace huebit
