// The window shell with the real binary: the first start's mini-window, the hover view, the
// floating panel, the tray icon in a standalone tray, a desktop without a tray, and a window
// kept on the second of two screens.

#include "e2e/e2e_harness.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

using namespace huebit::e2e;

namespace {

const QSize Mini(34, 23);
const QSize Full(404, 507);

// The opacity property as 0-255, or -1 without one.
double opacityOf(const HuebitProcess& app) {
    const QString p = app.property(QStringLiteral("_NET_WM_WINDOW_OPACITY"));
    if (!p.contains(QLatin1Char('='))) return -1;
    return p.section(QLatin1Char('='), 1).trimmed().toDouble() / 4294967295.0 * 255.0;
}

// The program's visible top-level windows of a size.
QString windowOfSize(const XvfbDisplay& display, QSize size) {
    const auto ids = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--class"), QStringLiteral("huebit")});
    for (const QString& id :
         QString::fromUtf8(ids.value_or(QByteArray())).split('\n', Qt::SkipEmptyParts)) {
        const auto geo = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                          {QStringLiteral("getwindowgeometry"), id});
        const QString text = QString::fromUtf8(geo.value_or(QByteArray()));
        if (text.contains(QStringLiteral("Geometry: %1x%2").arg(size.width()).arg(size.height())))
            return id;
    }
    return {};
}

// The leftmost point of a horizontal run of at least `length` pixels of colour `c`.
std::optional<QPoint> findRun(const QImage& shot, QRgb c, int length) {
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            run = (shot.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF) ? run + 1 : 0;
            if (run == length) return QPoint(x - length + 1, y);
        }
    }
    return std::nullopt;
}

// Debian's standalone tray on the display, found by Qt as an XEmbed tray.
bool startTray(const XvfbDisplay& display, QProcess& tray) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    tray.setProcessEnvironment(env);
    tray.start(QStringLiteral("trayer"),
               {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                QStringLiteral("--width"), QStringLiteral("100"), QStringLiteral("--height"),
                QStringLiteral("24"), QStringLiteral("--transparent"), QStringLiteral("false")});
    if (!tray.waitForStarted()) return false;
    // Up once it owns the tray selection of screen 0.
    return WaitFor(5000,
                   [&] {
                       const auto owner =
                           huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                            {QStringLiteral("search"), QStringLiteral("--class"),
                                             QStringLiteral("trayer")});
                       return owner.has_value() && !owner->isEmpty();
                   }) &&
           (QThread::msleep(500), true);
}

class ShellE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    }
    XvfbDisplay display;
};

} // namespace

TEST_F(ShellE2E, FirstStartIsATranslucentMiniWindowThatOpensOnHover) {
    // A plain background, so the screen copy the hover view makes can be recognised.
    QImage green(display.size(), QImage::Format_RGB32);
    green.fill(qRgb(20, 160, 40));
    ASSERT_TRUE(display.showBackground(green));
    HuebitProcess app(display);
    app.keepMiniWindow();
    app.moveToScreen({700, 600});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(WaitFor(3000, [&] { return app.geometry().size() == Mini; }));
    EXPECT_EQ(app.geometry().topLeft(), QPoint(0, 0));
    ASSERT_TRUE(WaitFor(3000, [&] { return std::abs(opacityOf(app) - 127) <= 0.5; }))
        << "opacity " << opacityOf(app);
    QThread::msleep(300); // the fade has stopped there
    EXPECT_NEAR(opacityOf(app), 127, 0.5);

    // Onto the mini-window: the full window opens, opaque, on the screen page with a new copy.
    QElapsedTimer clock;
    app.moveToScreen({20, 12});
    clock.start();
    ASSERT_TRUE(WaitFor(3000, [&] { return app.geometry().size() == Full; }));
    const qint64 opened = clock.elapsed();
    std::printf("[ measured ] hover view open after %lld ms\n", static_cast<long long>(opened));
    EXPECT_LT(opened, 1000) << "the 100 ms poll should open it within about 300 ms";
    ASSERT_TRUE(WaitFor(3000, [&] { return opacityOf(app) < 0 || opacityOf(app) > 254.5; }));
    ASSERT_TRUE(WaitFor(3000, [&] {
        const QImage shot = display.screenshot();
        // The screen page's overview shows the green screen reduced.
        return !shot.isNull() && findRun(shot.copy(0, 0, 404, 507), qRgb(20, 160, 40), 150);
    })) << "the screen page with a fresh copy is not shown";

    app.moveToScreen({700, 600});
    ASSERT_TRUE(WaitFor(3000, [&] { return app.geometry().size() == Mini; }));
    ASSERT_TRUE(WaitFor(3000, [&] { return std::abs(opacityOf(app) - 127) <= 0.5; }));
}

