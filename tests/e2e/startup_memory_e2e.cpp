// What the start holds once the window is first on the screen, against a fixed budget: a change
// that makes the start allocate many megabytes more fails here instead of going unnoticed.
// Not timed; the figures come from the program's own start-up probe.
#include "e2e/e2e_harness.h"
#include "sanitized_build.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr qint64 MiB = 1024 * 1024;
// The heap at rest holds the palettes, the strips, the views' pictures and Qt's own objects;
// about 4.5 MiB today.
constexpr qint64 HeapBudget = 8 * MiB;
// Beyond the screen copy: the heap above, Qt's and the libraries' own pages, and the X
// server's shared pages. About 7 MiB today.
constexpr qint64 WritableBudgetBeyondScreen = 10 * MiB;

// Every line away from its defaults where a line changes what the start builds: a larger font,
// another family, many templates, full strips.
SettingsRecord fullRecord() {
    SettingsRecord r;
    r.windowPos = {40, 30};
    r.palettePage = 1;
    for (int i = 0; i < 20; ++i) {
        r.userPalette[i] = RGB(12 * i, 255 - 3 * i, 7 * i);
        r.previousColors[i] = RGB(250 - 9 * i, 4 * i, 100 + i);
    }
    r.templates.clear();
    for (int i = 0; i < 30; ++i) r.templates << QStringLiteral("Шаблон %1: dR,dG,dB - #hRhGhB").arg(i);
    r.templateIndex = 17;
    r.shell.fontSize = 10;
    r.shell.fontName = QStringLiteral("DejaVu Sans");
    return r;
}

// "Name:\t  123 kB" lines into bytes by name.
QMap<QString, qint64> readProbe(const QByteArray& out) {
    QMap<QString, qint64> figures;
    for (const QByteArray& line : out.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon < 0) continue;
        const QList<QByteArray> value = line.mid(colon + 1).simplified().split(' ');
        if (value.size() == 2 && value[1] == "kB")
            figures.insert(QString::fromLatin1(line.left(colon)), value[0].toLongLong() * 1024);
    }
    return figures;
}

} // namespace

TEST(StartupMemoryE2E, TheStartStaysWithinItsBudgetAtFullHd) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    if (SanitizedBuild) GTEST_SKIP() << "memory figures of a sanitized build mean nothing";
    XvfbDisplay display({1920, 1080});
    ASSERT_TRUE(display.ok());
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("huebit"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HUEBIT_BINARY), copy));
    ASSERT_TRUE(QFile::setPermissions(copy, QFileInfo(QStringLiteral(HUEBIT_BINARY)).permissions()));
    ASSERT_EQ(SaveSettingsFile(dir.filePath(QStringLiteral("Huebit.cnf")),
                               ToSettingsBuffer(fullRecord())),
              QString());

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), display.runtimeDir());
    env.insert(QStringLiteral("HUEBIT_STARTUP_PROBE"), QStringLiteral("1"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    app.setProcessEnvironment(env);
    app.setWorkingDirectory(dir.path());
    app.start(copy, {});
    ASSERT_TRUE(app.waitForFinished(60000)) << "the program did not end after its first paint";
    ASSERT_EQ(app.exitCode(), 0);
    const QMap<QString, qint64> f = readProbe(app.readAllStandardOutput());
    for (const char* name : {"HeapInUse", "RssAnon", "RssShmem", "VmRSS"})
        ASSERT_TRUE(f.contains(QLatin1String(name))) << name << " missing from the probe";

    const qint64 screen = qint64(display.size().width()) * display.size().height() * 4;
    EXPECT_LE(f["HeapInUse"], HeapBudget) << "heap in use: " << f["HeapInUse"] / 1024 << " kB";
    const qint64 writable = f["RssAnon"] + f["RssShmem"];
    EXPECT_LE(writable, screen + WritableBudgetBeyondScreen)
        << "anonymous " << f["RssAnon"] / 1024 << " kB, shared " << f["RssShmem"] / 1024
        << " kB, screen copy " << screen / 1024 << " kB";
}
