#include "palettes/embedded_palettes.h"

#include <QPoint>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

using namespace huebit;

namespace {

int largest(Color c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}); }
int smallest(Color c) { return std::min({GetRValue(c), GetGValue(c), GetBValue(c)}); }
bool isGrey(Color c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

struct Sample {
    int x, y;
    Color c;
};

int largestStep(Color a, Color b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

void expectSamples(const PixelBuffer& p, std::initializer_list<Sample> samples) {
    for (const Sample& s : samples) EXPECT_EQ(p.pixel(s.x, s.y), s.c) << s.x << "," << s.y;
}

} // namespace

TEST(TilePalette, EveryPixelByItsRule) {
    const PixelBuffer p = MakeTilePalette();
    ASSERT_EQ(p.width(), 256);
    ASSERT_EQ(p.height(), 128);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            const Color c = p.pixel(x, y);
            ASSERT_EQ(c, RGB(8 * (x % 32) + 7, 8 * (y % 32) + 7, 8 * (x / 32 + 1) * (y / 32 + 1) - 1));
            ASSERT_GE(GetRValue(c), 7);
            ASSERT_GE(GetGValue(c), 7);
        }
    }
    expectSamples(p, {{0, 0, RGB(7, 7, 7)},      {31, 31, RGB(255, 255, 7)},
                      {32, 0, RGB(7, 7, 15)},    {100, 50, RGB(39, 151, 63)},
                      {224, 96, RGB(7, 7, 255)}, {255, 127, RGB(255, 255, 255)}});
}

TEST(GreyPalette, EveryLevelOncePerColumnPair) {
    const PixelBuffer p = MakeGreyPalette();
    ASSERT_EQ(p.width(), 12);
    std::set<int> levels;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 12; ++x) {
            const Color c = p.pixel(x, y);
            ASSERT_TRUE(isGrey(c));
            ASSERT_EQ(GetRValue(c), 254 - 2 * y + (x >= 6));
            levels.insert(GetRValue(c));
        }
    }
    EXPECT_EQ(levels.size(), 256u);
    expectSamples(p, {{0, 0, RGB(254, 254, 254)}, {11, 0, RGB(255, 255, 255)},
                      {3, 64, RGB(126, 126, 126)}, {8, 64, RGB(127, 127, 127)},
                      {0, 127, RGB(0, 0, 0)},     {6, 127, RGB(1, 1, 1)}});
}

TEST(RingPalette, SamplesAndGeometry) {
    const PixelBuffer p = MakeRingPalette();
    ASSERT_EQ(p.width(), 128);
    expectSamples(p, {{64, 8, RGB(232, 8, 11)},     {20, 30, RGB(232, 200, 8)},
                      {8, 64, RGB(121, 232, 8)},    {64, 120, RGB(8, 232, 229)},
                      {120, 64, RGB(116, 8, 232)},  {64, 40, RGB(187, 187, 187)},
                      {64, 64, RGB(125, 125, 125)}, {64, 100, RGB(32, 32, 32)},
                      {0, 0, RGB(254, 254, 254)},   {127, 127, RGB(0, 0, 0)}});
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const double d = std::hypot(x - 63.5, y - 63.5);
            const Color c = p.pixel(x, y);
            if (d >= 50 && d <= 62) { // clear of the blended edges
                EXPECT_NEAR(largest(c), 232, 3) << x << "," << y;
                EXPECT_NEAR(smallest(c), 8, 3) << x << "," << y;
            } else if (d < 48) {
                ASSERT_TRUE(isGrey(c));
                EXPECT_EQ(c, p.pixel(64, y)) << "inside greys are equal across a row";
                EXPECT_NEAR(GetRValue(c), std::clamp(291.2 - 2.6 * y, 0.0, 255.0), 3) << y;
            } else if (d > 63.5) {
                ASSERT_TRUE(isGrey(c));
                EXPECT_NEAR(GetRValue(c), std::clamp(253.2 - 2.0 * y, 0.0, 255.0), 3) << y;
            }
        }
    }
    // Red at the top, yellow-green at the left, cyan at the bottom, violet at the right.
    EXPECT_EQ(largest(p.pixel(64, 4)), GetRValue(p.pixel(64, 4)));
    EXPECT_EQ(GetGValue(p.pixel(8, 64)), 232);
    EXPECT_GT(GetBValue(p.pixel(64, 120)), 200);
    EXPECT_EQ(GetBValue(p.pixel(120, 64)), 232);
}

