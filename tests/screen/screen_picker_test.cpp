#include "screen/delayed_screen_refresh.h"
#include "screen/screen_picker.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace huebit;

namespace {

// A screen whose pixel (x, y) is (x mod 256, y mod 256, (x / 256) * 16 + y / 256): every pixel
// of a screen up to 4096 x 4096 differs from every other.
QImage positionScreen(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return img;
}

QRgb rgbOf(Color c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Whether overview pixel (px, py) lies on the outline of the marker centred at (x, y).
bool onOutline(int px, int py, int x, int y) {
    const bool rows = (py == y - 3 || py == y + 3) && px >= x - 4 && px <= x + 4;
    const bool cols = (px == x - 4 || px == x + 4) && py >= y - 3 && py <= y + 3;
    return rows || cols;
}

class ScreenPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&picker, &ScreenPicker::changed,
                         [this](unsigned what) { changes |= what; });
        QObject::connect(&picker, &ScreenPicker::hovered,
                         [this](Color c) { indicator.push_back(c); });
    }
    void capture(QSize size) {
        FixedScreen screen(positionScreen(size.width(), size.height()));
        ASSERT_TRUE(picker.CaptureScreen(screen));
    }
    // A 1920 x 1080 screen whose part under the fragment at (100, 50), the 40 x 30 pixels from
    // (481, 236), shows `pixel`: the medium view then holds it one to one.
    void largeViewOf(const std::function<QRgb(int, int)>& pixel) {
        QImage img(1920, 1080, QImage::Format_RGB32);
        img.fill(Qt::black);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                img.setPixel(481 + x, 236 + y, pixel(x, y));
        FixedScreen screen(img);
        picker.CaptureScreen(screen);
        picker.SelectFragment(100, 50, false);
    }
    // The overview must be the clean reduction with exactly the outline at the marker inverted.
    void expectOnlyMarker() {
        const QImage& o = picker.Overview();
        const QImage& clean = picker.CleanOverview();
        ASSERT_EQ(o.size(), clean.size());
        for (int y = 0; y < o.height(); ++y)
            for (int x = 0; x < o.width(); ++x) {
                const bool inverted = picker.FragmentX() != ScreenPicker::NoMarker &&
                                      onOutline(x, y, picker.FragmentX(), picker.FragmentY());
                ASSERT_EQ(o.pixel(x, y),
                          inverted ? clean.pixel(x, y) ^ 0xFFFFFFu : clean.pixel(x, y))
                    << x << "," << y << " marker at " << picker.FragmentX() << ","
                    << picker.FragmentY();
            }
    }
    ScreenPicker picker;
    unsigned changes = 0;
    std::vector<Color> indicator;
};

} // namespace

TEST(ScreenFit, WorkedExamplesAndOtherScreens) {
    // 1024 x 768: width round(292 + 0.4) = 292, left round(91 / 2) + 2 = 46 + 2 = 48.
    const struct {
        QSize screen;
        QRect fit;
    } cases[] = {
        {{1920, 1080}, {2, 17, 383, 216}},
        {{1024, 768}, {48, 15, 292, 219}},
        {{3840, 2160}, {2, 17, 383, 216}},
        {{1280, 1024}, {56, 15, 274, 219}}, // 273.75 + 0.4
        {{383, 219}, {2, 15, 383, 219}},
        {{2560, 1080}, {2, 43, 383, 162}}, // top round(28.5) + 15
        // Two 1920 x 1080 monitors side by side: 107.71 + 0.4, top round(55.5) + 15.
        {{3840, 1080}, {2, 71, 383, 108}},
        {{1920, 2160}, {96, 15, 195, 219}}, // one above the other: 194.67 + 0.4
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitOverview(c.screen, {383, 219}), c.fit) << c.screen.width();
}

