// `huebit --pick`: the frozen overlay driven with xdotool, its output, the clipboard after it
// has ended, and where the colour goes (a running window, else the settings file).
#include "app/pick_flow.h"
#include "e2e/e2e_harness.h"
#include "output/clipboard_sample.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr Color Left = RGB(10, 200, 30);
constexpr Color Right = RGB(250, 100, 5);
constexpr QSize Screen{1024, 768};
constexpr int Border = 512; // the first column of the right half

QImage twoHalves(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x) {
        const Color c = x < Border ? Left : Right;
        const QRgb rgb = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        for (int y = 0; y < size.height(); ++y)
            img.setPixel(x, y, rgb);
    }
    return img;
}

// One `huebit --pick` from the copy of the program in `app`'s folder, sharing its environment
// (so it finds the same settings file and the same running window).
class Pick {
public:
    Pick(const XvfbDisplay& display, const HuebitProcess& app, const QStringList& options,
         const QString& scale = {})
        : m_display(display) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!scale.isEmpty()) env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), display.runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), app.workDir() + QStringLiteral("/config"));
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(app.workDir());
        m_process.start(app.workDir() + QStringLiteral("/huebit"),
                        QStringList{QStringLiteral("--pick")} + options);
    }
    ~Pick() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    /// Waits for the overlay, puts the pointer at `at` and waits until the loupe, beside it,
    /// shows: from then on the overlay answers the pointer.
    bool pointAt(QPoint at) {
        if (!WaitFor(20000, [this] { return overlayShown(); })) return false;
        return WaitFor(20000, [this, at] {
            xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
            // The loupe's black frame, just beyond the gap either way round.
            const QImage shot = m_display.screenshot();
            for (const QPoint corner : {at + QPoint(20, 20), at + QPoint(-21, -21),
                                        at + QPoint(-21, 20), at + QPoint(20, -21)}) {
                if (shot.rect().contains(corner) && qGray(shot.pixel(corner)) == 0) return true;
            }
            return false;
        });
    }
    /// A key until the program has ended (the keyboard is taken a moment after the overlay
    /// shows); the exit status.
    std::optional<int> keyUntilExit(const QString& key) {
        for (int i = 0; i < 40; ++i) {
            xdo({QStringLiteral("key"), key});
            if (m_process.waitForFinished(500)) return exitCode();
        }
        return std::nullopt;
    }
    void xdo(const QStringList& args) const {
        Run(m_display.name(), QStringLiteral("xdotool"), args);
    }
    QPoint pointer() const {
        const auto out = Run(m_display.name(), QStringLiteral("xdotool"),
                             {QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
        QPoint p;
        for (const QByteArray& line : out.value_or(QByteArray()).split('\n')) {
            if (line.startsWith("X=")) p.setX(line.mid(2).toInt());
            if (line.startsWith("Y=")) p.setY(line.mid(2).toInt());
        }
        return p;
    }
    std::optional<int> waitForExit(int timeoutMs = 30000) {
        if (!m_process.waitForFinished(timeoutMs)) return std::nullopt;
        return exitCode();
    }
    QString out() { return QString::fromUtf8(m_process.readAllStandardOutput()); }
    QString err() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    bool overlayShown() const {
        const auto ids = Run(m_display.name(), QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), QStringLiteral("^Huebit pick$")});
        return ids && !ids->trimmed().isEmpty();
    }
    int exitCode() const {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    const XvfbDisplay& m_display;
    QProcess m_process;
};

QString clipboardNow(const XvfbDisplay& display) {
    const auto text = Run(
        display.name(), QStringLiteral("xclip"),
        {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}, 5000);
    return text ? QString::fromUtf8(*text) : QString();
}

void setClipboard(const XvfbDisplay& display, const QByteArray& text) {
    Run(display.name(), QStringLiteral("xclip"),
        {QStringLiteral("-i"), QStringLiteral("-selection"), QStringLiteral("clipboard")}, 5000,
        text);
}

class PickE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok());
        ASSERT_TRUE(display.showBackground(twoHalves(Screen)));
        ASSERT_TRUE(app.install());
    }
    QString settingsPath() const { return app.workDir() + QStringLiteral("/Huebit.cnf"); }

    XvfbDisplay display{Screen};
    HuebitProcess app{display};
};

} // namespace

