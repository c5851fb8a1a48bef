// The one-shot pick's loupe: its place near edges and corners, the wheel's steps, the average.
#include "screen/loupe.h"
#include "screen/pick_session.h"
#include "screen/screen_capture.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

constexpr QSize Loupe{150, 180};
const QRect Monitor{0, 0, 1920, 1080};
const QRect RightMonitor{1920, 0, 1280, 1024};

QImage filled(QSize size, QRgb colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

} // namespace

TEST(Loupe, StaysWholeOnTheMonitorUnderThePointer) {
    const struct {
        const char* name;
        QPoint pointer;
        QRect monitor;
        QPoint topLeft;
    } cases[] = {
        {"middle: below right", {500, 500}, Monitor, {520, 520}},
        {"right edge: flips left", {1900, 500}, Monitor, {1900 - 20 - 150, 520}},
        {"bottom edge: flips up", {500, 1070}, Monitor, {520, 1070 - 20 - 180}},
        {"bottom right corner: both", {1919, 1079}, Monitor, {1919 - 170, 1079 - 200}},
        {"top left corner: as usual", {0, 0}, Monitor, {20, 20}},
        {"just fits on the right", {1750, 0}, Monitor, {1770, 20}},
        {"one pixel too far: flips", {1751, 0}, Monitor, {1751 - 170, 20}},
        {"second monitor, left part", {1925, 5}, RightMonitor, {1945, 25}},
        {"second monitor, right edge", {3199, 1023}, RightMonitor, {3199 - 170, 1023 - 200}},
        {"flipped past the left: shifted in", {100, 100}, QRect(0, 0, 200, 250), {0, 0}},
        {"larger than the monitor", {10, 10}, QRect(0, 0, 100, 100), {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect placed = PlaceLoupe(c.pointer, Loupe, c.monitor);
        EXPECT_EQ(placed.topLeft(), c.topLeft);
        EXPECT_EQ(placed.size(), Loupe);
        if (c.monitor.width() >= Loupe.width() && c.monitor.height() >= Loupe.height()) {
            EXPECT_TRUE(c.monitor.contains(placed));
        }
        // On a monitor with room for it the loupe never hides the pixel it magnifies.
        if (c.monitor.width() >= 1000) {
            EXPECT_FALSE(placed.contains(c.pointer));
        }
    }
}

TEST(Loupe, MonitorUnderThePointerOrNearest) {
    const QList<QRect> monitors{Monitor, RightMonitor};
    EXPECT_EQ(MonitorAt({100, 100}, monitors), Monitor);
    EXPECT_EQ(MonitorAt({1920, 0}, monitors), RightMonitor);
    EXPECT_EQ(MonitorAt({3000, 1050}, monitors), RightMonitor); // below the shorter one
    EXPECT_EQ(MonitorAt({-5, 2000}, monitors), Monitor);
    EXPECT_EQ(MonitorAt({1, 1}, {}), QRect());
}

TEST(Loupe, WheelStepsThroughOddDiameters) {
    const struct {
        int from, notches, to;
    } cases[] = {
        {1, 1, 3},     {3, 2, 7},     {7, -1, 5},     {1, -1, 1}, {1, -50, 1},
        {197, 1, 199}, {199, 1, 199}, {1, 1000, 199}, {4, 0, 3},  {200, 0, 199},
        {0, 0, 1},     {-7, 1, 3},    {1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " by " << c.notches);
        EXPECT_EQ(StepDiameter(c.from, c.notches), c.to);
    }
}

TEST(Loupe, AverageIsClippedToTheImageAndRoundedHalfToEven) {
    // Left column (0, 0, 0), the rest (255, 11, 1): averages that land on halves.
    QImage img = filled({4, 4}, qRgb(255, 11, 1));
    for (int y = 0; y < 4; ++y)
        img.setPixel(0, y, qRgb(0, 0, 0));
    const struct {
        const char* name;
        int x, y, diameter;
        std::optional<Color> want;
    } cases[] = {
        {"single pixel", 2, 2, 1, RGB(255, 11, 1)},
        {"3 x 3 over the dark column", 1, 1, 3, RGB(170, 7, 1)}, // 1530/9, 66/9, 6/9
        {"corner: only 2 x 2 count", 0, 0, 3, RGB(128, 6, 0)},   // 127.5, 5.5, 0.5
        {"even diameter reaches further right", 0, 0, 2, RGB(128, 6, 0)},
        {"square partly outside", 5, 5, 5, RGB(255, 11, 1)},
        {"wholly outside", 9, 9, 3, std::nullopt},
        {"diameter 0", 1, 1, 0, std::nullopt},
        {"diameter 201", 1, 1, 201, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AverageSquare(img, c.x, c.y, c.diameter), c.want);
    }
}

TEST(Loupe, SessionKeepsThePointerOnTheCopyAndFollowsTheWheel) {
    QImage img = filled({10, 6}, qRgb(0, 0, 0));
    img.setPixel(9, 5, qRgb(90, 180, 45));
    PickSession s(img, 4); // an even stored diameter starts at the odd value below
    EXPECT_EQ(s.diameter(), 3);
    s.moveTo({50, 50});
    EXPECT_EQ(s.pointer(), QPoint(9, 5));
    EXPECT_EQ(s.color(), RGB(22, 45, 11)); // 22.5 to even, 45, 11.25 over the clipped 2 x 2
    s.turnWheel(-1);
    EXPECT_EQ(s.color(), RGB(90, 180, 45));
    s.nudge(-10, 1);
    EXPECT_EQ(s.pointer(), QPoint(0, 5));
    EXPECT_EQ(s.color(), 0u);
}

namespace {

// A copy the server keeps: parts are read from `pixels`, the whole is never taken.
class PartsOnlyCopy : public HeldCopy {
public:
    explicit PartsOnlyCopy(QImage pixels) : m_pixels(std::move(pixels)) {}
    QSize size() const override { return m_pixels.size(); }
    QImage take() override {
        ++takes;
        return m_pixels;
    }
    QImage read(QRect area) override {
        largest = std::max(largest, area.width() * area.height());
        if (!QRect(QPoint(0, 0), size()).contains(area) || lost) return {};
        QImage part = m_pixels.copy(area);
        // The server leaves the top byte as it likes.
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                part.setPixel(x, y, part.pixel(x, y) & 0x00FFFFFFu);
        return part;
    }
    int takes = 0;
    int largest = 0;
    bool lost = false;

private:
    QImage m_pixels;
};

// Pixel (x, y) is (x, y, x ^ y): no two alike.
QImage positions(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    return img;
}

} // namespace

// Over a held copy the session reads only what the loupe and the square need, and picks and
// shows exactly what the whole picture would give.
TEST(Loupe, SessionOverAHeldCopyPicksAsOverThePicture) {
    const QImage picture = positions({300, 220});
    const auto held = std::make_shared<PartsOnlyCopy>(picture);
    const QPoint points[] = {{0, 0}, {299, 219}, {150, 110}, {3, 200}, {298, 1}, {-5, 500}};
    for (int diameter : {1, 3, 15, 17, 101, 199}) {
        PickSession whole(picture, diameter);
        PickSession parts(held, diameter);
        for (QPoint p : points) {
            SCOPED_TRACE(testing::Message()
                         << "diameter " << diameter << " at " << p.x() << "," << p.y());
            whole.moveTo(p);
            parts.moveTo(p);
            ASSERT_EQ(parts.pointer(), whole.pointer());
            EXPECT_EQ(parts.color(), whole.color());
            // Every loupe cell on the copy shows its own pixel.
            const int half = LoupeCells / 2;
            for (int dy = -half; dy <= half; ++dy)
                for (int dx = -half; dx <= half; ++dx) {
                    const QPoint q = parts.pointer() + QPoint(dx, dy);
                    if (!picture.rect().contains(q)) continue;
                    ASSERT_EQ(parts.nearby().pixel(q - parts.nearbyOrigin()), picture.pixel(q));
                }
        }
        parts.turnWheel(1);
        whole.turnWheel(1);
        EXPECT_EQ(parts.color(), whole.color());
    }
    EXPECT_EQ(held->takes, 0);
    EXPECT_LE(held->largest, LoupeMaxDiameter * LoupeMaxDiameter);
    // A copy the server lost shows and picks nothing rather than stale pixels.
    held->lost = true;
    PickSession lost(held, 1);
    lost.moveTo({10, 10});
    EXPECT_EQ(lost.color(), 0u);
    EXPECT_TRUE(lost.nearby().isNull());
}