TEST(ScreenFit, EveryScreenFitsCentredWithItsAspect) {
    for (int w = 200; w <= 8000; w += 97) {
        for (int h = 150; h <= 5000; h += 89) {
            const QRect r = FitOverview({w, h}, {383, 219});
            ASSERT_TRUE(r.width() == 383 || r.height() == 219) << w << "x" << h;
            ASSERT_LE(r.width(), 383) << w << "x" << h;
            ASSERT_LE(r.height(), 219) << w << "x" << h;
            // Centred within half a pixel; the free side is the exact one rounded with its
            // fraction above 0.1 counted as a whole pixel.
            ASSERT_LE(std::abs(2 * (r.left() - 2) + r.width() - 383), 1);
            ASSERT_LE(std::abs(2 * (r.top() - 15) + r.height() - 219), 1);
            const bool wide = (long double)w / 383 > (long double)h / 219;
            const long double exact = wide ? 383.0L * h / w : 219.0L * w / h;
            const int side = wide ? r.height() : r.width();
            ASSERT_GE(side, exact - 0.1L) << w << "x" << h;
            ASSERT_LE(side, exact + 0.9L) << w << "x" << h;
        }
    }
}

TEST(ScreenFit, MagnifierSourceRectangles) {
    const long double k1920 = 1920.0L / 383, k1024 = 1024.0L / 292;
    const struct {
        int cx, cy;
        long double k;
        QRect source;
    } cases[] = {
        {100, 50, k1920, {481, 236, 40, 30}},    {4, 3, k1920, {0, 0, 40, 30}},
        {379, 212, k1920, {1880, 1048, 40, 30}}, // the last marker place ends at the screen edge
        {100, 50, k1024, {337, 165, 28, 21}},    {4, 3, k1024, {0, 0, 28, 21}},
        {288, 216, k1024, {996, 747, 28, 21}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MagnifierSource(c.cx, c.cy, c.k), c.source) << c.cx << "," << c.cy;
}

TEST(ScreenFit, BmpNamesAndSaving) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"shot", "shot.bmp"}, {"shot.bmp", "shot.bmp"},     {"SHOT.BMP", "SHOT.BMP"},
        {"a.Bmp", "a.Bmp"},   {"shot.png", "shot.png.bmp"}, {"shot.bmp.txt", "shot.bmp.txt.bmp"},
        {"bmp", "bmp.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BmpFileName(c.chosen), QString(c.saved)) << c.chosen;

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage screen = positionScreen(1000, 600);
    ASSERT_TRUE(SaveScreenImage(screen, dir.filePath("shot")));
    const QImage back(dir.filePath("shot.bmp"), "BMP");
    ASSERT_EQ(back.size(), screen.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), screen);
    EXPECT_FALSE(QFile::exists(dir.filePath("shot.bmp.bmp")));
    EXPECT_FALSE(SaveScreenImage(screen, dir.filePath("missing/shot")));
    EXPECT_FALSE(SaveScreenImage(QImage(), dir.filePath("empty")));
}

TEST(DelayedScreenRefreshTest, CapturesOnTheSecondTick) {
    DelayedScreenRefresh timer;
    EXPECT_FALSE(timer.Tick()) << "a stopped timer does nothing";
    for (int round = 0; round < 2; ++round) {
        timer.Start();
        EXPECT_FALSE(timer.Tick());
        EXPECT_TRUE(timer.Running());
        timer.Start(); // entering the page again does not start the count over
        EXPECT_TRUE(timer.Tick());
        EXPECT_FALSE(timer.Running());
        EXPECT_EQ(timer.Ticks(), 0);
        EXPECT_FALSE(timer.Tick());
    }
}

TEST_F(ScreenPickerTest, CaptureFitsAndReducesByDroppingPixels) {
    for (QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
        changes = 0;
        capture(size);
        EXPECT_EQ(changes, unsigned(ChangedOverview));
        EXPECT_EQ(picker.OverviewRect(), FitOverview(size, {383, 219}));
        EXPECT_EQ(picker.ScreenImage().size(), size);
        EXPECT_EQ(picker.FragmentX(), ScreenPicker::NoMarker);
        const QImage& o = picker.Overview();
        ASSERT_EQ(o.size(), picker.OverviewRect().size());
        for (int y = 0; y < o.height(); y += 7)
            for (int x = 0; x < o.width(); x += 5)
                ASSERT_EQ(o.pixel(x, y),
                          picker.ScreenImage().pixel(x * size.width() / o.width(),
                                                     y * size.height() / o.height()));
    }
}

