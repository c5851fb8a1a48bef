// The program under QT_SCALE_FACTOR=2: the window is drawn twice as large, every pick still
// reads the pixel under the pointer, on the palettes and on the screen copy alike, and the
// decoration pictures are the ones drawn at twice their size.
#include "assets/baked_pictures.h"
#include "e2e/e2e_harness.h"
#include "e2e/find_picture.h"
#include "palettes/embedded_palettes.h"
#include "screen/screen_picker.h"

#include <QPainter>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr int Scale = 2;
constexpr QPoint Page(2, 49);
constexpr QPoint ScreenTab(100, 34);
constexpr QPoint CopyText = Page + QPoint(360 + 17, 278 + 17);
constexpr QPoint SelectionCopyText = Page + QPoint(304 + 14, 394 + 14);
constexpr QPoint PreviousSlot0 = Page + QPoint(40 + 2, 190 + 2);

// A logical window point in device pixels, in the lower right of its 2 x 2 block: the half that
// arrives as x.5 and that rounding would give to the next pixel.
QPoint lowerRight(QPoint logical) {
    return logical * Scale + QPoint(1, 1);
}

// The tile palette's top-left corner, each pixel drawn 2 x 2: (7, 7, 7) twice, then (15, 7, 7).
std::optional<QPoint> findTiles(const QImage& screen) {
    const QRgb a = qRgb(7, 7, 7), b = qRgb(15, 7, 7);
    for (int y = 0; y + 1 < screen.height(); ++y)
        for (int x = 0; x + 3 < screen.width(); ++x)
            if (screen.pixel(x, y) == a && screen.pixel(x + 1, y) == a &&
                screen.pixel(x + 2, y) == b && screen.pixel(x + 1, y + 1) == a)
                return QPoint(x, y);
    return std::nullopt;
}

void settle() {
    QThread::msleep(300);
}

// The lightest pixel of a patch: the ground a drawing lies on.
QRgb Lightest(const QImage& patch) {
    QRgb lightest = patch.pixel(0, 0);
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x)
            if (qGray(patch.pixel(x, y)) > qGray(lightest)) lightest = patch.pixel(x, y);
    return lightest;
}

// How soft a drawing's edges are: the number of its pixels that are blends of ground and ink,
// by lightness (the ground the lightest pixel, the ink the darkest), leaving out a sixth at
// either end, where the title strip's own shading and grain lie.
int BlendedPixels(const QImage& patch) {
    const int ground = qGray(Lightest(patch));
    int ink = ground;
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x)
            ink = std::min(ink, qGray(patch.pixel(x, y)));
    int blended = 0;
    for (int y = 0; y < patch.height(); ++y)
        for (int x = 0; x < patch.width(); ++x) {
            const double t = double(ground - qGray(patch.pixel(x, y))) / std::max(1, ground - ink);
            blended += t > 1.0 / 6 && t < 5.0 / 6;
        }
    return blended;
}

// The ordinary drawing of `name` enlarged on a plain `ground`, smoothly as a painter enlarges a
// picture for a larger screen: what the window showed before it had the larger drawings.
QImage EnlargedOrdinaryDrawing(const char* name, QRgb ground) {
    const QImage picture = BakedPictureImage(name);
    QImage on(picture.size() * Scale, QImage::Format_RGB32);
    on.fill(ground);
    QPainter painter(&on);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(on.rect(), picture);
    return on;
}

class HiDpiE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok());
        app.setEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QString::number(Scale));
    }
    void start() {
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
        ASSERT_EQ(app.geometry().size(), QSize(404, 507) * Scale) << "not scaled as a whole";
    }
    // Where `picture` is shown, twice as large, in window device pixels.
    std::optional<QPoint> locate(const QImage& picture) {
        const auto found = FindPicture(display.screenshot(), picture, Scale);
        if (!found) return std::nullopt;
        return *found - app.geometry().topLeft();
    }
    std::string copiedPick() {
        settle();
        app.click(lowerRight(CopyText));
        settle();
        return app.clipboardText().toStdString();
    }

    XvfbDisplay display{{2048, 1536}};
    HuebitProcess app{display};
};

} // namespace

