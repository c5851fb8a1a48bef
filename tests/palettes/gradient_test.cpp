#include "core/color_model.h"
#include "palettes/gradient.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

PixelBuffer drawn(Color start, Color end) {
    PixelBuffer strip(GradientWidth, GradientHeight);
    DrawGradient(strip, start, end);
    return strip;
}

} // namespace

TEST(Gradient, RowsRunFromStartAndStopShortOfTheEnd) {
    struct Case {
        Color start, end;
        int row;
        Color want;
    };
    const Case cases[] = {
        {DefaultGradientStart, DefaultGradientEnd, 0, RGB(82, 0, 208)},
        {DefaultGradientStart, DefaultGradientEnd, 1, RGB(82, 2, 207)},
        {DefaultGradientStart, DefaultGradientEnd, 63, RGB(79, 122, 124)},
        {DefaultGradientStart, DefaultGradientEnd, 64, RGB(79, 123, 122)},
        {DefaultGradientStart, DefaultGradientEnd, 126, RGB(76, 243, 39)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 126, RGB(253, 253, 253)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 1, RGB(2, 2, 2)},
        {RGB(255, 255, 255), RGB(0, 0, 0), 126, RGB(2, 2, 2)},
        {RGB(255, 0, 0), RGB(0, 0, 255), 126, RGB(2, 0, 253)},
    };
    for (const Case& c : cases) {
        const PixelBuffer strip = drawn(c.start, c.end);
        for (int x = 0; x < GradientWidth; ++x)
            ASSERT_EQ(strip.pixel(x, c.row), c.want) << "row " << c.row << " x " << x;
    }
}

TEST(Gradient, EqualEndsGiveAPlainStrip) {
    for (Color c : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(136, 87, 249)}) {
        EXPECT_EQ(drawn(c, c), PixelBuffer(GradientWidth, GradientHeight, c));
    }
}

TEST(Gradient, BlackToWhiteNeverStepsBack) {
    const PixelBuffer strip = drawn(RGB(0, 0, 0), RGB(255, 255, 255));
    for (int y = 1; y < GradientHeight; ++y) {
        const int step = GetRValue(strip.pixel(0, y)) - GetRValue(strip.pixel(0, y - 1));
        EXPECT_TRUE(step == 2 || step == 3) << y;
    }
}

TEST(GradientButtons, TakeTheColourAsTheBarsHoldIt) {
    ColorModel model;
    // A red of 2 comes back from its 190-pixel bar as 1.
    model.ApplyColor(RGB(2, 100, 200), coNormal);
    const Color fromBars = model.ColorFromBars();
    ASSERT_EQ(GetRValue(fromBars), 1);
    model.SetGradientStartFromBars();
    EXPECT_EQ(model.Gradient().start, fromBars);
    EXPECT_EQ(model.Gradient().strip.pixel(0, 0), fromBars);
    model.SetGradientEndFromBars();
    EXPECT_EQ(model.Gradient().end, fromBars);
    EXPECT_EQ(model.Gradient().strip, PixelBuffer(GradientWidth, GradientHeight, fromBars));
}

TEST(GradientButtons, SetStartWaitsWhileAutoSubstitutionHoldsIt) {
    ColorModel model;
    model.SetGradientAutoSubstitution(true);
    model.ApplyColor(RGB(10, 20, 30), coNormal);
    EXPECT_EQ(model.Gradient().start, RGB(10, 20, 30));
    model.ApplyColor(RGB(40, 50, 60), coGradientPick); // picked from the strip: start stays
    model.SetGradientStartFromBars();
    EXPECT_EQ(model.Gradient().start, RGB(10, 20, 30));
    model.SetGradientEndFromBars(); // the end is still the user's
    EXPECT_EQ(model.Gradient().end, RGB(40, 50, 60));
    model.SetGradientAutoSubstitution(false);
    model.SetGradientStartFromBars();
    EXPECT_EQ(model.Gradient().start, RGB(40, 50, 60));
}
