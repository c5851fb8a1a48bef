#include "palettes/swatch_strip.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(SwatchStrip, PushesNewestLeftAndDropsTheTwentyFirst) {
    SwatchStrip s;
    for (int i = 0; i < 21; ++i) s.push(RGB(i, 0, 0));
    for (int slot = 0; slot < 20; ++slot) EXPECT_EQ(s.slotColor(slot), RGB(20 - slot, 0, 0));
}

TEST(SwatchStrip, SlotGeometryAndGaps) {
    SwatchStrip s;
    s.push(RGB(0, 0, 0));
    s.push(RGB(255, 255, 255));
    s.push(RGB(10, 20, 30));
    const PixelBuffer& p = s.pixels();
    EXPECT_EQ(p.width(), 300);
    EXPECT_EQ(p.height(), 17);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 300; ++x) {
            const int slot = x / 15;
            Color want = EmptySlotColor;
            if (x % 15 != 14 && slot < 3) {
                want = slot == 0 ? RGB(10, 20, 30) : slot == 1 ? RGB(255, 255, 255) : RGB(0, 0, 0);
            }
            ASSERT_EQ(p.pixel(x, y), want) << x << "," << y;
        }
    }
    s.clear();
    for (int slot = 0; slot < 20; ++slot) EXPECT_EQ(s.slotColor(slot), EmptySlotColor);
}
