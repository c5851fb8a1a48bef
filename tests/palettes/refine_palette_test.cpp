#include "palettes/refine_palette.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(RefinePalette, EveryPixelFollowsTheOffsets) {
    const int redOffset[8] = {0, 0, 1, 2, 2, 2, 3, 4};
    for (Color c : {RGB(136, 87, 249), RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 0, 0)}) {
        PixelBuffer p(RefinePaletteWidth, RefinePaletteHeight);
        DrawRefinePalette(p, c);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 64; ++x) {
                const int rOff = Round((long double)x / 2);
                if (x < 8) {
                    ASSERT_EQ(rOff, redOffset[x]);
                }
                const Color want = RGB(ClampByte(GetRValue(c) - 7 + rOff),
                                       ClampByte(GetGValue(c) - 7 + (x / 16 + 1) * (y / 16 + 1)),
                                       ClampByte(GetBValue(c) - 6 + y / 8));
                ASSERT_EQ(p.pixel(x, y), want) << x << "," << y;
            }
        }
    }
}

TEST(RefinePalette, CornersAroundTheStartColour) {
    PixelBuffer p(64, 128);
    DrawRefinePalette(p, RGB(136, 87, 249));
    EXPECT_EQ(p.pixel(0, 0), RGB(129, 81, 243));
    EXPECT_EQ(p.pixel(63, 0), RGB(161, 84, 243)); // Round(31.5) = 32
    EXPECT_EQ(p.pixel(0, 127), RGB(129, 88, 255)); // blue 249 + 9 clamps
    EXPECT_EQ(p.pixel(63, 127), RGB(161, 112, 255));
}

struct MarkerCase {
    Color colour;
    Color black;
    int blackRow; // -1: hidden
    Color white;
    int whiteRow;
};

TEST(SaturationStrip, RowsAndMarkers) {
    const Color hidden = EmptySlotColor;
    const MarkerCase cases[] = {
        {RGB(0, 0, 0), RGB(0, 0, 0), 63, hidden, -1},
        {RGB(255, 255, 255), hidden, -1, RGB(255, 255, 255), 64},
        {RGB(128, 128, 128), RGB(0, 0, 0), 127, hidden, -1},
        {RGB(136, 87, 249), hidden, -1, hidden, -1},
        {RGB(200, 200, 200), hidden, -1, RGB(255, 255, 255), 36},
    };
    for (const auto& c : cases) {
        PixelBuffer strip(SaturationStripWidth, SaturationStripHeight);
        SaturationMarkers m;
        DrawSaturationStrip(strip, m, c.colour);
        EXPECT_EQ(m.black.color, c.black) << std::hex << c.colour;
        EXPECT_EQ(m.white.color, c.white) << std::hex << c.colour;
        if (c.blackRow >= 0) {
            EXPECT_EQ(m.black.top, MarkerTopForRow(c.blackRow));
        }
        if (c.whiteRow >= 0) {
            EXPECT_EQ(m.white.top, MarkerTopForRow(c.whiteRow));
        }
        EXPECT_EQ(m.current.color, c.colour);
        EXPECT_EQ(m.current.top, 67);
        EXPECT_EQ(strip.pixel(0, 63), c.colour);
        EXPECT_EQ(strip.pixel(9, 63), c.colour);
        for (int i = 0; i < 128; ++i) {
            const int s = 126 - 2 * i;
            ASSERT_EQ(strip.pixel(i % 10, i), RGB(ClampByte(GetRValue(c.colour) + s),
                                                  ClampByte(GetGValue(c.colour) + s),
                                                  ClampByte(GetBValue(c.colour) + s)));
        }
    }
}

TEST(SaturationStrip, GreyMarkerStandsAtTheGreysHeight) {
    PixelBuffer strip(10, 128);
    SaturationMarkers m;
    DrawSaturationStrip(strip, m, RGB(0, 0, 0));
    EXPECT_EQ(m.grey.top, 132);
    EXPECT_EQ(m.grey.color, RGB(0, 0, 0));
    DrawSaturationStrip(strip, m, RGB(255, 255, 255));
    EXPECT_EQ(m.grey.top, 4);
    DrawSaturationStrip(strip, m, RGB(136, 87, 249)); // grey 120
    EXPECT_EQ(m.grey.color, RGB(120, 120, 120));
    EXPECT_EQ(m.grey.top, 72);
}

// A redraw hides the markers of the previous colour before placing new ones.
TEST(SaturationStrip, MarkersOfAnEarlierColourDoNotLinger) {
    PixelBuffer strip(10, 128);
    SaturationMarkers m;
    DrawSaturationStrip(strip, m, RGB(0, 0, 0));
    DrawSaturationStrip(strip, m, RGB(136, 87, 249));
    EXPECT_EQ(m.black.color, EmptySlotColor);
    EXPECT_EQ(m.white.color, EmptySlotColor);
}
