// The program as the desktop meets it: its command line, its window class and Qt's own texts.
#include "e2e/e2e_harness.h"

#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit::e2e;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The binary with no display at all, as from a terminal on a text console.
Outcome runWithoutDisplay(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(HUEBIT_BINARY), args);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

TEST(NativeE2E, CommandLineAnswersWithoutADisplay) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* out;
        const char* errHas;
    } const cases[] = {
        {{"--version"}, 0, "Huebit 5.1.2\n", ""},
        {{"-platform", "xcb", "--version"}, 0, "Huebit 5.1.2\n", ""},
        {{"--bogus"}, 2, "", "Usage: huebit [options]"},
        {{"-x", "--version"}, 2, "", "Unknown option 'x'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome o = runWithoutDisplay(c.args);
        EXPECT_EQ(o.exitCode, c.exitCode) << o.err.toStdString();
        EXPECT_EQ(o.out, QByteArray(c.out));
        EXPECT_TRUE(o.err.contains(c.errHas)) << o.err.toStdString();
    }
    const Outcome help = runWithoutDisplay({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("-v, --version")) << help.out.toStdString();
}

class NativeWindowE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        // Without the harness's LC_MESSAGES, which keeps the colour dialog from showing as a
        // viewable window to xdotool (the program before language files were found did the
        // same); no language file is found here, so the built-in Russian stays.
        app.setEnvironment(QStringLiteral("LC_MESSAGES"), QString());
        ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    }

    XvfbDisplay display;
    HuebitProcess app{display};
};

TEST_F(NativeWindowE2E, WindowClassMatchesTheMenuEntry) {
    // The menu entry's StartupWMClass is the class half.
    EXPECT_EQ(app.property(QStringLiteral("WM_CLASS")),
              QStringLiteral("WM_CLASS(STRING) = \"huebit\", \"Huebit\""));
}

TEST_F(NativeWindowE2E, ColourDialogComesUpInRussian) {
    ASSERT_TRUE(app.waitUntilOpaque());
    app.click({218, 62}); // the "Win " palette page opens the platform's colour dialog
    bool found = false;
    for (int i = 0; i < 100 && !found; ++i) {
        found = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QStringLiteral("^Выбор цвета$")})
                    .has_value();
        if (!found) QThread::msleep(50);
    }
    EXPECT_TRUE(found) << "no visible window titled \"Выбор цвета\"";
}