TEST_F(PickE2E, ClickPrintsCopiesAndStoresWithoutAWindow) {
    // A stored state with the Windows notation active and a history: the pick may change the
    // current colour and the history's newest slot, nothing else.
    SettingsRecord stored;
    stored.templateIndex = 0;
    stored.previousColors[0] = RGB(1, 2, 3);
    stored.windowPos = QPoint(77, 66);
    const SettingsBuffer before = ToSettingsBuffer(stored);
    ASSERT_EQ(SaveSettingsFile(settingsPath(), before), QString());

    Pick pick(display, app, {});
    ASSERT_TRUE(pick.pointAt({800, 300}));
    pick.xdo({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(pick.waitForExit(), 0) << pick.err().toStdString();
    EXPECT_EQ(pick.out(), QStringLiteral("RGB(250,100,5)\n"));
    // Pasted after the program has ended.
    EXPECT_TRUE(WaitFor(10000, [this] { return clipboardNow(display) == "RGB(250,100,5)"; }))
        << clipboardNow(display).toStdString();
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), WithPickedColor(before, Right).toBytes());
}

TEST_F(PickE2E, EscapeOrRightButtonCancelsAndASecondPickDoesNotStack) {
    setClipboard(display, "kept");
    Pick first(display, app, {});
    ASSERT_TRUE(first.pointAt({300, 300}));
    Pick second(display, app, {});
    EXPECT_EQ(second.waitForExit(), PickCancelledExitCode);
    EXPECT_TRUE(second.err().contains(QLatin1String("already"))) << second.err().toStdString();
    EXPECT_EQ(first.keyUntilExit(QStringLiteral("Escape")), PickCancelledExitCode);
    EXPECT_EQ(first.out(), QString());

    Pick third(display, app, {});
    ASSERT_TRUE(third.pointAt({300, 300}));
    third.xdo({QStringLiteral("click"), QStringLiteral("3")});
    EXPECT_EQ(third.waitForExit(), PickCancelledExitCode);
    EXPECT_EQ(third.out(), QString());
    EXPECT_EQ(clipboardNow(display), QStringLiteral("kept"));
    EXPECT_FALSE(QFile::exists(settingsPath())); // nothing stored either
}

