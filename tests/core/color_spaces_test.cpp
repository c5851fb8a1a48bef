#include "core/color_spaces.h"

#include <gtest/gtest.h>

#include <functional>

namespace huebit {
namespace {

struct Published {
    const char* what;
    Color colour;
    Triple (*convert)(const Triple&);
    Triple want;
    long double tolerance; // half a unit of the last digit published
};

Triple Oklch(const Triple& s) {
    return LabToLch(SrgbToOklab(s));
}
Triple CieLch(const Triple& s) {
    return LabToLch(SrgbToCieLab(s));
}
Triple HslPercent(const Triple& s) {
    const Triple h = SrgbToHsl(s);
    return {h.x, h.y * 100, h.z * 100};
}
Triple HwbPercent(const Triple& s) {
    const Triple h = SrgbToHwb(s);
    return {h.x, h.y * 100, h.z * 100};
}

// Figures published for these colours (CSS Color 4's examples, the OKLab author's tables, the
// CIE Lab D50 values of the sRGB primaries) and the ones our issue pins for #8857F9.
TEST(ColorSpaces, PublishedFigures) {
    const Color sample = RGB(0x88, 0x57, 0xF9);
    const Published cases[] = {
        {"hsl #8857F9", sample, HslPercent, {258.1L, 93.1L, 65.9L}, 0.05L},
        {"hwb #8857F9", sample, HwbPercent, {258.1L, 34.1L, 2.4L}, 0.05L},
        {"oklab #8857F9", sample, SrgbToOklab, {0.598L, 0.085L, -0.212L}, 0.0005L},
        {"oklch #8857F9", sample, Oklch, {0.598L, 0.229L, 291.9L}, 0.05L},
        {"lab #8857F9", sample, SrgbToCieLab, {49.56L, 48.35L, -75.32L}, 0.005L},
        {"lch #8857F9", sample, CieLch, {49.56L, 89.5L, 302.7L}, 0.05L},
        {"oklch red", RGB(255, 0, 0), Oklch, {0.62796L, 0.25768L, 29.2339L}, 0.0005L},
        {"oklch green", RGB(0, 255, 0), Oklch, {0.86644L, 0.29483L, 142.4953L}, 0.0005L},
        {"oklch blue", RGB(0, 0, 255), Oklch, {0.45201L, 0.31321L, 264.052L}, 0.0005L},
        {"lab red", RGB(255, 0, 0), SrgbToCieLab, {54.29L, 80.81L, 69.89L}, 0.02L},
        {"lab white", RGB(255, 255, 255), SrgbToCieLab, {100, 0, 0}, 0.0005L},
        {"oklab white", RGB(255, 255, 255), SrgbToOklab, {1, 0, 0}, 0.00005L},
        {"hsl grey", RGB(128, 128, 128), HslPercent, {0, 0, 50.196L}, 0.0005L},
    };
    for (const Published& c : cases) {
        const Triple got = c.convert(SrgbOf(c.colour));
        EXPECT_NEAR(double(got.x), double(c.want.x), double(c.tolerance)) << c.what;
        EXPECT_NEAR(double(got.y), double(c.want.y), double(c.tolerance)) << c.what;
        EXPECT_NEAR(double(got.z), double(c.want.z), double(c.tolerance)) << c.what;
    }
}

// Every route and its inverse give the colour back, over a lattice of the cube that holds its
// corners, edges and greys.
TEST(ColorSpaces, EveryRouteRoundTrips) {
    using Route = std::function<Triple(const Triple&)>;
    const std::pair<Route, Route> routes[] = {
        {SrgbToHsl, HslToSrgb},
        {SrgbToHwb, HwbToSrgb},
        {SrgbToOklab, OklabToSrgb},
        {SrgbToCieLab, CieLabToSrgb},
        {[](const Triple& s) { return LabToLch(SrgbToOklab(s)); },
         [](const Triple& t) { return OklabToSrgb(LchToLab(t)); }},
    };
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const Color c = RGB(r, g, b);
                for (const auto& [to, back] : routes) {
                    const Triple s = back(to(SrgbOf(c)));
                    ASSERT_EQ(ColorOfSrgb(s), c) << r << ' ' << g << ' ' << b;
                    ASSERT_NEAR(double(s.x), r / 255.0, 1e-9);
                }
            }
}

// The quick roots the sweeps rely on keep the last bits and the ends of the range: the byte
// table equals the formula, and values past double's range (which a typed input can reach)
// still come back through OKLab and the sRGB encoding.
TEST(ColorSpaces, FastPathsKeepTheFormulasValues) {
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(LinearOf(RGB(v, v, v)).x, SrgbToLinear(v / 255.0L)) << v;
    for (long double x : {1e-400L, 1e-320L, 3e-9L, 0.0031309L, 0.5L, 1.0L, 7.0L, 1e310L}) {
        SCOPED_TRACE(double(x));
        const Triple back = OklabToLinearSrgb(LinearSrgbToOklab({x, x, x}));
        EXPECT_NEAR(double(back.y / x), 1.0, 1e-12);
        EXPECT_NEAR(double(SrgbToLinear(LinearToSrgb(x)) / x), 1.0, 1e-15);
        EXPECT_NEAR(double(SrgbToLinear(LinearToSrgb(-x)) / -x), 1.0, 1e-15);
    }
}

TEST(ColorSpaces, GreysHaveHueZeroAndNoChroma) {
    for (int v = 0; v < 256; ++v) {
        const Triple s = SrgbOf(RGB(v, v, v));
        EXPECT_EQ(SrgbToHsl(s).x, 0) << v;
        EXPECT_EQ(SrgbToHsl(s).y, 0) << v;
        EXPECT_EQ(SrgbToHwb(s).x, 0) << v;
        const Triple lch = LabToLch(SrgbToOklab(s), 1e-6L);
        EXPECT_LT(lch.y, 1e-6L) << v;
        EXPECT_EQ(lch.z, 0) << v;
    }
}

TEST(ColorSpaces, HwbPastOneIsGrey) {
    const Triple s = HwbToSrgb({120, 0.6L, 0.6L});
    EXPECT_DOUBLE_EQ(double(s.x), 0.5);
    EXPECT_DOUBLE_EQ(double(s.y), 0.5);
    EXPECT_DOUBLE_EQ(double(s.z), 0.5);
}

// Outside sRGB only the chroma gives way: lightness and hue stay, and the result is in gamut.
TEST(ColorSpaces, ChromaReductionKeepsLightnessAndHue) {
    const Triple cases[] = {
        {0.7L, 0.4L, 30}, {0.5L, 0.37L, 264}, {0.9L, 0.3L, 142}, {0.2L, 0.2L, 0}};
    for (const Triple& want : cases) {
        const Triple s = OklchInSrgbByChroma(want);
        EXPECT_TRUE(InSrgbGamut(s));
        const Triple got = LabToLch(SrgbToOklab(s));
        EXPECT_NEAR(double(got.x), double(want.x), 1e-5);
        EXPECT_NEAR(double(got.z), double(want.z), 0.05);
        EXPECT_LT(got.y, want.y);
    }
    const Triple inside = OklchInSrgbByChroma({0.598L, 0.1L, 291.9L});
    EXPECT_NEAR(double(LabToLch(SrgbToOklab(inside)).y), 0.1, 1e-12);
    EXPECT_EQ(ColorOfSrgb(OklchInSrgbByChroma({1.2L, 0.1L, 0})), RGB(255, 255, 255));
    EXPECT_EQ(ColorOfSrgb(OklchInSrgbByChroma({-0.1L, 0.1L, 0})), RGB(0, 0, 0));
}

} // namespace
} // namespace huebit