// The X server leaves the top byte of its copy undefined, and the capture leaves it so. Every
// picture made from the copy is opaque: drawn over a transparent ground, it covers it.
TEST_F(ScreenPickerTest, PicturesFromACopyWithoutItsTopByteAreOpaque) {
    QImage copy = positionScreen(1920, 1080);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            line[x] &= 0x00FFFFFFu;
    }
    FixedScreen screen(copy);
    ASSERT_TRUE(picker.CaptureScreen(screen));
    picker.SelectFragment(100, 50, false);
    for (const QImage* picture : {&picker.Overview(), &picker.CleanOverview(), &picker.MediumView(),
                                  &picker.LargeView()}) {
        QImage ground(picture->size(), QImage::Format_ARGB32_Premultiplied);
        ground.fill(Qt::transparent);
        QPainter(&ground).drawImage(0, 0, *picture);
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x)
                ASSERT_EQ(qAlpha(ground.pixel(x, y)), 255) << x << "," << y;
    }
    // What is read off the copy itself is whole.
    EXPECT_EQ(picker.ScreenImage().pixel(300, 200), qRgb(300 % 256, 200, 16));
}

TEST_F(ScreenPickerTest, CaptureKeepsViewsAndChoiceAndAFailedOneChangesNothing) {
    capture({1920, 1080});
    picker.SelectFragment(100, 50, true);
    const QImage medium = picker.MediumView(), overview = picker.Overview();
    const Color picked = picker.PickedScreenColor();
    FixedScreen broken{QImage()};
    changes = 0;
    EXPECT_FALSE(picker.CaptureScreen(broken));
    EXPECT_EQ(changes, 0u);
    EXPECT_EQ(picker.FragmentX(), 100);
    EXPECT_EQ(picker.Overview(), overview);
    capture({1024, 768});
    EXPECT_EQ(picker.MediumView(), medium);
    EXPECT_EQ(picker.PickedScreenColor(), picked);
    EXPECT_EQ(picker.Overview(), picker.CleanOverview()) << "the marker went with the old picture";
}

// A copy the server keeps: counts how often its pixels are brought over.
class CountedHeldCopy : public HeldCopy {
public:
    CountedHeldCopy(QSize size, QImage pixels, int& takes)
        : m_size(size), m_pixels(std::move(pixels)), m_takes(takes) {}
    QSize size() const override { return m_size; }
    QImage take() override {
        ++m_takes;
        return m_pixels;
    }

private:
    QSize m_size;
    QImage m_pixels;
    int& m_takes;
};

TEST_F(ScreenPickerTest, ACopyTheServerKeepsCrossesOverOnceWhenFirstRead) {
    capture({1024, 768});
    picker.SelectFragment(100, 50, false);
    int takes = 0;
    const QSize size(1920, 1080);
    changes = 0;
    ASSERT_TRUE(picker.SetScreenCopy(
        std::make_shared<CountedHeldCopy>(size, positionScreen(1920, 1080), takes)));
    EXPECT_EQ(takes, 0) << "taking the copy in must not read it";
    EXPECT_EQ(changes, unsigned(ChangedOverview));
    EXPECT_EQ(picker.OverviewRect(), FitOverview(size, {383, 219}));
    EXPECT_EQ(picker.FragmentX(), ScreenPicker::NoMarker);
    const QImage& o = picker.Overview();
    EXPECT_EQ(takes, 1);
    ASSERT_EQ(o.size(), picker.OverviewRect().size());
    EXPECT_EQ(o.pixel(200, 100), picker.ScreenImage().pixel(200 * 1920 / o.width(),
                                                            100 * 1080 / o.height()));
    picker.SelectFragment(100, 50, true);
    EXPECT_EQ(picker.ScreenImage().size(), size);
    EXPECT_EQ(takes, 1);

    // None at all changes nothing; a later copy in pixels replaces one never read.
    EXPECT_FALSE(picker.SetScreenCopy(nullptr));
    EXPECT_EQ(picker.FragmentX(), 100);
    int unread = 0;
    picker.SetScreenCopy(std::make_shared<CountedHeldCopy>(size, QImage(), unread));
    capture({1024, 768});
    EXPECT_EQ(picker.ScreenImage().size(), QSize(1024, 768));
    EXPECT_EQ(unread, 0);
}