TEST_F(HiDpiE2E, ATilePixelIsPickedFromEitherHalfOfItsBlock) {
    const PixelBuffer tiles = MakeTilePalette();
    ASSERT_EQ(tiles.pixel(100, 50), RGB(39, 151, 63));
    ASSERT_NE(tiles.pixel(101, 51), RGB(39, 151, 63)) << "rounding would go unnoticed here";
    start();
    const auto found = findTiles(display.screenshot());
    ASSERT_TRUE(found) << "tile palette not on screen";
    const QPoint origin = *found - app.geometry().topLeft();
    for (const QPoint inBlock : {QPoint(0, 0), QPoint(1, 1), QPoint(1, 0), QPoint(0, 1)}) {
        SCOPED_TRACE(inBlock.x() * 10 + inBlock.y());
        app.click(origin + QPoint(10, 10) * Scale); // another colour first, so a miss shows
        settle();
        app.click(origin + QPoint(100, 50) * Scale + inBlock);
        settle();
        EXPECT_EQ(display.screenshot().pixel(app.geometry().topLeft() + lowerRight(PreviousSlot0)),
                  qRgb(39, 151, 63));
        app.click(lowerRight(SelectionCopyText));
        settle();
        EXPECT_EQ(app.clipboardText(), QStringLiteral("#27973F"));
    }
}

TEST_F(HiDpiE2E, OnePixelStripesArePickedExactlyThroughOverviewAndMagnifier) {
    const QImage screen = PositionPicture(display.size());
    ASSERT_TRUE(display.showBackground(screen));
    start();
    ScreenPicker expected;
    FixedScreen fake(screen);
    expected.CaptureScreen(fake);

    app.click(lowerRight(ScreenTab));
    settle();
    ASSERT_TRUE(app.waitUntilShown(true));
    ASSERT_TRUE(app.waitUntilOpaque());
    settle();
    const auto overview = locate(expected.CleanOverview());
    ASSERT_TRUE(overview) << "the overview is not the device-pixel screen reduced";
    const QSize size = expected.OverviewRect().size();
    // Each point in the half of its block that Qt rounds up, but for the last column and row:
    // Qt finds the widget under the pointer after rounding, so there that half belongs to the
    // neighbour and never reaches the view.
    const struct {
        QPoint at, inBlock;
    } points[] = {{{0, 0}, {1, 1}},
                  {{size.width() / 2, size.height() / 2}, {1, 1}},
                  {{77, 3}, {1, 0}},
                  {{size.width() - 2, 5}, {1, 1}},
                  {{size.width() - 1, size.height() - 1}, {0, 0}}};
    for (const auto& [at, inBlock] : points) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        app.click(*overview + at * Scale + inBlock, 3);
        expected.SelectFragment(at.x(), at.y(), true);
        EXPECT_EQ(copiedPick(), Html(expected.PickedScreenColor()));
    }

    app.click(*overview + QPoint(150, 100) * Scale + QPoint(1, 1));
    expected.SelectFragment(150, 100, false);
    settle();
    const auto medium = locate(expected.MediumView());
    ASSERT_TRUE(medium) << "the medium view does not hold the screen's own pixels";
    for (const QPoint at : {QPoint(0, 0), QPoint(17, 11), QPoint(38, 28)}) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        app.click(*medium + at * Scale + QPoint(1, 1));
        expected.MediumPressed(at.x(), at.y());
        EXPECT_EQ(copiedPick(), Html(expected.PickedScreenColor()));
    }
    const auto large = locate(expected.LargeView());
    ASSERT_TRUE(large);
    for (const QPoint at : {QPoint(0, 0), QPoint(81, 57), QPoint(158, 118)}) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        app.click(*large + at * Scale + QPoint(1, 1));
        expected.LargePressed(at.x(), at.y());
        EXPECT_EQ(copiedPick(), Html(expected.PickedScreenColor()));
    }
}

// The title strip's icons and name, and the About icon below, are drawn for the screen's ratio:
// their edges are measurably crisper than the ordinary drawings enlarged.
TEST_F(HiDpiE2E, DecorationsAreDrawnAtTwiceTheirSize) {
    start();
    settle();
    const QImage screen = display.screenshot();
    const struct {
        const char* name;
        QRect at; // logical, in the window
    } decorations[] = {{"name.png", {32, 7, 60, 8}},
                       {"hide.png", {332, 4, 14, 14}},
                       {"shrink.png", {365, 4, 14, 14}},
                       {"close.png", {385, 4, 14, 14}},
                       {"about_icon.png", {384, 487, 16, 16}}};
    for (const auto& [name, at] : decorations) {
        SCOPED_TRACE(name);
        const QRect device(app.geometry().topLeft() + at.topLeft() * Scale, at.size() * Scale);
        const QImage shown = screen.copy(device);
        const int soft = BlendedPixels(EnlargedOrdinaryDrawing(name, Lightest(shown)));
        const int crisp = BlendedPixels(shown);
        // Enlarged, the edges blend over two pixels; drawn for the screen, over about one. The
        // window without the larger drawings shows as many blends as the enlargement.
        EXPECT_LT(crisp, soft * 0.6) << "blends shown " << crisp << ", enlarged " << soft;
    }
}
