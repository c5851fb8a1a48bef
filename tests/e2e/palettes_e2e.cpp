// Picking from the embedded palettes of the running program.
#include "core/color_model.h"
#include "e2e/e2e_harness.h"
#include "palettes/embedded_palettes.h"
#include "palettes/refine_palette.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);                      // the selection page in the window
constexpr QPoint PreviousSlot0 = Page + QPoint(40 + 2, 190 + 2);
constexpr QPoint RingTab = Page + QPoint(120, 13); // "Круг " on the palette page set

QRgb qrgbOf(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The tile palette's top-left corner: its first two pixels are (7, 7, 7) and (15, 7, 7).
std::optional<QPoint> findTiles(const QImage& screen) {
    for (int y = 0; y < 507; ++y)
        for (int x = 0; x + 1 < 404; ++x)
            if (screen.pixel(x, y) == qRgb(7, 7, 7) && screen.pixel(x + 1, y) == qRgb(15, 7, 7))
                return QPoint(x, y);
    return std::nullopt;
}

bool refineDrawnAround(const QImage& screen, Color c) {
    PixelBuffer refine(RefinePaletteWidth, RefinePaletteHeight);
    DrawRefinePalette(refine, c);
    return FindExactly(screen, refine).has_value();
}

class PalettesE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok());
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
        const auto tiles = findTiles(display.screenshot());
        ASSERT_TRUE(tiles) << "tile palette not on screen";
        origin = *tiles;
    }
    void settle() const { QThread::msleep(250); }

    XvfbDisplay display;
    HuebitProcess app{display};
    QPoint origin; // of the palette area, shared by the tile and the ring palettes
};

} // namespace

TEST_F(PalettesE2E, LeftClickOnTheTilesSetsTheBackgroundAndRecordsIt) {
    app.click(origin + QPoint(100, 50));
    settle();
    const QImage screen = display.screenshot();
    EXPECT_EQ(screen.pixel(PreviousSlot0), qRgb(39, 151, 63));
    EXPECT_TRUE(refineDrawnAround(screen, RGB(39, 151, 63)));
    EXPECT_EQ(screen.pixel(Page + QPoint(4 + 20, 358 + 10)), qRgb(39, 151, 63)) << "sample";
}

TEST_F(PalettesE2E, RightDragOverTheRingEditsTheTextColourAndRecordsOnRelease) {
    const PixelBuffer ring = MakeRingPalette();
    app.click(RingTab);
    settle();
    app.press(origin + QPoint(20, 30), 3);
    app.moveTo(origin + QPoint(8, 64));
    settle();
    QImage screen = display.screenshot();
    EXPECT_TRUE(refineDrawnAround(screen, ring.pixel(8, 64))) << "the text colour did not follow";
    EXPECT_EQ(screen.pixel(PreviousSlot0), qrgbOf(StartColor)) << "recorded during the drag";
    app.moveTo(origin + QPoint(64, 120));
    app.release(3);
    settle();
    screen = display.screenshot();
    EXPECT_EQ(screen.pixel(PreviousSlot0), qrgbOf(ring.pixel(64, 120)));
    EXPECT_EQ(screen.pixel(Page + QPoint(4 + 20, 358 + 10)), qrgbOf(StartColor))
        << "the background must stay";
}
