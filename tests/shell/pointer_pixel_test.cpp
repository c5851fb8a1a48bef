#include "shell/pointer_pixel.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(PointerPixel, TheDevicePositionDecidesWhereItAgreesWithTheReport) {
    const QPoint widget(40, 60); // the widget's top-left in device pixels
    const struct {
        QPointF reported;
        std::optional<QPoint> device;
        double scale;
        QPoint pixel;
    } cases[] = {
        {{100.5, 50.5}, std::nullopt, 1, {100, 50}}, // no device position: the one holding it
        {{-0.5, -0.01}, std::nullopt, 1, {-1, -1}},
        {{100, 50}, QPoint(240, 160), 2, {100, 50}}, // upper-left half of the block
        {{101, 51}, QPoint(241, 161), 2, {100, 50}}, // lower-right half, rounded up by Qt
        {{101, 50}, QPoint(241, 160), 2, {100, 50}},
        {{0, 0}, QPoint(39, 59), 2, {-1, -1}},       // just off the top-left corner
        {{101, 51}, QPoint(400, 400), 2, {101, 51}}, // the pointer moved on: the report holds
        {{101, 0}, QPoint(40 + 151, 60), 1.5, {100, 0}},
        {{100.5, 50.5}, QPoint(241, 161), 0, {100, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reported.x() * 1000 + c.scale);
        EXPECT_EQ(PixelUnderPointer(c.reported, c.device, widget, c.scale), c.pixel);
    }
}
