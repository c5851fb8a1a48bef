#include "screen/screen_picker.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

// A screen whose pixel (x, y) is (x mod 256, y mod 256, (x / 256) * 16 + y / 256).
QImage positionScreen(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return img;
}

QRgb rgbOf(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

class ScreenPickerTest : public ::testing::Test {
protected:
    void capture(QSize size) {
        FixedScreen screen(positionScreen(size.width(), size.height()));
        picker.CaptureScreen(screen);
    }
    // A 1920 x 1080 screen whose part under the fragment at (100, 50), the 40 x 30 pixels from
    // (481, 236), shows `pixel`: the medium view then holds it one to one.
    void largeViewOf(const std::function<QRgb(int, int)>& pixel) {
        QImage img(1920, 1080, QImage::Format_RGB32);
        img.fill(Qt::black);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) img.setPixel(481 + x, 236 + y, pixel(x, y));
        FixedScreen screen(img);
        picker.CaptureScreen(screen);
        picker.SelectFragment(100, 50, false);
    }
    ScreenPicker picker;
};

} // namespace

TEST(ScreenFit, WorkedExamples) {
    EXPECT_EQ(FitOverview({1920, 1080}, {383, 219}), QRect(2, 17, 383, 216));
    EXPECT_EQ(FitOverview({1024, 768}, {383, 219}), QRect(48, 15, 292, 219));
    EXPECT_EQ(FitOverview({3840, 2160}, {383, 219}), QRect(2, 17, 383, 216));
    EXPECT_EQ(FitOverview({1280, 1024}, {383, 219}).size(), QSize(274, 219)); // 273.75 + 0.4
}

TEST(ScreenFit, MagnifierSourceRectangles) {
    const long double k1920 = 1920.0L / 383;
    EXPECT_EQ(MagnifierSource(100, 50, k1920), QRect(QPoint(481, 236), QSize(40, 30)));
    EXPECT_EQ(MagnifierSource(4, 3, k1920), QRect(QPoint(0, 0), QSize(40, 30)));
    const long double k1024 = 1024.0L / 292;
    const QRect r = MagnifierSource(100, 50, k1024);
    EXPECT_EQ(r.topLeft(), QPoint(337, 165));
    EXPECT_EQ(r.size(), QSize(28, 21));
}

TEST(ScreenFit, BmpNames) {
    EXPECT_EQ(BmpFileName("shot"), "shot.bmp");
    EXPECT_EQ(BmpFileName("shot.bmp"), "shot.bmp");
    EXPECT_EQ(BmpFileName("SHOT.BMP"), "SHOT.BMP");
    EXPECT_EQ(BmpFileName("shot.png"), "shot.png.bmp");
}

TEST_F(ScreenPickerTest, CaptureFitsAndReducesByDroppingPixels) {
    capture({1024, 768});
    EXPECT_EQ(picker.OverviewRect(), QRect(48, 15, 292, 219));
    EXPECT_EQ(picker.FragmentX(), -100);
    const QImage& o = picker.Overview();
    ASSERT_EQ(o.size(), QSize(292, 219));
    for (int y : {0, 100, 218})
        for (int x : {0, 150, 291})
            EXPECT_EQ(o.pixel(x, y), picker.ScreenImage().pixel(x * 1024 / 292, y * 768 / 219));
}

TEST_F(ScreenPickerTest, SelectClampsDrawsAndErasesTheMarker) {
    capture({1920, 1080});
    const QImage clean = picker.Overview();
    picker.OverviewPressed(Qt::RightButton, 0, 0);
    EXPECT_EQ(picker.FragmentX(), 4);
    EXPECT_EQ(picker.FragmentY(), 3);
    EXPECT_EQ(picker.PickedScreenColor(), RGB(0, 0, 0)); // the unclamped pixel (0, 0)
    const QImage& marked = picker.Overview();
    EXPECT_EQ(marked.pixel(0, 0), clean.pixel(0, 0) ^ 0xFFFFFFu);
    EXPECT_EQ(marked.pixel(8, 6), clean.pixel(8, 6) ^ 0xFFFFFFu);
    EXPECT_EQ(marked.pixel(4, 3), clean.pixel(4, 3)); // the inside is untouched
    picker.OverviewPressed(Qt::LeftButton, 1000, 1000);
    EXPECT_EQ(picker.FragmentX(), 379);
    EXPECT_EQ(picker.FragmentY(), 213);
    EXPECT_EQ(picker.Overview().pixel(0, 0), clean.pixel(0, 0)) << "old marker erased";
    picker.SelectFragment(100, 50, false);
    int changed = 0;
    for (int y = 0; y < clean.height(); ++y)
        for (int x = 0; x < clean.width(); ++x) changed += picker.Overview().pixel(x, y) != clean.pixel(x, y);
    EXPECT_EQ(changed, 2 * 9 + 2 * 5); // one outline of 9 x 7, each pixel inverted once
    picker.SelectFragment(379, 213, false);
    picker.SelectFragment(379, 213, false);
    picker.SelectFragment(379, 213, false); // the same place twice: erase, then draw again
    EXPECT_EQ(picker.Overview().pixel(375, 210), clean.pixel(375, 210) ^ 0xFFFFFFu);
}

