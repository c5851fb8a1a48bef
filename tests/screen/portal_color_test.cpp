// The desktop picker's answer as a colour: fractions onto bytes, out-of-range and broken values.
#include "screen/portal_color.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace huebit;

TEST(PortalColor, FractionsBecomeBytes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double r, g, b;
        std::optional<Color> want;
    } cases[] = {
        {0, 0, 0, RGB(0, 0, 0)},
        {1, 1, 1, RGB(255, 255, 255)},
        {250 / 255.0, 100 / 255.0, 5 / 255.0, RGB(250, 100, 5)},
        {0.5, 0.25, 0.125, RGB(128, 64, 32)}, // 127.5 to even, 63.75, 31.875
        {-0.2, 1.7, inf, RGB(0, 255, 255)},
        {nan, 0, 0, std::nullopt},
        {0, 0, nan, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " " << c.g << " " << c.b);
        EXPECT_EQ(ColorFromPortal(c.r, c.g, c.b), c.want);
    }
}
