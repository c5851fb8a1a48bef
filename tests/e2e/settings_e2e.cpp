// The settings file through the real program: a crafted file shows in the window, comes back
// line by line on close and again on the next start; signals and an installed copy save too.
#include "e2e/e2e_harness.h"
#include "palettes/swatch_strip.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint CloseIcon(392, 11);
constexpr QPoint TitleStrip(200, 12);
// The selection page's top-left corner in the window, under the page tabs.
constexpr QPoint Page(2, 49);
constexpr QPoint SamplePoint = Page + QPoint(4 + 20, 358 + 10);
constexpr QPoint CopyTextButton = Page + QPoint(304 + 14, 394 + 14);

QRgb qrgbOf(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

SettingsRecord craftedRecord() {
    SettingsRecord r;
    r.windowPos = {60, 30};
    r.sampleBackground = RGB(30, 160, 90);
    r.sampleTextColor = RGB(250, 240, 10);
    r.hints.interactiveHints = false;
    r.templates = {"dR dG dB - Plain", "hRhGhB - PhotoShop", "#hRhGhB - HTML",
                   "0xhRhGhB - Flash", "rgb(dR, dG, dB) - CSS", "$00hBhGhR - Delphi"};
    r.templateIndex = 4;
    const Color palette[] = {RGB(255, 0, 0), RGB(0, 128, 255), RGB(20, 20, 20), RGB(240, 10, 200)};
    for (int i = 0; i < 4; ++i) r.userPalette[i] = palette[i];
    r.previousColors[0] = r.sampleBackground; // already the newest, so the start adds nothing
    r.previousColors[1] = RGB(5, 99, 201);
    r.previousColors[2] = RGB(255, 255, 255);
    r.floatingPanel = {300, 400, 120, 60};
    r.shell.openOnScreenPage = false; // options held for later features survive as they are
    r.shell.fontName = "DejaVu Sans";
    return r;
}

PixelBuffer stripOf(const SwatchColors& colours) {
    SwatchStrip strip;
    for (int i = 0; i < SwatchStrip::SlotCount; ++i) strip.setSlot(i, colours[i]);
    return strip.pixels();
}

QString linesDiffer(const SettingsBuffer& got, const SettingsBuffer& want) {
    QStringList out;
    for (int i = 0; i < SettingsLineCount; ++i) {
        if (got.line(i) != want.line(i))
            out << QStringLiteral("line %1: \"%2\" instead of \"%3\"").arg(i).arg(got.line(i), want.line(i));
    }
    if (got.size() != SettingsLineCount) out << QStringLiteral("%1 lines").arg(got.size());
    return out.join('\n');
}

class SettingsE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    }
    QString settingsBeside() const { return QDir(app.workDir()).filePath("Huebit.cnf"); }
    /// Drags the window by its title strip so that its corner lands on `corner`.
    void dragTo(QPoint corner) {
        const QPoint from = app.geometry().topLeft() + TitleStrip;
        app.press(TitleStrip);
        app.moveToScreen(from + (corner - app.geometry().topLeft()) / 2);
        app.moveToScreen(corner + TitleStrip);
        app.release();
        QThread::msleep(200);
    }

    XvfbDisplay display;
    HuebitProcess app{display};
};

} // namespace

TEST_F(SettingsE2E, CraftedFileShowsClosesAndComesBack) {
    const SettingsRecord crafted = craftedRecord();
    const SettingsBuffer written = ToSettingsBuffer(crafted);
    ASSERT_EQ(SaveSettingsFile(settingsBeside(), written), QString());

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "first start" : "second start");
        ASSERT_TRUE(app.start()) << "no Huebit window appeared";
        ASSERT_TRUE(app.waitUntilOpaque());
        EXPECT_EQ(app.geometry().topLeft(), QPoint(60, 30));
        const QImage screen = display.screenshot();
        const QPoint corner = app.geometry().topLeft();
        EXPECT_EQ(screen.pixel(corner + SamplePoint), qrgbOf(crafted.sampleBackground));
        const auto user = FindExactly(screen, stripOf(crafted.userPalette));
        const auto previous = FindExactly(screen, stripOf(crafted.previousColors));
        ASSERT_TRUE(user.has_value()) << "the user palette is not on screen as stored";
        ASSERT_TRUE(previous.has_value()) << "the previous colours are not on screen as stored";
        EXPECT_LT(user->y(), previous->y());
        app.click(CopyTextButton);
        QThread::msleep(200);
        EXPECT_EQ(app.clipboardText(), QStringLiteral("rgb(30, 160, 90)")); // the fifth template

        app.click(CloseIcon);
        ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
        const auto saved = LoadSettingsFile(settingsBeside());
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(linesDiffer(*saved, written), QString());
        QFile raw(settingsBeside());
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        EXPECT_EQ(raw.readAll(), written.toBytes()); // byte for byte, CR LF and all
    }
}

