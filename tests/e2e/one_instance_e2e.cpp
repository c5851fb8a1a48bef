// One running copy per settings file, with the real binary: a second start brings the first
// forward and ends with 0, a copy in another folder runs beside it, and a killed copy's socket
// does not stop the next start.
#include "e2e/e2e_harness.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

using namespace huebit::e2e;

namespace {

class OneInstanceE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const QStringList missing = MissingTools();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing tools: " << missing.join(' ').toStdString();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    }

    // Runs the copy in `folder` once more and returns its exit code.
    std::optional<int> startAgain(const QString& folder) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(folder + QStringLiteral("/huebit"), {});
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return std::nullopt;
        }
        return p.exitStatus() == QProcess::NormalExit ? std::optional(p.exitCode()) : std::nullopt;
    }

    // Top-level windows from the bottom of the stack to the top, as decimal ids.
    QStringList stacking() const {
        const auto out = huebit::e2e::Run(display.name(), QStringLiteral("xwininfo"),
                             {QStringLiteral("-root"), QStringLiteral("-children")});
        QStringList ids;
        for (const QString& line : QString::fromUtf8(out.value_or(QByteArray())).split('\n')) {
            const QString first = line.trimmed().section(QLatin1Char(' '), 0, 0);
            if (first.startsWith(QLatin1String("0x"))) ids << QString::number(first.toULongLong(nullptr, 16));
        }
        std::reverse(ids.begin(), ids.end()); // xwininfo lists the top first
        return ids;
    }

    QString focusedWindow() const {
        const auto out = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
        return QString::fromUtf8(out.value_or(QByteArray())).trimmed();
    }

    XvfbDisplay display;
};

} // namespace

TEST_F(OneInstanceE2E, SecondStartBringsTheFirstForwardAndEnds) {
    HuebitProcess first(display);
    ASSERT_TRUE(first.start());
    // A portable copy in another folder keeps other settings: it runs beside the first, on top.
    HuebitProcess other(display);
    ASSERT_TRUE(other.start());
    ASSERT_NE(other.windowId(), first.windowId());
    QStringList stack = stacking();
    ASSERT_GT(stack.indexOf(other.windowId()), stack.indexOf(first.windowId()));

    EXPECT_EQ(startAgain(first.workDir()), 0);
    stack = stacking();
    EXPECT_GT(stack.indexOf(first.windowId()), stack.indexOf(other.windowId()))
        << "the first copy's window was not raised";
    EXPECT_EQ(focusedWindow(), first.windowId());
    EXPECT_FALSE(first.waitForExit(0).has_value()) << "the first copy ended";
    EXPECT_FALSE(other.waitForExit(0).has_value()) << "the other folder's copy ended";
}

TEST_F(OneInstanceE2E, AKilledCopyDoesNotStopTheNextStart) {
    HuebitProcess killed(display);
    ASSERT_TRUE(killed.start());
    killed.kill();
    // The same copy, started again from its folder, comes up with its window.
    HuebitProcess next(display);
    ASSERT_TRUE(next.startCommand({killed.workDir() + QStringLiteral("/huebit")}))
        << "no window after a killed copy";
    EXPECT_EQ(startAgain(killed.workDir()), 0) << "the new copy does not answer later starts";
}
