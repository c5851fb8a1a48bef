// The real program under a private X server: start, look, close.
#include "e2e/e2e_harness.h"
#include "palettes/refine_palette.h"
#include "core/color_model.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// The tile palette's top-left corner: its first two pixels are (7, 7, 7) and (15, 7, 7).
std::optional<QPoint> findTiles(const QImage& screen) {
    for (int y = 0; y < 507; ++y)
        for (int x = 0; x + 1 < 404; ++x)
            if (screen.pixel(x, y) == qRgb(7, 7, 7) && screen.pixel(x + 1, y) == qRgb(15, 7, 7))
                return QPoint(x, y);
    return std::nullopt;
}

class MainWindowE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    }

    XvfbDisplay display;
    HuebitProcess app{display};
};

} // namespace

TEST_F(MainWindowE2E, StartsShowsRefinePaletteAndClosesCleanly) {
    EXPECT_EQ(app.windowName(), QStringLiteral(" Huebit"));
    EXPECT_EQ(app.geometry(), QRect(0, 0, 404, 507));
    // No frame: the Motif hints carry decorations (flag 0x2) and ask for none of them.
    const QString hints = app.property(QStringLiteral("_MOTIF_WM_HINTS"));
    const QStringList fields = hints.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    ASSERT_EQ(fields.size(), 5) << hints.toStdString();
    EXPECT_EQ(fields[0].trimmed(), QStringLiteral("0x2"));
    EXPECT_EQ(fields[2].trimmed(), QStringLiteral("0x0"));
    ASSERT_TRUE(app.waitUntilOpaque());

    PixelBuffer refine(RefinePaletteWidth, RefinePaletteHeight);
    DrawRefinePalette(refine, StartColor);
    const auto at = FindExactly(display.screenshot(), refine);
    ASSERT_TRUE(at.has_value()) << "the refinement palette around (136, 87, 249) is not on screen";
    EXPECT_TRUE(QRect(0, 0, 404, 507).contains(QRect(*at, QSize(64, 128))));

    app.click({392, 11}); // the close icon
    const auto code = app.waitForExit(2000);
    ASSERT_TRUE(code.has_value()) << "still running 2 s after the close icon";
    EXPECT_EQ(*code, 0);
}

// Only points no control covers drag the window: the title strip and the window's own
// background. A press that misses a palette by a pixel lands on its page and moves nothing.
TEST_F(MainWindowE2E, BarePointsDragTheWindowAndIconsDoNot) {
    ASSERT_TRUE(app.waitUntilOpaque());
    const auto tiles = findTiles(display.screenshot());
    ASSERT_TRUE(tiles.has_value()) << "tile palette not on screen";
    const auto dragFrom = [this](QPoint at, QPoint by) {
        const QPoint start = app.geometry().topLeft() + at;
        app.press(at);
        app.moveToScreen(start + by / 2);
        app.moveToScreen(start + by);
        app.release();
        QThread::msleep(200);
    };
    dragFrom(*tiles + QPoint(-1, 40), {60, 40}); // one pixel left of the tile palette
    EXPECT_EQ(app.geometry().topLeft(), QPoint(0, 0));
    dragFrom({200, 12}, {100, 50}); // the title strip's picture
    EXPECT_EQ(app.geometry().topLeft(), QPoint(100, 50));
    dragFrom({402, 495}, {20, 10}); // the window's own background beside the About icon
    EXPECT_EQ(app.geometry().topLeft(), QPoint(120, 60));
    dragFrom({339, 11}, {200, 150}); // the hide icon takes the press itself
    EXPECT_EQ(app.geometry().topLeft(), QPoint(120, 60));
}
