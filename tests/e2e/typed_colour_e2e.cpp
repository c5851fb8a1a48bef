// Typing a whole colour into the text line of the running program.
#include "core/color_model.h"
#include "e2e/e2e_harness.h"
#include "palettes/refine_palette.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// The selection page's top-left corner in the window, under the page tabs.
constexpr QPoint Page(2, 49);
constexpr QPoint TemplateSelector = Page + QPoint(66 + 88, 327 + 11);
constexpr QPoint TextLine = Page + QPoint(246 + 74, 327 + 11);
constexpr QPoint SamplePoint = Page + QPoint(4 + 20, 358 + 10);
constexpr QPoint CopyTextButton = Page + QPoint(304 + 14, 394 + 14);

QRgb qrgbOf(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace

TEST(TypedColourE2E, WindowsNotationTypedIntoTheTextLine) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display;
    ASSERT_TRUE(display.ok());
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());
    ASSERT_EQ(display.screenshot().pixel(SamplePoint), qrgbOf(StartColor)) << "layout moved";

    app.click(TemplateSelector);
    app.key(QStringLiteral("Up Up")); // from "#hRhGhB - HTML" to "RGB(dR,dG,dB) - Windows"
    app.click(TextLine);
    app.key(QStringLiteral("ctrl+a"));
    app.type(QStringLiteral("RGB(255,000,128)"));
    app.key(QStringLiteral("Return"));
    QThread::msleep(300);

    const QImage screen = display.screenshot();
    EXPECT_EQ(screen.pixel(SamplePoint), qRgb(255, 0, 128));
    PixelBuffer refine(RefinePaletteWidth, RefinePaletteHeight);
    DrawRefinePalette(refine, RGB(255, 0, 128));
    EXPECT_TRUE(FindExactly(screen, refine).has_value()) << "refinement palette did not follow";

    app.click(CopyTextButton); // copies the line as shown, without taking the focus
    QThread::msleep(200);
    EXPECT_EQ(app.clipboardText(), QStringLiteral("RGB(255,0,128)"));
}