TEST_F(SettingsE2E, SignalsAndTheCloseRequestSave) {
    const struct {
        const char* name;
        int signal; // 0: the window manager's close request
        QPoint corner;
    } ends[] = {{"SIGTERM", SIGTERM, {100, 50}}, {"SIGINT", SIGINT, {140, 70}},
                {"WM_DELETE_WINDOW", 0, {90, 110}}};
    for (const auto& end : ends) {
        SCOPED_TRACE(end.name);
        const QPoint corner = end.corner;
        QFile::remove(settingsBeside());
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
        dragTo(corner);
        ASSERT_EQ(app.geometry().topLeft(), corner);
        if (end.signal) app.sendSignal(end.signal);
        else ASSERT_TRUE(app.requestClose());
        ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0))
            << "did not close; file " << QFileInfo::exists(settingsBeside()) << " window "
            << app.geometry().x() << "," << app.geometry().y();
        const auto saved = LoadSettingsFile(settingsBeside());
        ASSERT_TRUE(saved.has_value()) << "no settings file after the signal";
        EXPECT_EQ(saved->size(), SettingsLineCount);
        EXPECT_EQ(ReadSettingsRecord(*saved).windowPos, corner);
    }
}

namespace {

// An installed copy runs as a user who cannot write its directory: the unprivileged user
// nobody when the tests run as root (the permission bits would not stop root), else this user.
struct UnprivilegedRun {
    QTemporaryDir config;
    QStringList command;
    QProcessEnvironment env;
    QString programDir;
    bool asNobody = false;

    static constexpr auto ReadOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                     QFileDevice::ReadOther | QFileDevice::ExeOther;

    /// False when this machine cannot run the program as another user.
    bool prepare(HuebitProcess& app) {
        if (!app.install()) return false;
        programDir = app.workDir();
        const QString binary = QDir(programDir).filePath("huebit");
        command = QStringList{binary};
        asNobody = ::geteuid() == 0;
        if (asNobody) {
            if (QStandardPaths::findExecutable("setpriv").isEmpty()) return false;
            if (::chown(QFile::encodeName(config.path()).constData(), 65534, 65534) != 0)
                return false;
            QFile::setPermissions(programDir, ReadOnly | QFileDevice::WriteOwner); // root's own
            command =
                QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", binary};
        } else {
            QFile::setPermissions(programDir, ReadOnly);
        }
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("HOME", config.path());
        return true;
    }
    QString stored() const { return QDir(config.path()).filePath("Huebit/Huebit.cnf"); }
    ~UnprivilegedRun() {
        if (!programDir.isEmpty())
            QFile::setPermissions(programDir, ReadOnly | QFileDevice::WriteOwner);
        // Back to the test's own user, so the folder can be removed.
        if (asNobody) {
            // Should it fail, the folder is only left behind.
            [[maybe_unused]] const int back =
                ::chown(QFile::encodeName(config.path()).constData(), 0, 0);
        }
    }
};

} // namespace

