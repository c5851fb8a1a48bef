#include "core/color.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(ColorPacking, RgbCutsArgumentsToLowByteAndUnpacks) {
    EXPECT_EQ(RGB(136, 87, 249), 0xF95788u);
    EXPECT_EQ(RGB(256 + 1, -1, 0x1FF), RGB(1, 255, 255));
    for (int v = 0; v < 256; ++v) {
        const Color c = RGB(v, 255 - v, v ^ 0x5A);
        EXPECT_EQ(GetRValue(c), v);
        EXPECT_EQ(GetGValue(c), 255 - v);
        EXPECT_EQ(GetBValue(c), v ^ 0x5A);
    }
}

TEST(ColorArithmetic, ClampRoundTrunc) {
    EXPECT_EQ(ClampByte(256), 255);
    EXPECT_EQ(ClampByte(-1), 0);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(0), 0);
    const std::pair<long double, int> ties[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {25.5L, 26},
                                                {76.5L, 76}, {-0.5L, 0}, {-1.5L, -2}};
    for (auto [x, want] : ties) EXPECT_EQ(Round(x), want) << double(x);
    EXPECT_EQ(Trunc(2.99L), 2);
    EXPECT_EQ(Trunc(-2.99L), -2);
}

TEST(ColorBars, RgbBarReadsBackByTiesToEven) {
    const std::pair<int, int> fills[] = {{19, 26}, {57, 76}, {95, 128}, {133, 178},
                                         {171, 230}, {189, 254}, {190, 255}, {0, 0}};
    for (auto [fill, value] : fills) EXPECT_EQ(ComponentFromBarFill(fill, 190), value) << fill;
    EXPECT_EQ(BarFillFromComponent(2, 190), 1);
    EXPECT_EQ(BarFillFromComponent(1, 190), 1);
    EXPECT_EQ(ComponentFromBarFill(1, 190), 1);
    EXPECT_EQ(BarFillFromComponent(6, 190), 4);
    EXPECT_EQ(ComponentFromBarFill(4, 190), 5);
}

// Every fill of both bar widths reads back as the exact product rounded half to even, and every
// component lands on a fill that reads back within one step.
TEST(ColorBars, EveryFillAndComponentSweep) {
    for (int width : {190, 243}) {
        for (int w = 0; w <= width; ++w) {
            const int num = w * 255;
            const int q = num / width, rem = num % width;
            int want = q + (2 * rem > width ? 1 : 0);
            if (2 * rem == width && q % 2 == 1) want = q + 1;
            EXPECT_EQ(ComponentFromBarFill(w, width), want) << w << "/" << width;
        }
        for (int v = 0; v < 256; ++v) {
            const int fill = BarFillFromComponent(v, width);
            EXPECT_GE(fill, 0);
            EXPECT_LE(fill, width);
            EXPECT_LE(std::abs(ComponentFromBarFill(fill, width) - v), 1) << v;
        }
    }
    EXPECT_EQ(HueReadoutFromFill(243, 243), 360);
    EXPECT_EQ(HueFillFromReadout(360, 243), 243);
    EXPECT_EQ(PercentFillFromReadout(100, 243), 243);
    EXPECT_EQ(PercentReadoutFromFill(121, 243), 50);
    EXPECT_EQ(PercentFillFromFraction(0.5, 243), 122); // 121.5 goes to the even 122
    EXPECT_EQ(HueFillFromHue(180.0, 243), 122);
}

struct HsvCase {
    int r, g, b;
    HsvReadout want;
};

TEST(ColorHsv, RgbToHsvReadouts) {
    const HsvCase cases[] = {
        {255, 0, 0, {360, 100, 100}}, {255, 1, 0, {0, 100, 100}},  {255, 0, 1, {360, 100, 100}},
        {255, 255, 0, {60, 100, 100}}, {0, 255, 0, {120, 100, 100}}, {0, 255, 255, {180, 100, 100}},
        {0, 0, 255, {240, 100, 100}},  {255, 0, 255, {300, 100, 100}}, {0, 0, 0, {0, 0, 0}},
        {128, 128, 128, {0, 0, 50}},   {255, 255, 255, {0, 0, 100}}, {136, 87, 249, {258, 65, 98}},
        // Exact ties, decided by max - min held in extended precision: 106.5 and 103.5 to even.
        {12, 43, 3, {106, 93, 17}},    {35, 93, 13, {104, 86, 36}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HsvReadoutOf(RgbToHsv(c.r, c.g, c.b)), c.want) << c.r << "," << c.g << "," << c.b;
    }
}

TEST(ColorHsv, EveryGreyHasNoHueNorSaturation) {
    for (int v = 0; v < 256; ++v) {
        const Hsv hsv = RgbToHsv(v, v, v);
        EXPECT_EQ(hsv.hue, 0.0);
        EXPECT_EQ(hsv.saturation, 0.0);
    }
}

TEST(ColorHsv, HsvToRgbCases) {
    EXPECT_EQ(HsvToRgb(0, 0, 0.5), (Rgb{127, 127, 127}));
    EXPECT_EQ(HsvToRgb(0.5, 0.5, 0.5), (Rgb{63, 127, 127}));
    EXPECT_EQ(HsvToRgb(1, 1, 1), (Rgb{255, 0, 0}));
    EXPECT_EQ(HsvToRgb(0, 1, 1), (Rgb{255, 0, 0}));
    EXPECT_EQ(HsvToRgb(1, 1, 0.6), (Rgb{152, 0, 0}));
}

// v = 60/100 stored as a double is a hair below 0.6; in extended precision v*255 stays below 153.
TEST(ColorHsv, SixtyPercentGreyIsTheOnlyPrecisionEdge) {
    for (int percent = 0; percent <= 100; ++percent) {
        const double v = double((long double)percent / 100);
        const int grey = HsvToRgb(0, 0, v).r;
        const int exact = percent * 255 / 100;
        if (percent == 60) {
            EXPECT_EQ(grey, 152);
        } else {
            EXPECT_EQ(grey, exact) << percent;
        }
    }
}

TEST(ColorHsv, HsvToRgbStaysInByteRange) {
    for (int h = 0; h <= 360; h += 3) {
        for (int s = 0; s <= 100; s += 5) {
            for (int v = 0; v <= 100; v += 5) {
                const Rgb c = HsvToRgb(h / 360.0, s / 100.0, v / 100.0);
                for (int x : {c.r, c.g, c.b}) {
                    ASSERT_GE(x, 0);
                    ASSERT_LE(x, 255);
                }
            }
        }
    }
}

TEST(ColorDerived, GreyAndMatchingColours) {
    EXPECT_EQ(GreyEquivalent(RGB(0, 0, 0)), 0);
    EXPECT_EQ(GreyEquivalent(RGB(255, 255, 255)), 255);
    EXPECT_EQ(GreyEquivalent(RGB(136, 87, 249)), 120); // 40.8 + 51.33 + 27.39 = 119.52
    const Color c = RGB(136, 87, 249);
    EXPECT_EQ(Complement(c), RGB(119, 168, 6));
    EXPECT_EQ(PlusGrey(c), c ^ 0x7F7F7Fu);
    EXPECT_EQ(ComplementPlusGrey(c), c ^ 0x808080u);
}