TEST(FlowPalette, SamplesAndRamps) {
    const PixelBuffer p = MakeFlowPalette();
    ASSERT_EQ(p.width(), 120);
    ASSERT_EQ(p.height(), 128);
    expectSamples(p, {{0, 0, RGB(0, 0, 0)},         {32, 0, RGB(127, 9, 9)},
                      {60, 0, RGB(254, 0, 1)},      {88, 0, RGB(246, 128, 128)},
                      {119, 0, RGB(255, 255, 255)}, {60, 32, RGB(130, 254, 1)},
                      {30, 64, RGB(9, 118, 117)},   {60, 64, RGB(1, 251, 249)},
                      {90, 64, RGB(136, 245, 244)}, {60, 96, RGB(125, 1, 254)}});
    for (int y = 0; y < 128; ++y) {
        EXPECT_EQ(p.pixel(0, y), RGB(0, 0, 0));
        EXPECT_EQ(p.pixel(119, y), RGB(255, 255, 255));
        const Color c60 = p.pixel(60, y);
        EXPECT_GE(largest(c60), 251);
        EXPECT_LE(largest(c60), 254);
        EXPECT_LE(smallest(c60), 1);
        const int c[3] = {GetRValue(c60), GetGValue(c60), GetBValue(c60)};
        for (int x = 0; x < 120; ++x) {
            const Color px = p.pixel(x, y);
            const int got[3] = {GetRValue(px), GetGValue(px), GetBValue(px)};
            for (int k = 0; k < 3; ++k) {
                const double want = x <= 60 ? c[k] * x / 60.0 : c[k] + (255 - c[k]) * (x - 60) / 59.0;
                EXPECT_NEAR(got[k], want, x <= 60 ? 13 : 12) << x << "," << y << " channel " << k;
            }
            if (x <= 60) {
                EXPECT_LE(smallest(px), 11);
            }
        }
    }
    // The brightest component sags to 243-244 around column 94 before reaching white.
    const int sag = largest(p.pixel(94, 0));
    EXPECT_GE(sag, 243);
    EXPECT_LE(sag, 244);
}

// Hue by rows: red at the top, cyan in the middle, towards red again at the bottom.
TEST(FlowPalette, HueFollowsTheRows) {
    const PixelBuffer p = MakeFlowPalette();
    const auto hueAt = [&](int y) {
        const Color c = p.pixel(60, y);
        return RgbToHsv(GetRValue(c), GetGValue(c), GetBValue(c)).hue;
    };
    EXPECT_NEAR(hueAt(21), 60, 3);
    EXPECT_NEAR(hueAt(43), 120, 3);
    EXPECT_NEAR(hueAt(64), 180, 3);
    EXPECT_NEAR(hueAt(85), 240, 3);
    EXPECT_NEAR(hueAt(107), 300, 3);
}

// A drag along the ring or across a flow row moves by small steps: the measured sample pixels lie
// on the curves themselves, not patched in. Neighbours on a circle are at most 1.5 pixels apart,
// where the middle component moves about 6 levels at the inner radius.
TEST(RingPalette, NeighboursAlongACircleStayClose) {
    const PixelBuffer p = MakeRingPalette();
    for (int r = 51; r <= 61; ++r) {
        QPoint last(-1, -1);
        for (int i = 0; i <= 4000; ++i) {
            const double a = 2 * std::numbers::pi * i / 4000;
            const QPoint at(int(std::lround(63.5 + r * std::sin(a))),
                            int(std::lround(63.5 - r * std::cos(a))));
            if (at == last) continue;
            const double d = std::hypot(at.x() - 63.5, at.y() - 63.5);
            if (d < 50 || d > 62) { // the blended edges belong to the greys
                last = QPoint(-1, -1);
                continue;
            }
            if (last.x() >= 0) {
                const int step = largestStep(p.pixel(at.x(), at.y()), p.pixel(last.x(), last.y()));
                EXPECT_LE(step, 7) << "radius " << r << " at " << at.x() << "," << at.y();
            }
            last = at;
        }
    }
}

// A row climbs about 4.3 levels a column; the easing towards grey adds well under one.
TEST(FlowPalette, NeighboursAlongARowStayClose) {
    const PixelBuffer p = MakeFlowPalette();
    for (int y = 0; y < 128; ++y) {
        for (int x = 1; x < 120; ++x) {
            EXPECT_LE(largestStep(p.pixel(x, y), p.pixel(x - 1, y)), 6) << x << "," << y;
        }
    }
}
