// Two monitors side by side: the screen copy holds both, and a colour shown only on the second
// one is picked. Xvfb puts its Xinerama screens on top of each other, so one 3840 x 1080 screen
// is split into two 1920 x 1080 RandR monitors, which Qt sees as two screens, the left one
// primary, just as on a desk with two monitors. A window dragged onto a monitor of another
// device pixel ratio shows the decoration drawn for that ratio.
#include "assets/baked_pictures.h"
#include "e2e/e2e_harness.h"
#include "e2e/find_picture.h"
#include "screen/screen_picker.h"

#include <QColorSpace>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);
constexpr QPoint ScreenTab(100, 34);
constexpr QPoint CopyText = Page + QPoint(360 + 17, 278 + 17);
constexpr QRgb LeftColour = qRgb(20, 40, 60);
constexpr QRgb SecondOnly = qRgb(200, 30, 90);

void settle() {
    QThread::msleep(300);
}

bool splitIntoTwoMonitors(const XvfbDisplay& display) {
    const auto monitor = [&](const char* name, const char* geometry, const char* output) {
        return Run(display.name(), QStringLiteral("xrandr"),
                   {QStringLiteral("--setmonitor"), QString::fromLatin1(name),
                    QString::fromLatin1(geometry), QString::fromLatin1(output)})
            .has_value();
    };
    if (!monitor("*left", "1920/508x1080/286+0+0", "screen") ||
        !monitor("right", "1920/508x1080/286+1920+0", "none"))
        return false;
    const auto list =
        Run(display.name(), QStringLiteral("xrandr"), {QStringLiteral("--listmonitors")});
    return list && list->startsWith("Monitors: 2");
}

// What these tests need beyond the usual tools: xrandr splits the display into monitors.
QString missingMonitorTools() {
    QStringList missing = MissingTools();
    if (QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty()) missing << "xrandr";
    return missing.join(' ');
}

} // namespace

TEST(MonitorsE2E, AColourShownOnlyOnTheSecondMonitorIsPicked) {
    if (const QString missing = missingMonitorTools(); !missing.isEmpty())
        GTEST_SKIP() << "missing tools: " << missing.toStdString();
    XvfbDisplay display({3840, 1080});
    ASSERT_TRUE(display.ok());
    ASSERT_TRUE(splitIntoTwoMonitors(display));
    // The left monitor plain, the right one striped with a colour found nowhere else.
    QImage desk(display.size(), QImage::Format_RGB32);
    for (int y = 0; y < desk.height(); ++y)
        for (int x = 0; x < desk.width(); ++x)
            desk.setPixel(x, y, x < 1920 ? LeftColour : (y / 40) % 2 ? SecondOnly : qRgb(0, 0, 0));
    ASSERT_TRUE(display.showBackground(desk));

    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());
    ScreenPicker expected;
    FixedScreen fake(desk);
    expected.CaptureScreen(fake);
    ASSERT_EQ(expected.OverviewRect().size(), QSize(383, 108));

    app.click(ScreenTab);
    settle();
    ASSERT_TRUE(app.waitUntilShown(true));
    ASSERT_TRUE(app.waitUntilOpaque());
    settle();
    const auto found = FindPicture(display.screenshot(), expected.CleanOverview());
    ASSERT_TRUE(found) << "the overview does not show the whole desktop";
    const QPoint overview = *found - app.geometry().topLeft();

    // Overview row 30 is screen row 300, a coloured stripe on the right.
    const struct {
        QPoint at;
        const char* colour;
    } picks[] = {{{300, 30}, "#C81E5A"}, {{20, 30}, "#14283C"}, {{300, 34}, "#000000"}};
    for (const auto& p : picks) {
        SCOPED_TRACE(p.at.x() * 1000 + p.at.y());
        app.click(overview + p.at, 3);
        settle();
        app.click(CopyText);
        settle();
        expected.SelectFragment(p.at.x(), p.at.y(), true);
        EXPECT_EQ(Html(expected.PickedScreenColor()), p.colour);
        EXPECT_EQ(app.clipboardText().toStdString(), p.colour);
    }
}

// Opened on an ordinary monitor and dragged onto one of ratio 2, the window shows the title
// strip's larger drawing there pixel for pixel, not the ordinary one enlarged.
TEST(MonitorsE2E, TheTitleStripIsDrawnAnewOnAMonitorOfAnotherRatio) {
    if (const QString missing = missingMonitorTools(); !missing.isEmpty())
        GTEST_SKIP() << "missing tools: " << missing.toStdString();
    XvfbDisplay display({3840, 1080});
    ASSERT_TRUE(display.ok());
    ASSERT_TRUE(splitIntoTwoMonitors(display));
    HuebitProcess app(display);
    app.setEnvironment(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("left=1;right=2"));
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());
    ASSERT_EQ(app.geometry().size(), QSize(404, 507));

    const QPoint grip(200, 12);
    app.press(grip);
    app.moveToScreen(app.geometry().topLeft() + grip + QPoint(900, 0));
    app.moveToScreen(QPoint(2200, 100) + grip);
    app.release();
    ASSERT_TRUE(WaitFor(10000, [&] { return app.geometry().size() == QSize(808, 1014); }))
        << "not redrawn at twice the size on the right monitor";
    settle();
    // Logical columns 100 to 300 of the strip above the page tabs: nothing lies on it there.
    const QImage expected = BakedPictureImage("title@2x.jpg")
                                .copy(200, 0, 400, 48)
                                .convertToFormat(QImage::Format_RGB888);
    QImage shown = display.screenshot()
                       .copy(QRect(app.geometry().topLeft() + QPoint(200, 0), expected.size()))
                       .convertToFormat(QImage::Format_RGB888);
    shown.setColorSpace(QColorSpace()); // pixels only
    EXPECT_EQ(shown, expected);
}