TEST_F(ShellE2E, TheSampleOpensTheFloatingPanelWhichFollowsUntilFrozen) {
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    const auto sample = findRun(display.screenshot(), qRgb(136, 87, 249), 250);
    ASSERT_TRUE(sample) << "sample not found";
    const QPoint inSample = *sample + QPoint(20, 20);
    app.moveToScreen(inSample);
    huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                     {QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                      QStringLiteral("1")});
    QString panel;
    ASSERT_TRUE(WaitFor(3000, [&] {
        return !(panel = windowOfSize(display, {247, 73})).isEmpty();
    }));
    const auto geo = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                      {QStringLiteral("getwindowgeometry"), panel});
    EXPECT_TRUE(QString::fromUtf8(geo.value_or("")).contains(QStringLiteral("Position: 220,582")));
    const QPoint face(230, 620);
    auto faceColour = [&] { return display.screenshot().pixel(face) & 0xFFFFFF; };
    EXPECT_EQ(faceColour(), qRgb(136, 87, 249) & 0xFFFFFF);

    // A colour picked from the tile palette reaches the panel.
    const QPoint tiles(8, 75); // the tile palette's corner, under the palette tabs
    app.moveToScreen(tiles + QPoint(40, 20));
    huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                     {QStringLiteral("click"), QStringLiteral("1")});
    QRgb picked = 0;
    ASSERT_TRUE(WaitFor(3000, [&] {
        picked = display.screenshot().pixel(inSample) & 0xFFFFFF;
        return picked != (qRgb(136, 87, 249) & 0xFFFFFF);
    })) << "the click did not change the sample";
    ASSERT_TRUE(WaitFor(3000, [&] { return faceColour() == picked; }));

    // Frozen ("Z" in the strip at the panel's left edge) it keeps that colour.
    app.moveToScreen({220 + 10, 582 + 30});
    QThread::msleep(200);
    app.moveToScreen({220 + 10, 582 + 48});
    huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                     {QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(200);
    app.moveToScreen(tiles + QPoint(120, 60));
    huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                     {QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(
        WaitFor(3000, [&] { return (display.screenshot().pixel(inSample) & 0xFFFFFF) != picked; }));
    QThread::msleep(300);
    EXPECT_EQ(faceColour(), picked) << "a frozen panel followed the colour";
}

// A panel stored for a monitor that is gone, or with no size, opens where it can be seen.
TEST_F(ShellE2E, AFloatingPanelStoredOffTheScreenOpensOnIt) {
    const struct {
        QRect stored;
        QSize shown;
    } cases[] = {
        {QRect(5000, 3000, 247, 73), QSize(247, 73)},
        {QRect(100, 100, 0, 0), QSize(21, 21)}, // an empty window is never mapped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.width());
        HuebitProcess app(display);
        huebit::SettingsRecord record;
        record.floatingPanel = c.stored;
        ASSERT_EQ(huebit::SaveSettingsFile(QDir(app.workDir()).filePath("Huebit.cnf"),
                                           huebit::ToSettingsBuffer(record)),
                  QString());
        ASSERT_TRUE(app.start());
        app.click({34, 35}); // "Подбор "
        app.click({318, 422}); // "Показать/скрыть выносную панель" beside the sample
        QString panel;
        ASSERT_TRUE(WaitFor(5000, [&] {
            return !(panel = windowOfSize(display, c.shown)).isEmpty();
        })) << "no panel of that size was shown";
        const auto geo = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                          {QStringLiteral("getwindowgeometry"), panel});
        const auto at = QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)"))
                            .match(QString::fromUtf8(geo.value_or("")));
        ASSERT_TRUE(at.hasMatch());
        const QRect shown(at.captured(1).toInt(), at.captured(2).toInt(), c.shown.width(),
                          c.shown.height());
        EXPECT_TRUE(QRect(QPoint(0, 0), display.size()).contains(shown))
            << shown.x() << "," << shown.y();
    }
}

TEST_F(ShellE2E, TheTrayIconHidesAndShowsTheWindow) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
        GTEST_SKIP() << "trayer is not installed";
    QProcess tray;
    ASSERT_TRUE(startTray(display, tray));

    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    QString icon;
    ASSERT_TRUE(WaitFor(5000, [&] {
        return !(icon = windowOfSize(display, {22, 22})).isEmpty();
    })) << "no icon in the tray";
    // The taskbar entry goes once the tray icon stands for the program.
    EXPECT_TRUE(WaitFor(3000, [&] {
        return app.property(QStringLiteral("_NET_WM_STATE"))
            .contains(QLatin1String("SKIP_TASKBAR"));
    }));
    auto clickIcon = [&] {
        huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                         {QStringLiteral("mousemove"), QStringLiteral("--window"), icon,
                          QStringLiteral("11"), QStringLiteral("11"), QStringLiteral("click"),
                          QStringLiteral("1")});
    };
    clickIcon();
    ASSERT_TRUE(app.waitUntilShown(false, 3000)) << "a click on the icon did not hide the window";
    QThread::msleep(600); // past a double click
    clickIcon();
    ASSERT_TRUE(app.waitUntilShown(true, 3000)) << "a second click did not show it again";
    EXPECT_TRUE(WaitFor(3000, [&] {
        return app.property(QStringLiteral("_NET_WM_STATE"))
            .contains(QLatin1String("SKIP_TASKBAR"));
    })) << "the taskbar entry came back with the window";
    tray.kill();
    tray.waitForFinished();
}