// The server may lose its copy (no room for the pixmap): the page then shows an empty picture of
// the screen's size, and every view works on it.
TEST_F(ScreenPickerTest, ACopyTheServerLostReadsAsAnEmptyPicture) {
    int takes = 0;
    ASSERT_TRUE(
        picker.SetScreenCopy(std::make_shared<CountedHeldCopy>(QSize(1920, 1080), QImage(), takes)));
    EXPECT_EQ(picker.Overview().size(), picker.OverviewRect().size());
    EXPECT_EQ(picker.ScreenImage().size(), QSize(1920, 1080));
    picker.SelectFragment(100, 50, true);
    EXPECT_EQ(picker.PickedScreenColor(), EmptySlotColor);
    EXPECT_EQ(picker.MediumView().pixel(5, 5), rgbOf(EmptySlotColor));
    EXPECT_EQ(takes, 1);
}

TEST_F(ScreenPickerTest, MarkerInvertsItsOutlineOnceAndErasesExactly) {
    capture({1920, 1080});
    std::mt19937 random(7);
    std::vector<QPoint> points = {{0, 0}, {4, 3}, {382, 215}, {1000, -50}, {5, 200}, {379, 212}};
    for (int i = 0; i < 40; ++i)
        points.push_back({int(random() % 420) - 20, int(random() % 260) - 20});
    for (QPoint p : points) {
        picker.SelectFragment(p.x(), p.y(), false);
        expectOnlyMarker();
        if (HasFatalFailure()) return;
    }
    picker.SelectFragment(100, 50, false);
    picker.SelectFragment(100, 50, false); // the same place: erased, then drawn again
    expectOnlyMarker();
    int inverted = 0;
    for (int y = 0; y < 219; ++y)
        for (int x = 0; x < 383; ++x)
            inverted += onOutline(x, y, 100, 50);
    EXPECT_EQ(inverted, 2 * 9 + 2 * 5);
}

TEST_F(ScreenPickerTest, SelectClampsAndPicksTheUnclampedPixel) {
    capture({1920, 1080});
    const struct {
        int x, y, cx, cy;
    } cases[] = {
        {0, 0, 4, 3},         {-30, 500, 4, 213}, {1000, 1000, 379, 213},
        {200, 100, 200, 100}, {3, 214, 4, 213},
    };
    for (const auto& c : cases) {
        picker.OverviewPressed(Qt::RightButton, c.x, c.y);
        EXPECT_EQ(QPoint(picker.FragmentX(), picker.FragmentY()), QPoint(c.cx, c.cy))
            << c.x << "," << c.y;
        const int px = std::clamp(c.x, 0, 382), py = std::clamp(c.y, 0, 215);
        EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.CleanOverview().pixel(px, py))
            << c.x << "," << c.y;
    }
    const Color before = picker.PickedScreenColor();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton})
        picker.OverviewPressed(b, 10, 10);
    EXPECT_EQ(picker.PickedScreenColor(), before) << "only the right button picks";
    EXPECT_EQ(picker.FragmentX(), 10);
}

TEST_F(ScreenPickerTest, ArrowsRightAfterACaptureLandAtTheLeftEdge) {
    const struct {
        ArrowDirection d;
        int x, y;
    } cases[] = {
        {ArrowDirection::Left, 4, 50},
        {ArrowDirection::Up, 4, 47},
        {ArrowDirection::Right, 4, 50},
        {ArrowDirection::Down, 4, 53},
    };
    for (const auto& c : cases) {
        capture({1920, 1080});
        picker.SelectFragment(100, 50, false);
        capture({1920, 1080});
        picker.Arrow(c.d);
        EXPECT_EQ(QPoint(picker.FragmentX(), picker.FragmentY()), QPoint(c.x, c.y)) << int(c.d);
        expectOnlyMarker();
    }
}

TEST_F(ScreenPickerTest, ArrowsTakeTheStepAtEachClickAndStopAtTheLimits) {
    capture({1920, 1080});
    picker.SelectFragment(100, 50, false);
    picker.Arrow(ArrowDirection::Right);
    EXPECT_EQ(picker.FragmentX(), 103);
    picker.SetStep(10);
    picker.Arrow(ArrowDirection::Down);
    EXPECT_EQ(picker.FragmentY(), 60);
    for (int i = 0; i < 50; ++i)
        picker.Arrow(ArrowDirection::Right);
    EXPECT_EQ(picker.FragmentX(), 379);
    for (int i = 0; i < 50; ++i)
        picker.Arrow(ArrowDirection::Up);
    EXPECT_EQ(picker.FragmentY(), 3);
    picker.Arrow(ArrowDirection::Left);
    EXPECT_EQ(picker.FragmentX(), 369);
    expectOnlyMarker();
    for (int step : {0, 31, -4}) {
        changes = 0;
        picker.SetStep(step);
        EXPECT_EQ(picker.Step(), step < 1 ? 1 : 30);
        EXPECT_EQ(changes, unsigned(ChangedSpinEdits));
    }
}

