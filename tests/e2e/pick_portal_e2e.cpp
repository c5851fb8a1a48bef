// `huebit --pick` on a Wayland session, against a stand-in portal on a private bus: the
// desktop's own picker when the portal has PickColor, else the portal's screenshot under our
// overlay; a refusal ends with a word on standard error.
#include "e2e/e2e_harness.h"
#include "e2e/fake_portal.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

class PickPortalE2E : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList missing = MissingTools();
        if (!FakePortal::Missing().isEmpty()) missing << FakePortal::Missing();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing: " << missing.join(' ').toStdString();
        ASSERT_TRUE(display.ok());
        QImage root(display.size(), QImage::Format_RGB32);
        root.fill(qRgb(10, 200, 30));
        ASSERT_TRUE(display.showBackground(root));
        // The portal's picture differs from what X11 shows: a pick off it came through it.
        QImage shot(display.size(), QImage::Format_RGB32);
        shot.fill(qRgb(30, 60, 90));
        ASSERT_TRUE(shot.save(files.filePath(QStringLiteral("desktop.png")), "PNG"));
        ASSERT_TRUE(app.install());
    }

    FakePortal::Options portalOptions() {
        FakePortal::Options o;
        o.image = files.filePath(QStringLiteral("desktop.png"));
        o.dir = files.path();
        return o;
    }

    // Starts the pick on the portal's bus; its exit status, output and error once it ends.
    struct Ended {
        std::optional<int> status;
        QString out, err;
    };
    void start(QProcess& p, const FakePortal& portal) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), portal.address());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), display.runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), app.workDir() + QStringLiteral("/config"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(app.workDir());
        p.start(app.workDir() + QStringLiteral("/huebit"),
                {QStringLiteral("--pick"), QStringLiteral("--no-copy")});
    }
    static Ended wait(QProcess& p) {
        Ended e;
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit)
            e.status = p.exitCode();
        e.out = QString::fromUtf8(p.readAllStandardOutput());
        e.err = QString::fromUtf8(p.readAllStandardError());
        return e;
    }

    XvfbDisplay display;
    HuebitProcess app{display};
    QTemporaryDir files;
};

} // namespace

TEST_F(PickPortalE2E, DesktopPickerAnswers) {
    FakePortal portal(portalOptions(), QStringLiteral("0.98039,0.39216,0.01961"));
    ASSERT_TRUE(portal.ok());
    QProcess pick;
    start(pick, portal);
    const Ended e = wait(pick);
    EXPECT_EQ(e.status, 0) << e.err.toStdString();
    EXPECT_EQ(e.out, QStringLiteral("#FA6405\n"));
    EXPECT_TRUE(portal.waitFor(QStringLiteral("pick 1")));
    EXPECT_EQ(portal.calls(), 0) << "no screenshot is needed"; // "call N" counts screenshots
}

TEST_F(PickPortalE2E, WithoutPickColorTheScreenshotIsPickedOnTheOverlay) {
    FakePortal portal(portalOptions());
    ASSERT_TRUE(portal.ok());
    QProcess pick;
    start(pick, portal);
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 1")));
    ASSERT_TRUE(WaitFor(20000, [&] {
        const auto ids = e2e::Run(display.name(), QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), QStringLiteral("^Huebit pick$")});
        return ids && !ids->trimmed().isEmpty();
    }));
    // The frozen picture is the portal's: the loupe's swatch shows its colour, not the root's.
    ASSERT_TRUE(WaitFor(20000, [&] {
        e2e::Run(display.name(), QStringLiteral("xdotool"),
                 {QStringLiteral("mousemove"), QStringLiteral("200"), QStringLiteral("200")});
        return display.screenshot().pixel(200, 200) == qRgb(30, 60, 90);
    }));
    e2e::Run(display.name(), QStringLiteral("xdotool"),
             {QStringLiteral("click"), QStringLiteral("1")});
    const Ended e = wait(pick);
    EXPECT_EQ(e.status, 0) << e.err.toStdString();
    EXPECT_EQ(e.out, QStringLiteral("#1E3C5A\n"));
}

TEST_F(PickPortalE2E, RefusalIsOneLineOnStandardErrorAndStatusOne) {
    FakePortal portal(portalOptions(), QStringLiteral("refuse"));
    ASSERT_TRUE(portal.ok());
    QProcess pick;
    start(pick, portal);
    const Ended e = wait(pick);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, QString());
    EXPECT_EQ(e.err.count(QLatin1Char('\n')), 1) << e.err.toStdString();
    EXPECT_TRUE(e.err.startsWith(QLatin1String("huebit: "))) << e.err.toStdString();
}