TEST_F(ShellE2E, ATrayThatComesLaterGetsTheIconAndATrayThatGoesGivesTheTaskbarBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
        GTEST_SKIP() << "trayer is not installed";
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    const QString state = QStringLiteral("_NET_WM_STATE");
    QThread::msleep(500);
    EXPECT_FALSE(app.property(state).contains(QLatin1String("SKIP_TASKBAR")));
    QProcess tray;
    ASSERT_TRUE(startTray(display, tray));
    EXPECT_TRUE(WaitFor(5000, [&] {
        return !windowOfSize(display, {22, 22}).isEmpty();
    })) << "no icon in the tray that came later";
    EXPECT_TRUE(
        WaitFor(5000, [&] { return app.property(state).contains(QLatin1String("SKIP_TASKBAR")); }));
    tray.kill();
    tray.waitForFinished();
    EXPECT_TRUE(WaitFor(5000, [&] {
        return !app.property(state).contains(QLatin1String("SKIP_TASKBAR"));
    })) << "the taskbar entry did not come back with the tray gone";
}

TEST_F(ShellE2E, WithoutATrayHidingLeavesTheProgramReachable) {
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    app.click({339, 11}); // "Свернуть"
    QThread::msleep(500);
    EXPECT_TRUE(app.waitUntilShown(true, 1000)) << "the window went with no tray to come back from";
    EXPECT_FALSE(
        app.property(QStringLiteral("_NET_WM_STATE")).contains(QLatin1String("SKIP_TASKBAR")));
    // A second start still finds it and brings it forward.
    app.openFullWindow();
    EXPECT_EQ(app.geometry().size(), Full);
}

TEST_F(ShellE2E, StayOnTopSwitchesInPlaceAndTheProgramIconDragsTheWindow) {
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    const QString state = QStringLiteral("_NET_WM_STATE");
    EXPECT_TRUE(app.property(state).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
    app.click({176, 36}); // "Настройка "
    app.click({28, 189}); // "Располагать поверх всех окон"
    ASSERT_TRUE(
        WaitFor(2000, [&] { return !app.property(state).contains(QLatin1String("ABOVE")); }));
    // The same window, where it was, as large and as opaque as before.
    EXPECT_EQ(app.geometry(), QRect(0, 0, 404, 507));
    EXPECT_TRUE(app.waitUntilOpaque(500));
    EXPECT_TRUE(app.waitUntilShown(true, 500));
    app.click({28, 189});
    ASSERT_TRUE(
        WaitFor(2000, [&] { return app.property(state).contains(QLatin1String("ABOVE")); }));

    // Only the primary button drags by the program icon.
    app.press({16, 11}, 3);
    app.moveTo({60, 40});
    app.release(3);
    EXPECT_EQ(app.geometry().topLeft(), QPoint(0, 0));
    app.press({16, 11});
    app.moveToScreen({60, 40}); // on the screen: the window moves under the pointer
    app.moveToScreen({116, 61});
    app.release();
    EXPECT_TRUE(WaitFor(2000, [&] { return app.geometry().topLeft() == QPoint(100, 50); }))
        << app.geometry().x() << "," << app.geometry().y();
}

// Xvfb stacks its Xinerama screens rather than placing them side by side, so one 2048 x 768
// screen is split into two 1024 x 768 RandR monitors, which Qt takes for two screens.
bool splitIntoTwoMonitors(const XvfbDisplay& display) {
    const auto monitor = [&](const char* name, const char* geometry, const char* output) {
        return huebit::e2e::Run(display.name(), QStringLiteral("xrandr"),
                                {QStringLiteral("--setmonitor"), QString::fromLatin1(name),
                                 QString::fromLatin1(geometry), QString::fromLatin1(output)})
            .has_value();
    };
    return monitor("*left", "1024/270x768/203+0+0", "screen") &&
           monitor("right", "1024/270x768/203+1024+0", "none");
}

TEST(TwoScreensE2E, AWindowOnTheSecondScreenStaysThere) {
    QStringList missing = MissingTools();
    if (QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty()) missing << "xrandr";
    if (!missing.isEmpty()) GTEST_SKIP() << "missing tools: " << missing.join(' ').toStdString();
    XvfbDisplay display({2048, 768});
    ASSERT_TRUE(display.ok());
    ASSERT_TRUE(splitIntoTwoMonitors(display));
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    auto moveWindow = [&](QPoint to) {
        huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                         {QStringLiteral("windowmove"), app.windowId(), QString::number(to.x()),
                          QString::number(to.y())});
    };
    moveWindow({1500, 100});
    ASSERT_TRUE(WaitFor(2000, [&] { return app.geometry().topLeft() == QPoint(1500, 100); }));
    QThread::msleep(1200); // more than two checks
    EXPECT_EQ(app.geometry().topLeft(), QPoint(1500, 100)) << "pulled off the second screen";
    // Past the second screen's right edge it comes back so that 34 pixels show.
    moveWindow({2040, 100});
    EXPECT_TRUE(WaitFor(3000, [&] { return app.geometry().topLeft() == QPoint(2014, 100); }))
        << app.geometry().x() << "," << app.geometry().y();
}
