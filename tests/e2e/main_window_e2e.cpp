// The real program under a private X server: start, look, close.
#include "e2e/e2e_harness.h"
#include "palettes/refine_palette.h"
#include "core/color_model.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

class MainWindowE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const QStringList missing = MissingTools();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing tools: " << missing.join(' ').toStdString();
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

TEST_F(MainWindowE2E, BarePointsDragTheWindowAndIconsDoNot) {
    ASSERT_TRUE(app.waitUntilOpaque());
    app.press({200, 12}); // the title strip's picture; the window starts at the screen's corner
    app.moveToScreen({260, 40});
    app.moveToScreen({300, 62});
    app.release();
    QThread::msleep(200);
    EXPECT_EQ(app.geometry().topLeft(), QPoint(100, 50));
    app.press({339, 11}); // the hide icon takes the press itself
    app.moveToScreen({500, 200});
    app.release();
    QThread::msleep(200);
    EXPECT_EQ(app.geometry().topLeft(), QPoint(100, 50));
}