// An installed copy: the program's directory is not writable by its user, so the settings go
// to $XDG_CONFIG_HOME/Huebit and are read from there on the next start. As root the permission
// bits would not stop a write, so the program runs as the unprivileged user nobody.
TEST_F(SettingsE2E, InstalledCopyKeepsItsSettingsInTheConfigDirectory) {
    UnprivilegedRun run;
    if (!run.prepare(app)) GTEST_SKIP() << "cannot run the program as another user here";

    ASSERT_TRUE(app.startCommand(run.command, run.env)) << "no Huebit window appeared";
    ASSERT_TRUE(app.waitUntilOpaque());
    dragTo({120, 80});
    app.click(CloseIcon);
    ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
    EXPECT_TRUE(QFileInfo::exists(run.stored())) << "nothing in the configuration directory";
    EXPECT_FALSE(QFileInfo::exists(settingsBeside())) << "written beside a read-only program";

    ASSERT_TRUE(app.startCommand(run.command, run.env));
    EXPECT_EQ(app.geometry().topLeft(), QPoint(120, 80)) << "the settings did not come back";
    app.click(CloseIcon);
    EXPECT_EQ(app.waitForExit(3000), std::optional<int>(0));
}

// A read-only program folder that ships a settings file: that file is where the first start
// begins, and from then on the configuration directory's file is read, so no change is lost.
TEST_F(SettingsE2E, ASettingsFileInAReadOnlyProgramFolderIsOnlyTheStartingPoint) {
    UnprivilegedRun run;
    ASSERT_TRUE(app.install());
    SettingsRecord shipped;
    shipped.windowPos = {60, 30};
    ASSERT_EQ(SaveSettingsFile(settingsBeside(), ToSettingsBuffer(shipped)), QString());
    const QByteArray shippedBytes = ToSettingsBuffer(shipped).toBytes();
    if (!run.prepare(app)) GTEST_SKIP() << "cannot run the program as another user here";

    const QPoint places[] = {{120, 80}, {200, 140}};
    QPoint expected = shipped.windowPos;
    for (const QPoint place : places) {
        SCOPED_TRACE(place.x());
        ASSERT_TRUE(app.startCommand(run.command, run.env)) << "no Huebit window appeared";
        ASSERT_TRUE(app.waitUntilOpaque());
        EXPECT_EQ(app.geometry().topLeft(), expected) << "not the last place the user chose";
        dragTo(place);
        app.click(CloseIcon);
        ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
        const auto saved = LoadSettingsFile(run.stored());
        ASSERT_TRUE(saved.has_value()) << "nothing in the configuration directory";
        EXPECT_EQ(ReadSettingsRecord(*saved).windowPos, place);
        expected = place;
    }
    QFile beside(settingsBeside());
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    EXPECT_EQ(beside.readAll(), shippedBytes); // the shipped file is never written
}

// What another user can put at the settings path: a FIFO must not hold the start, and a link
// planted in a folder both can write must not make the close overwrite the file it names.
TEST_F(SettingsE2E, AHostileSettingsPathNeitherBlocksTheStartNorIsOverwritten) {
    ASSERT_TRUE(app.install());
    const QByteArray path = QFile::encodeName(settingsBeside());
    QTemporaryDir victimDir;
    const QString victim = victimDir.filePath("thesis.txt");
    const QByteArray words = "three years of work\n";
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(words) == words.size());
    }
    for (const char* planted : {"FIFO", "link"}) {
        SCOPED_TRACE(planted);
        QFile::remove(settingsBeside());
        const bool fifo = QByteArray(planted) == "FIFO";
        if (fifo) {
            ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
        } else {
            ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), path.constData()), 0);
            // The program folder as a shared one: anyone may add to it.
            ASSERT_EQ(::chmod(QFile::encodeName(app.workDir()).constData(), 01777), 0);
        }
        ASSERT_TRUE(app.start()) << "no Huebit window appeared";
        ASSERT_TRUE(app.waitUntilOpaque());
        dragTo({110, 90});
        app.click(CloseIcon);
        ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
        QFileInfo after(settingsBeside());
        if (fifo) {
            EXPECT_FALSE(after.isFile() || after.isSymLink()) << "the FIFO was replaced";
        } else {
            EXPECT_TRUE(after.isSymLink());
        }
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), words);
        ::chmod(QFile::encodeName(app.workDir()).constData(), 0700);
    }
}