TEST_F(ScreenPickerTest, ArrowsStepFromTheMarkerAndStopAtTheLimits) {
    capture({1920, 1080});
    picker.Arrow(ArrowDirection::Up); // right after a capture FragmentX is -100
    EXPECT_EQ(picker.FragmentX(), 4);
    EXPECT_EQ(picker.FragmentY(), 3);
    picker.SetStep(10);
    picker.Arrow(ArrowDirection::Down);
    EXPECT_EQ(picker.FragmentY(), 13);
    for (int i = 0; i < 50; ++i) picker.Arrow(ArrowDirection::Right);
    EXPECT_EQ(picker.FragmentX(), 379);
    picker.Arrow(ArrowDirection::Left);
    EXPECT_EQ(picker.FragmentX(), 369);
    capture({1920, 1080});
    picker.Arrow(ArrowDirection::Right); // -100 + 10 clamps to the left edge, at the old row
    EXPECT_EQ(picker.FragmentX(), 4);
    EXPECT_EQ(picker.FragmentY(), 13);
}

TEST_F(ScreenPickerTest, MagnifiedViewsFollowTheFragment) {
    capture({1920, 1080});
    picker.SelectFragment(100, 50, false);
    const QRect src = MagnifierSource(100, 50, 1920.0L / 383);
    const QImage& medium = picker.MediumView();
    const QImage& large = picker.LargeView();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(medium.pixel(x, y), picker.ScreenImage().pixel(src.left() + x, src.top() + y));
            ASSERT_EQ(large.pixel(4 * x + 3, 4 * y + 2), medium.pixel(x, y));
        }
    }
}

TEST_F(ScreenPickerTest, AveragedPicksByDiameter) {
    // Medium pixel (x, y) holds red 4x, green 8y: the large view repeats each 4 x 4.
    largeViewOf([](int x, int y) { return qRgb(4 * x, 8 * y, 100); });
    ASSERT_EQ(picker.MediumView().pixel(0, 0), qRgb(0, 0, 100));
    const QImage& large = picker.LargeView();
    auto average = [&](int x0, int y0, int x1, int y1) {
        long long r = 0, g = 0, b = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) r += qRed(large.pixel(x, y)), g += qGreen(large.pixel(x, y)), b += qBlue(large.pixel(x, y));
        const long double n = (long double)(x1 - x0 + 1) * (y1 - y0 + 1);
        return RGB(Round(r / n), Round(g / n), Round(b / n));
    };
    struct Case { int d, x, y, x0, y0, x1, y1; };
    const Case cases[] = {
        {1, 37, 22, 37, 22, 37, 22},   {2, 10, 10, 10, 10, 11, 11},  {5, 0, 0, 0, 0, 2, 2},
        {200, 80, 60, 0, 0, 159, 119}, {200, 150, 100, 51, 1, 159, 119}, {3, 9, 9, 8, 8, 10, 10},
        {4, 9, 9, 8, 8, 11, 11},
    };
    for (const Case& c : cases) {
        picker.SetDiameter(c.d);
        picker.LargePressed(c.x, c.y);
        EXPECT_EQ(picker.PickedScreenColor(), average(c.x0, c.y0, c.x1, c.y1)) << "d=" << c.d;
    }
    picker.SetDiameter(1);
    picker.LargePressed(37, 22);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(9, 5));
}

TEST_F(ScreenPickerTest, AverageRoundsHalvesToEven) {
    // Two columns of red 1 and 2 in the large view: a 2 x 2 square sums 6 over 4 -> 2; with
    // reds 2 and 3 it sums 10 over 4 -> 2 as well.
    largeViewOf([](int x, int) { return qRgb(x == 0 ? 1 : 2, 0, 0); });
    picker.SetDiameter(2);
    picker.LargePressed(3, 0); // columns 3 (red 1) and 4 (red 2), rows 0 and 1: 6 / 4
    EXPECT_EQ(GetRValue(picker.PickedScreenColor()), 2);
    largeViewOf([](int x, int) { return qRgb(x == 0 ? 2 : 3, 0, 0); });
    picker.LargePressed(3, 0); // 10 / 4
    EXPECT_EQ(GetRValue(picker.PickedScreenColor()), 2);
}

TEST_F(ScreenPickerTest, ViewsIgnoreTheirLastColumnAndRow) {
    capture({1920, 1080});
    picker.SelectFragment(100, 50, false);
    EXPECT_EQ(picker.PickedScreenColor(), ScreenPicker::Silver);
    picker.LargePressed(159, 10);
    picker.MediumPressed(10, 29);
    picker.LargeMoved(Qt::LeftButton, Qt::NoModifier, 10, 119);
    EXPECT_EQ(picker.PickedScreenColor(), ScreenPicker::Silver);
    picker.MediumPressed(38, 28);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(38, 28));
    EXPECT_EQ(rgbOf(picker.HoverColor()), picker.MediumView().pixel(38, 28));
}

TEST_F(ScreenPickerTest, DragRulesOnTheOverview) {
    capture({1920, 1080});
    picker.OverviewMoved(Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 50, 50);
    picker.OverviewMoved(Qt::LeftButton, Qt::ShiftModifier, 50, 50);
    EXPECT_EQ(picker.FragmentX(), -100); // only the hover readout moved
    EXPECT_EQ(rgbOf(picker.HoverColor()), picker.Overview().pixel(50, 50));
    picker.OverviewMoved(Qt::RightButton, Qt::NoModifier, 60, 40);
    EXPECT_EQ(picker.FragmentX(), 60);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.Overview().pixel(60, 40));
    // Dragged past the edge: the marker clamps and the nearest edge pixel is taken.
    picker.OverviewMoved(Qt::RightButton, Qt::NoModifier, 500, -20);
    EXPECT_EQ(picker.FragmentX(), 379);
    EXPECT_EQ(picker.FragmentY(), 3);
    const QImage clean = picker.Overview();
    EXPECT_EQ(GetRValue(picker.PickedScreenColor()),
              qRed(picker.ScreenImage().pixel(382 * 1920 / 383, 0)));
}