TEST_F(PickE2E, ArrowsWheelFormatAndNoCopy) {
    setClipboard(display, "kept");
    Pick pick(display, app,
              {QStringLiteral("--format"), QStringLiteral("dR,dG,dB - decimal"),
               QStringLiteral("--no-copy")});
    ASSERT_TRUE(pick.pointAt({Border + 2, 400}));
    // Three steps left: the last column of the left half. Shift+Right and back: ten and ten.
    // Keys reach the overlay through its grab, or as the window under the pointer: each is
    // sent once and its step awaited.
    for (const char* key : {"Left", "Left", "Left", "shift+Right", "shift+Left"}) {
        const int dx = QByteArray(key).contains("Right") ? 1 : -1;
        const int step = QByteArray(key).startsWith("shift") ? 10 : 1;
        const QPoint want = pick.pointer() + QPoint(dx * step, 0);
        pick.xdo({QStringLiteral("key"), QLatin1String(key)});
        ASSERT_TRUE(WaitFor(20000, [&] { return pick.pointer() == want; })) << key;
    }
    ASSERT_EQ(pick.pointer(), QPoint(Border - 1, 400));
    pick.xdo({QStringLiteral("click"), QStringLiteral("4")}); // the wheel: a 3 x 3 square
    QThread::msleep(300);
    pick.xdo({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_EQ(pick.waitForExit(), 0) << pick.err().toStdString();
    // Six pixels of the left half and three of the right.
    const auto mean = [](int a, int b) { return int(std::nearbyint((6 * a + 3 * b) / 9.0L)); };
    const QString want =
        QStringLiteral("%1,%2,%3\n").arg(mean(10, 250)).arg(mean(200, 100)).arg(mean(30, 5));
    EXPECT_EQ(pick.out(), want);
    EXPECT_EQ(clipboardNow(display), QStringLiteral("kept"));
}

// Scaled by two, a pointer on an odd device pixel picks that pixel, not its neighbour: the last
// column of the left half is odd.
TEST_F(PickE2E, ScaledDesktopPicksTheDevicePixelUnderThePointer) {
    static_assert(Border % 2 == 0);
    Pick pick(display, app,
              {QStringLiteral("--format"), QStringLiteral("hRhGhB"), QStringLiteral("--no-copy")},
              QStringLiteral("2"));
    ASSERT_TRUE(pick.pointAt({Border - 1, 300}));
    pick.xdo({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(pick.waitForExit(), 0) << pick.err().toStdString();
    EXPECT_EQ(pick.out(), QStringLiteral("0AC81E\n"));
}

TEST_F(PickE2E, RunningWindowTakesThePick) {
    ASSERT_TRUE(app.start());
    const QRect window = app.geometry();
    const QPoint at(Screen.width() - 40, Screen.height() - 40);
    ASSERT_FALSE(window.contains(at));
    Pick pick(display, app, {});
    ASSERT_TRUE(pick.pointAt(at));
    pick.xdo({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(pick.waitForExit(), 0) << pick.err().toStdString();
    EXPECT_EQ(pick.out(), QStringLiteral("#FA6405\n"));
    // The window's own copy button gives its current colour.
    app.click(QPoint(2, 49) + QPoint(304 + 14, 394 + 14));
    EXPECT_TRUE(WaitFor(10000, [&] { return app.clipboardText() == QLatin1String("#FA6405"); }))
        << app.clipboardText().toStdString();
    // The window writes its state as it closes: the colour is the newest of the history.
    ASSERT_EQ(app.closeThroughProgram(), 0);
    const auto saved = LoadSettingsFile(settingsPath());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->lines().mid(SettingsLine::PreviousColors, 3),
              (QStringList{"250", "100", "5"}));
}

// Two monitors side by side, as monitors_e2e.cpp makes them: the loupe stays on the monitor of
// the pointer, and a colour from the second one is picked.
TEST(PickMonitorsE2E, LoupeKeepsToItsMonitorAndTheSecondOneIsPicked) {
    QStringList missing = MissingTools();
    if (QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty()) missing << "xrandr";
    if (!missing.isEmpty()) GTEST_SKIP() << "missing tools: " << missing.join(' ').toStdString();
    XvfbDisplay display({3840, 1080});
    ASSERT_TRUE(display.ok());
    const auto monitor = [&](const char* name, const char* geometry, const char* output) {
        return e2e::Run(display.name(), QStringLiteral("xrandr"),
                        {QStringLiteral("--setmonitor"), QString::fromLatin1(name),
                         QString::fromLatin1(geometry), QString::fromLatin1(output)})
            .has_value();
    };
    ASSERT_TRUE(monitor("*left", "1920/508x1080/286+0+0", "screen"));
    ASSERT_TRUE(monitor("right", "1920/508x1080/286+1920+0", "none"));
    QImage picture(3840, 1080, QImage::Format_RGB32);
    picture.fill(qRgb(20, 40, 60));
    for (int y = 0; y < 1080; ++y)
        for (int x = 1920; x < 3840; ++x)
            picture.setPixel(x, y, qRgb(200, 30, 90));
    ASSERT_TRUE(display.showBackground(picture));
    HuebitProcess app(display);
    ASSERT_TRUE(app.install());

    Pick pick(display, app, {QStringLiteral("--format"), QStringLiteral("dR dG dB")});
    // Near the left monitor's right edge the loupe turns left instead of crossing over.
    ASSERT_TRUE(pick.pointAt({1915, 300}));
    const QImage shot = display.screenshot();
    EXPECT_EQ(qGray(shot.pixel(1915 - 21, 320)), 0);
    EXPECT_EQ(shot.pixel(1935, 320), qRgb(200, 30, 90)) << "the loupe crossed onto the right";
    ASSERT_TRUE(pick.pointAt({3000, 500}));
    pick.xdo({QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(pick.waitForExit(), 0) << pick.err().toStdString();
    EXPECT_EQ(pick.out(), QStringLiteral("200 30 90\n"));
}

TEST_F(PickE2E, WindowPickKeyAppliesTheColour) {
    ASSERT_TRUE(app.start());
    app.key(QStringLiteral("ctrl+p"));
    const QPoint at(Screen.width() - 40, Screen.height() - 40);
    // The overlay is found by its title, like the command's.
    ASSERT_TRUE(WaitFor(20000, [&] {
        const auto ids = e2e::Run(display.name(), QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), QStringLiteral("^Huebit pick$")});
        return ids && !ids->trimmed().isEmpty();
    }));
    app.moveToScreen(at);
    QThread::msleep(300);
    e2e::Run(display.name(), QStringLiteral("xdotool"),
             {QStringLiteral("click"), QStringLiteral("1")});
    app.click(QPoint(2, 49) + QPoint(304 + 14, 394 + 14)); // the text copy button
    EXPECT_TRUE(WaitFor(10000, [&] {
        if (app.clipboardText() == QLatin1String("#FA6405")) return true;
        app.click(QPoint(2, 49) + QPoint(304 + 14, 394 + 14));
        return false;
    })) << app.clipboardText().toStdString();
}
