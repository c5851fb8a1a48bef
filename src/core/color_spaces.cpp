#include "core/color_spaces.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace huebit {
namespace {

struct M3 {
    long double m[3][3];
};

Triple Mul(const M3& a, const Triple& v) {
    const auto& m = a.m;
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

M3 Mul(const M3& a, const M3& b) {
    M3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r.m[i][j] += a.m[i][k] * b.m[k][j];
    return r;
}

M3 Inverse(const M3& a) {
    const auto& m = a.m;
    const long double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                            m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                            m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    M3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            // Cofactor of (j, i), by the cyclic rule.
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            r.m[i][j] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    return r;
}

M3 Diagonal(const Triple& d) {
    return {{{d.x, 0, 0}, {0, d.y, 0}, {0, 0, d.z}}};
}

Triple WhiteOf(long double x, long double y) {
    return {x / y, 1, (1 - x - y) / y};
}

// The matrices are derived as CSS Color 4 derives them, from the sRGB primaries and the two
// whites, and each inverse is computed from its forward matrix, so that a route and its way back
// meet to the last bits.
M3 DeriveRgbToXyz(const Triple& r, const Triple& g, const Triple& b) {
    const M3 primaries{{{r.x, g.x, b.x}, {r.y, g.y, b.y}, {r.z, g.z, b.z}}};
    const Triple scale = Mul(Inverse(primaries), WhiteOf(0.3127L, 0.3290L));
    return Mul(primaries, Diagonal(scale));
}

M3 DeriveBradford(const Triple& from, const Triple& to) {
    const M3 cone{
        {{0.8951L, 0.2664L, -0.1614L}, {-0.7502L, 1.7135L, 0.0367L}, {0.0389L, -0.0685L, 1.0296L}}};
    const Triple f = Mul(cone, from), t = Mul(cone, to);
    return Mul(Inverse(cone), Mul(Diagonal({t.x / f.x, t.y / f.y, t.z / f.z}), cone));
}

struct Matrices {
    M3 linearSrgbToXyz, xyzToLinearSrgb, d65ToD50, d50ToD65;
    M3 linearSrgbToLms, lmsToLinearSrgb, lmsToOklab, oklabToLms;
    M3 linearP3ToLinearSrgb;
};

const Matrices& Mat() {
    static const Matrices m = [] {
        Matrices r;
        r.linearSrgbToXyz =
            DeriveRgbToXyz(WhiteOf(0.64L, 0.33L), WhiteOf(0.30L, 0.60L), WhiteOf(0.15L, 0.06L));
        r.xyzToLinearSrgb = Inverse(r.linearSrgbToXyz);
        r.d65ToD50 = DeriveBradford(WhiteOf(0.3127L, 0.3290L), WhiteOf(0.3457L, 0.3585L));
        r.d50ToD65 = Inverse(r.d65ToD50);
        // OKLab straight from linear sRGB, as its author publishes it.
        r.linearSrgbToLms = {{{0.4122214708L, 0.5363325363L, 0.0514459929L},
                              {0.2119034982L, 0.6806995451L, 0.1073969566L},
                              {0.0883024619L, 0.2817188376L, 0.6299787005L}}};
        r.lmsToOklab = {{{0.2104542553L, 0.7936177850L, -0.0040720468L},
                         {1.9779984951L, -2.4285922050L, 0.4505937099L},
                         {0.0259040371L, 0.7827717662L, -0.8086757660L}}};
        r.lmsToLinearSrgb = Inverse(r.linearSrgbToLms);
        r.oklabToLms = Inverse(r.lmsToOklab);
        r.linearP3ToLinearSrgb = Mul(
            r.xyzToLinearSrgb,
            DeriveRgbToXyz(WhiteOf(0.68L, 0.32L), WhiteOf(0.265L, 0.69L), WhiteOf(0.15L, 0.06L)));
        return r;
    }();
    return m;
}

const Triple D50White = WhiteOf(0.3457L, 0.3585L);
constexpr long double LabEpsilon = 216.0L / 24389.0L;
constexpr long double LabKappa = 24389.0L / 27.0L;

constexpr long double Degrees = 180.0L / std::numbers::pi_v<long double>;

// The cube root to the last bits of long double: the double root refined by one Newton step,
// which doubles its 53 good bits. glibc's cbrtl is several times slower, and reading a CSS colour
// back takes up to six of them.
long double Cbrt(long double v) {
    if (v == 0 || !std::isfinite(v)) return v;
    // Outside double's normal range (a typed input can get there) the slow root is the right one.
    const long double a = std::fabs(v);
    if (a < std::numeric_limits<double>::min() || a > std::numeric_limits<double>::max())
        return std::cbrt(v);
    const long double y = std::cbrt(double(v));
    return y - (y * y * y - v) / (3 * y * y);
}

Triple Clip(const Triple& s) {
    const auto c = [](long double v) { return v < 0 ? 0 : v > 1 ? 1 : v; };
    return {c(s.x), c(s.y), c(s.z)};
}

// fmod(x, period) for x >= 0. Within two periods the subtraction is exact (Sterbenz), so it
// gives fmod's own value without fmodl's cost, which a sweep of every colour pays several times
// a colour.
long double Wrap(long double x, long double period) {
    if (x < period) return x;
    if (x < 2 * period) return x - period;
    return std::fmod(x, period);
}

long double Hue360(long double h) {
    h = h < 0 ? std::fmod(h, 360.0L) : Wrap(h, 360);
    return h < 0 ? h + 360.0L : h;
}

// The hue of HSL and HWB from the largest and smallest component.
long double HexconeHue(const Triple& c, long double max, long double min) {
    const long double d = max - min;
    if (d == 0) return 0;
    long double h;
    if (max == c.x)
        h = (c.y - c.z) / d + (c.y < c.z ? 6 : 0);
    else if (max == c.y)
        h = (c.z - c.x) / d + 2;
    else
        h = (c.x - c.y) / d + 4;
    return Hue360(h * 60);
}

} // namespace

Triple SrgbOf(Color c) {
    return {GetRValue(c) / 255.0L, GetGValue(c) / 255.0L, GetBValue(c) / 255.0L};
}

Color ColorOfSrgb(const Triple& srgb) {
    const auto byte = [](long double v) { return Round((v < 0 ? 0 : v > 1 ? 1 : v) * 255.0L); };
    return RGB(byte(srgb.x), byte(srgb.y), byte(srgb.z));
}

bool InSrgbGamut(const Triple& s, long double e) {
    return s.x >= -e && s.x <= 1 + e && s.y >= -e && s.y <= 1 + e && s.z >= -e && s.z <= 1 + e;
}

long double SrgbToLinear(long double v) {
    const long double a = std::fabs(v);
    const long double lin = a <= 0.04045L ? a / 12.92L : std::pow((a + 0.055L) / 1.055L, 2.4L);
    return v < 0 ? -lin : lin;
}

long double LinearToSrgb(long double v) {
    const long double a = std::fabs(v);
    if (a <= 0.0031308L) return v * 12.92L;
    // a^(1/2.4) = (a^(1/12))^5 with a^(1/12) = cbrt(sqrt(sqrt(a))): within a few units in the
    // last place of powl, and several times faster, which every colour a CSS text is read into
    // pays three times.
    const long double root = Cbrt(std::sqrt(std::sqrt(a)));
    const long double square = root * root;
    const long double enc = 1.055L * (square * square * root) - 0.055L;
    return v < 0 ? -enc : enc;
}

Triple SrgbToLinear(const Triple& s) {
    return {SrgbToLinear(s.x), SrgbToLinear(s.y), SrgbToLinear(s.z)};
}
Triple LinearOf(Color c) {
    static const std::array<long double, 256> table = [] {
        std::array<long double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = SrgbToLinear(i / 255.0L);
        return t;
    }();
    return {table[GetRValue(c)], table[GetGValue(c)], table[GetBValue(c)]};
}

Triple LinearToSrgb(const Triple& l) {
    return {LinearToSrgb(l.x), LinearToSrgb(l.y), LinearToSrgb(l.z)};
}

Triple LinearSrgbToOklab(const Triple& linear) {
    const Triple lms = Mul(Mat().linearSrgbToLms, linear);
    return Mul(Mat().lmsToOklab, Triple{Cbrt(lms.x), Cbrt(lms.y), Cbrt(lms.z)});
}

Triple OklabToLinearSrgb(const Triple& lab) {
    const Triple c = Mul(Mat().oklabToLms, lab);
    return Mul(Mat().lmsToLinearSrgb, Triple{c.x * c.x * c.x, c.y * c.y * c.y, c.z * c.z * c.z});
}

Triple LabToLch(const Triple& lab, long double achromatic) {
    const long double c = std::hypot(lab.y, lab.z);
    const long double h = c <= achromatic ? 0 : Hue360(std::atan2(lab.z, lab.y) * Degrees);
    return {lab.x, c, h};
}

Triple LchToLab(const Triple& lch) {
    const long double h = lch.z / Degrees;
    return {lch.x, lch.y * std::cos(h), lch.y * std::sin(h)};
}

Triple SrgbToHsl(const Triple& s) {
    const long double max = std::fmax(s.x, std::fmax(s.y, s.z));
    const long double min = std::fmin(s.x, std::fmin(s.y, s.z));
    const long double l = (max + min) / 2;
    const long double d = max - min;
    const long double sat = (l == 0 || l == 1) ? 0 : d / (1 - std::fabs(2 * l - 1));
    return {HexconeHue(s, max, min), sat, l};
}

Triple HslToSrgb(const Triple& hsl) {
    const long double h = Hue360(hsl.x), sat = hsl.y, l = hsl.z;
    const auto f = [&](int n) {
        const long double k = Wrap(n + h / 30, 12);
        const long double a = sat * std::fmin(l, 1 - l);
        return l - a * std::fmax(-1.0L, std::fmin(std::fmin(k - 3, 9 - k), 1.0L));
    };
    return {f(0), f(8), f(4)};
}

Triple SrgbToHwb(const Triple& s) {
    const long double max = std::fmax(s.x, std::fmax(s.y, s.z));
    const long double min = std::fmin(s.x, std::fmin(s.y, s.z));
    return {HexconeHue(s, max, min), min, 1 - max};
}

Triple HwbToSrgb(const Triple& hwb) {
    const long double w = hwb.y, b = hwb.z;
    if (w + b >= 1) {
        const long double grey = w / (w + b);
        return {grey, grey, grey};
    }
    const Triple pure = HslToSrgb({hwb.x, 1, 0.5L});
    const auto mix = [&](long double v) { return v * (1 - w - b) + w; };
    return {mix(pure.x), mix(pure.y), mix(pure.z)};
}

Triple LinearSrgbToXyzD65(const Triple& linear) {
    return Mul(Mat().linearSrgbToXyz, linear);
}
Triple XyzD65ToLinearSrgb(const Triple& xyz) {
    return Mul(Mat().xyzToLinearSrgb, xyz);
}
Triple XyzD65ToD50(const Triple& xyz) {
    return Mul(Mat().d65ToD50, xyz);
}
Triple XyzD50ToD65(const Triple& xyz) {
    return Mul(Mat().d50ToD65, xyz);
}

Triple XyzD50ToLab(const Triple& xyz) {
    const auto f = [](long double v) {
        return v > LabEpsilon ? Cbrt(v) : (LabKappa * v + 16) / 116;
    };
    const long double fx = f(xyz.x / D50White.x), fy = f(xyz.y / D50White.y),
                      fz = f(xyz.z / D50White.z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Triple LabToXyzD50(const Triple& lab) {
    const long double fy = (lab.x + 16) / 116;
    const long double fx = lab.y / 500 + fy, fz = fy - lab.z / 200;
    const auto inv = [](long double f) {
        const long double cube = f * f * f;
        return cube > LabEpsilon ? cube : (116 * f - 16) / LabKappa;
    };
    const long double y = lab.x > LabKappa * LabEpsilon ? fy * fy * fy : lab.x / LabKappa;
    return {inv(fx) * D50White.x, y * D50White.y, inv(fz) * D50White.z};
}

Triple SrgbToOklab(const Triple& srgb) {
    return LinearSrgbToOklab(SrgbToLinear(srgb));
}
Triple OklabToSrgb(const Triple& lab) {
    return LinearToSrgb(OklabToLinearSrgb(lab));
}

Triple SrgbToCieLab(const Triple& srgb) {
    return LinearSrgbToCieLab(SrgbToLinear(srgb));
}
Triple LinearSrgbToCieLab(const Triple& linear) {
    return XyzD50ToLab(XyzD65ToD50(LinearSrgbToXyzD65(linear)));
}

Triple CieLabToSrgb(const Triple& lab) {
    return LinearToSrgb(XyzD65ToLinearSrgb(XyzD50ToD65(LabToXyzD50(lab))));
}

long double DeltaEOk(const Triple& a, const Triple& b) {
    const long double dl = a.x - b.x, da = a.y - b.y, db = a.z - b.z;
    return std::sqrt(dl * dl + da * da + db * db);
}

Triple LinearDisplayP3ToLinearSrgb(const Triple& p3) { return Mul(Mat().linearP3ToLinearSrgb, p3); }

Triple MapIntoSrgb(const Triple& srgb) {
    if (InSrgbGamut(srgb, 1e-7L)) return Clip(srgb);
    const Triple origin = LabToLch(SrgbToOklab(srgb));
    if (origin.x >= 1) return {1, 1, 1};
    if (origin.x <= 0) return {0, 0, 0};
    constexpr long double Jnd = 0.02L, Epsilon = 0.0001L;
    const auto oklabOf = [](const Triple& s) { return SrgbToOklab(s); };
    Triple current = origin;
    Triple clipped = Clip(OklabToSrgb(LchToLab(current)));
    if (DeltaEOk(oklabOf(clipped), LchToLab(current)) < Jnd) return clipped;
    long double min = 0, max = origin.y;
    bool minInGamut = true;
    while (max - min > Epsilon) {
        const long double chroma = (min + max) / 2;
        current.y = chroma;
        const Triple s = OklabToSrgb(LchToLab(current));
        if (minInGamut && InSrgbGamut(s, 1e-7L)) {
            min = chroma;
            continue;
        }
        clipped = Clip(s);
        const long double e = DeltaEOk(oklabOf(clipped), LchToLab(current));
        if (e < Jnd) {
            if (Jnd - e < Epsilon) return clipped;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clipped;
}

Triple OklchInSrgbByChroma(const Triple& lch) {
    if (lch.x >= 1) return {1, 1, 1};
    if (lch.x <= 0) return {0, 0, 0};
    const auto srgbAt = [&](long double c) { return OklabToSrgb(LchToLab({lch.x, c, lch.z})); };
    if (InSrgbGamut(srgbAt(lch.y))) return srgbAt(lch.y);
    long double lo = 0, hi = lch.y;
    while (hi - lo > 1e-6L) {
        const long double mid = (lo + hi) / 2;
        (InSrgbGamut(srgbAt(mid)) ? lo : hi) = mid;
    }
    const Triple s = srgbAt(lo);
    // The grey axis of OKLab lies a hair off sRGB's: clamp what the bisection leaves over.
    const auto clamp = [](long double v) { return v < 0 ? 0 : v > 1 ? 1 : v; };
    return {clamp(s.x), clamp(s.y), clamp(s.z)};
}

} // namespace huebit