TEST_F(ScreenPickerTest, MagnifiedViewsFollowTheFragment) {
    for (QSize size : {QSize(1920, 1080), QSize(1024, 768), QSize(3840, 2160)}) {
        capture(size);
        picker.SelectFragment(100, 50, false);
        const QRect src =
            MagnifierSource(100, 50, (long double)size.width() / picker.Overview().width());
        const QImage& medium = picker.MediumView();
        const QImage& large = picker.LargeView();
        ASSERT_EQ(medium.size(), QSize(40, 30));
        ASSERT_EQ(large.size(), QSize(160, 120));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(medium.pixel(x, y),
                          picker.ScreenImage().pixel(src.left() + x * src.width() / 40,
                                                     src.top() + y * src.height() / 30));
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x)
                ASSERT_EQ(large.pixel(x, y), medium.pixel(x / 4, y / 4));
    }
}

TEST_F(ScreenPickerTest, AveragedPicksByDiameter) {
    // Medium pixel (x, y) holds red 4x, green 8y: the large view repeats each 4 x 4.
    largeViewOf([](int x, int y) { return qRgb(4 * x, 8 * y, 100); });
    const QImage& large = picker.LargeView();
    auto average = [&](int x0, int y0, int x1, int y1) {
        long long r = 0, g = 0, b = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                r += qRed(large.pixel(x, y)), g += qGreen(large.pixel(x, y)),
                    b += qBlue(large.pixel(x, y));
        const long double n = (long double)(x1 - x0 + 1) * (y1 - y0 + 1);
        return RGB(Round(r / n), Round(g / n), Round(b / n));
    };
    const struct {
        int d, x, y, x0, y0, x1, y1;
    } cases[] = {
        {1, 37, 22, 37, 22, 37, 22},   {2, 10, 10, 10, 10, 11, 11},       {5, 0, 0, 0, 0, 2, 2},
        {200, 80, 60, 0, 0, 159, 119}, {200, 150, 100, 51, 1, 159, 119},  {3, 9, 9, 8, 8, 10, 10},
        {4, 9, 9, 8, 8, 11, 11},       {6, 158, 118, 156, 116, 159, 119},
    };
    for (const auto& c : cases) {
        picker.SetDiameter(c.d);
        EXPECT_TRUE(picker.PickAveraged(c.x, c.y));
        EXPECT_EQ(picker.PickedScreenColor(), average(c.x0, c.y0, c.x1, c.y1)) << "d=" << c.d;
    }
    picker.SetDiameter(1);
    picker.LargePressed(37, 22);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(9, 5));
}

TEST_F(ScreenPickerTest, AverageRoundsHalvesToEven) {
    // Reds 1 and 2 in columns 3 and 4 of the large view: a 2 x 2 square sums 6 over 4 -> 2;
    // with reds 2 and 3 it sums 10 over 4 -> 2 as well.
    picker.SetDiameter(2);
    for (auto [a, b] : {std::pair{1, 2}, std::pair{2, 3}}) {
        largeViewOf([a, b](int x, int) { return qRgb(x == 0 ? a : b, 0, 0); });
        picker.LargePressed(3, 0);
        EXPECT_EQ(GetRValue(picker.PickedScreenColor()), 2) << a + a + b + b << " / 4";
    }
}

TEST_F(ScreenPickerTest, AFailedAveragePutsTheDiameterBackToOne) {
    largeViewOf([](int x, int y) { return qRgb(x, y, 0); });
    picker.SetPickedColor(RGB(1, 2, 3));
    const struct {
        int d, x, y;
    } cases[] = {{0, 50, 50}, {201, 50, 50}, {-3, 50, 50}, {5, 400, 50}, {5, 50, -40}};
    for (const auto& c : cases) {
        picker.SetDiameter(c.d);
        changes = 0;
        EXPECT_FALSE(picker.PickAveraged(c.x, c.y)) << c.d;
        EXPECT_EQ(picker.Diameter(), 1);
        EXPECT_EQ(changes, unsigned(ChangedSpinEdits));
        EXPECT_EQ(picker.PickedScreenColor(), RGB(1, 2, 3));
    }
}

