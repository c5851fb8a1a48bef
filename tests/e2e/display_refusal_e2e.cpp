// Sessions the window cannot be shown in are refused at start with one line and status 1,
// rather than a crash or Qt's advice to reinstall.
#include "e2e/e2e_harness.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace huebit::e2e;

namespace {

struct Outcome {
    bool exited = false;
    int code = -1;
    QString err;
};

Outcome runWith(const QProcessEnvironment& env) {
    QTemporaryDir dir;
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(HUEBIT_BINARY), {});
    Outcome o;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.exited = p.exitStatus() == QProcess::NormalExit;
    o.code = p.exitCode();
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

QProcessEnvironment withoutDisplays() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(QString::fromLatin1(name));
    return env;
}

} // namespace

TEST(DisplayRefusalE2E, WithoutADisplayItSaysSoAndExitsWithOne) {
    const Outcome o = runWith(withoutDisplays());
    ASSERT_TRUE(o.exited) << "crashed or still running";
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.err, QStringLiteral("Huebit needs a graphical session: no display found\n"));
}

TEST(DisplayRefusalE2E, AColourMappedScreenIsRefusedAtStart) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({1024, 768}, 8);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    QProcessEnvironment env = withoutDisplays();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    const Outcome o = runWith(env);
    ASSERT_TRUE(o.exited) << "crashed or still running";
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.err, QStringLiteral("Huebit needs a true-colour screen of 15 bits or more: display "
                                    "%1 shows 8-bit PseudoColor\n")
                         .arg(display.name()));
}
