// A save killed at any moment leaves the old file or the new one, never a mix.
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <thread>

using namespace huebit;

namespace {

QByteArray contentsOf(const SettingsRecord& r) { return ToSettingsBuffer(r).toBytes(); }

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(AtomicSave, KilledAtRandomMomentsLeavesAWholeFile) {
    QTemporaryDir dir;
    SettingsRecord a;
    SettingsRecord b;
    b.sampleText = QString(4000, QLatin1Char('b')); // a longer file, written in more pieces
    for (int i = 0; i < 20; ++i) b.userPalette[i] = RGB(i, i, i);
    const QByteArray bytesA = contentsOf(a);
    const QByteArray bytesB = contentsOf(b);
    ASSERT_NE(bytesA.size(), bytesB.size());
    const QString fileA = dir.filePath("a.txt"), fileB = dir.filePath("b.txt");
    ASSERT_TRUE(writeBytes(fileA, bytesA) && writeBytes(fileB, bytesB));
    const QString path = dir.filePath("Huebit.cnf");
    ASSERT_EQ(SaveSettingsFile(path, SettingsBuffer::FromBytes(bytesA)), QString());

    std::mt19937 random(7);
    int sawA = 0, sawB = 0;
    constexpr int Rounds = 150;
    for (int round = 0; round < Rounds; ++round) {
        QProcess child;
        child.start(QStringLiteral(SETTINGS_SAVE_CHILD), {path, fileA, fileB});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(child.waitForReadyRead(10000)) << "the child never finished a first save";
        // A random moment inside the save loop: a few hundred microseconds to a few ms.
        const auto pause = std::chrono::microseconds(random() % 4000);
        std::this_thread::sleep_for(pause);
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "the child stopped by itself";

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round;
        const QByteArray found = file.readAll();
        if (found == bytesA) ++sawA;
        else if (found == bytesB) ++sawB;
        else FAIL() << "round " << round << ": a file of " << found.size() << " bytes, neither old nor new";
    }
    // Both contents were on disk at some kill, so the kills did land between and inside saves.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