TEST_F(ScreenPickerTest, ViewsIgnoreTheirLastColumnAndRow) {
    capture({1920, 1080});
    picker.SelectFragment(100, 50, false);
    picker.SetDiameter(3);
    changes = 0;
    for (QPoint p :
         {QPoint(159, 10), QPoint(10, 119), QPoint(-1, 5), QPoint(5, -1), QPoint(160, 0)}) {
        picker.LargePressed(p.x(), p.y());
        picker.LargeMoved(Qt::LeftButton, Qt::NoModifier, p.x(), p.y());
    }
    for (QPoint p : {QPoint(39, 5), QPoint(10, 29), QPoint(-1, 0), QPoint(0, 30)}) {
        picker.MediumPressed(p.x(), p.y());
        picker.MediumMoved(Qt::LeftButton, Qt::NoModifier, p.x(), p.y());
    }
    EXPECT_EQ(changes, 0u);
    EXPECT_EQ(picker.PickedScreenColor(), ScreenPicker::Silver);
    EXPECT_EQ(picker.HoverColor(), ScreenPicker::Silver);
    EXPECT_TRUE(indicator.empty());
    picker.MediumPressed(38, 28);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(38, 28));
    EXPECT_EQ(rgbOf(picker.HoverColor()), picker.MediumView().pixel(38, 28));
    EXPECT_TRUE(indicator.empty()) << "a press on the medium view leaves the indicator alone";
    // Right or both buttons held over a view: the readout and the indicator follow, no pick.
    picker.MediumMoved(Qt::RightButton, Qt::NoModifier, 5, 6);
    picker.LargeMoved(Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 21, 33);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(38, 28));
    EXPECT_EQ(rgbOf(picker.HoverColor()), picker.LargeView().pixel(21, 33));
    EXPECT_EQ(indicator.size(), 2u);
    picker.MediumMoved(Qt::LeftButton, Qt::NoModifier, 5, 6);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), picker.MediumView().pixel(5, 6));
}

TEST_F(ScreenPickerTest, DragRulesOnTheOverview) {
    capture({1920, 1080});
    const QImage& clean = picker.CleanOverview();
    const struct {
        Qt::MouseButtons b;
        Qt::KeyboardModifiers m;
    } hoverOnly[] = {
        {Qt::LeftButton | Qt::RightButton, Qt::NoModifier},
        {Qt::LeftButton, Qt::ShiftModifier},
        {Qt::RightButton, Qt::ControlModifier},
        {Qt::LeftButton, Qt::AltModifier},
        {Qt::MiddleButton, Qt::NoModifier},
        {Qt::NoButton, Qt::NoModifier},
    };
    for (const auto& c : hoverOnly) {
        picker.OverviewMoved(c.b, c.m, 50, 40);
        EXPECT_EQ(picker.FragmentX(), ScreenPicker::NoMarker);
        EXPECT_EQ(picker.PickedScreenColor(), ScreenPicker::Silver);
        EXPECT_EQ(rgbOf(picker.HoverColor()), clean.pixel(50, 40));
    }
    ASSERT_EQ(indicator.size(), std::size(hoverOnly));
    EXPECT_EQ(rgbOf(indicator.back()), clean.pixel(50, 40));
    picker.OverviewMoved(Qt::LeftButton, Qt::NoModifier, 70, 30);
    EXPECT_EQ(QPoint(picker.FragmentX(), picker.FragmentY()), QPoint(70, 30));
    EXPECT_EQ(picker.PickedScreenColor(), ScreenPicker::Silver);
    picker.OverviewMoved(Qt::RightButton, Qt::NoModifier, 60, 40);
    EXPECT_EQ(picker.FragmentX(), 60);
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), clean.pixel(60, 40));
    // Dragged past the edge: the marker clamps, and the readout and the pick take the nearest
    // edge pixel of the capture.
    picker.OverviewMoved(Qt::RightButton, Qt::NoModifier, 500, -20);
    EXPECT_EQ(QPoint(picker.FragmentX(), picker.FragmentY()), QPoint(379, 3));
    EXPECT_EQ(rgbOf(picker.PickedScreenColor()), clean.pixel(382, 0));
    EXPECT_EQ(rgbOf(picker.HoverColor()), clean.pixel(382, 0));
}
