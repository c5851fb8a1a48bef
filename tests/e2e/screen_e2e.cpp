// Taking a colour off the screen in the running program, and out through the clipboard.
#include "e2e/e2e_harness.h"
#include "output/clipboard_export.h"
#include "screen/screen_picker.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);                    // the page area in the window
constexpr QPoint ScreenTab(100, 34);             // "Экран "
constexpr QPoint Group(4, 240);                  // " Выберите цвет " in the page
constexpr QPoint LargeView = Page + Group + QPoint(7, 21);
constexpr QPoint Diameter = Page + Group + QPoint(311 + 12, 111 + 11);
constexpr QPoint CopyText = Page + QPoint(360 + 17, 278 + 17);
constexpr QPoint CopyBitmap = Page + QPoint(360 + 17, 318 + 17);
constexpr QPoint Apply = Page + QPoint(53 + 72, 400 + 12);
constexpr QPoint SelectionCopyText = Page + QPoint(304 + 14, 394 + 14);

constexpr Color Left = RGB(10, 200, 30);
constexpr Color Right = RGB(250, 100, 5);

QImage twoHalves(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const Color c = x < size.width() / 2 ? Left : Right;
            img.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    return img;
}

void settle() { QThread::msleep(300); }

} // namespace

TEST(ScreenE2E, PickFromTheScreenApplyAndCopy) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display;
    ASSERT_TRUE(display.ok());
    const QImage screen = twoHalves(display.size());
    ASSERT_TRUE(display.showBackground(screen));
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());

    // The same gestures on the model, with the same screen, tell what the program must pick.
    ScreenPicker expected;
    FixedScreen fake(screen);
    expected.CaptureScreen(fake);
    const QPoint overview = Page + QPoint(4, 0) + expected.OverviewRect().topLeft();

    app.click(ScreenTab);
    settle(); // the capture runs two timer ticks after the page is shown
    ASSERT_TRUE(app.waitUntilOpaque());
    app.click(overview + QPoint(200, 100), 3); // right button: fragment and colour at once
    settle();
    app.click(CopyText);
    settle();
    EXPECT_EQ(app.clipboardText(), QStringLiteral("#FA6405"));

    // A fragment across the border, averaged over the whole large view.
    const int border = expected.OverviewRect().width() / 2;
    expected.SelectFragment(border, 100, false);
    expected.SetDiameter(200);
    expected.PickAveraged(80, 60);
    const Color average = expected.PickedScreenColor();
    ASSERT_NE(average, Left);
    ASSERT_NE(average, Right);
    app.click(overview + QPoint(border, 100));
    app.click(Diameter);
    app.key(QStringLiteral("ctrl+a"));
    app.type(QStringLiteral("200"));
    app.key(QStringLiteral("Tab"));
    app.click(LargeView + QPoint(80, 60));
    settle();

    app.click(CopyBitmap);
    settle();
    const QImage sample = QImage::fromData(app.clipboard(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(sample.size(), QSize(20, 20));
    const QRgb want = qRgb(GetRValue(average), GetGValue(average), GetBValue(average));
    EXPECT_EQ(sample.pixel(0, 0), want);
    EXPECT_EQ(sample.pixel(19, 19), want); // the screen page's bitmap has no contour

    app.click(Apply); // hands the colour to the selection page and shows it
    settle();
    app.click(SelectionCopyText);
    settle();
    EXPECT_EQ(app.clipboardText(), PickedColorText(QStringLiteral("#hRhGhB - HTML"), average));
}
