// The installed program: `cmake --install` into a scratch prefix, the menu entry and the
// software-centre record validated by the desktop's own tools, every icon in place, and the
// program started from the installed path by an unprivileged user.
#include "e2e/e2e_harness.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace huebit::e2e;

namespace {

constexpr char AppId[] = "app.huebit.Huebit";

struct Result {
    int exitCode = -1;
    QString output;
};

Result runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

class InstallE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = std::make_unique<QTemporaryDir>();
        // Others than the owner must reach the installed program.
        QFile::setPermissions(prefix->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther);
        installed = runTool(QStringLiteral(HUEBIT_CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(HUEBIT_BUILD_DIR),
                             QStringLiteral("--prefix"), prefix->path()});
    }
    static void TearDownTestSuite() { prefix.reset(); }

    void SetUp() override { ASSERT_EQ(installed.exitCode, 0) << installed.output.toStdString(); }

    static QString path(const QString& relative) { return prefix->filePath(relative); }

    static inline std::unique_ptr<QTemporaryDir> prefix;
    static inline Result installed;
};

} // namespace

TEST_F(InstallE2E, MenuEntryAndRecordValidate) {
    const QString desktop = path(QStringLiteral("share/applications/%1.desktop").arg(AppId));
    const QString metainfo = path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId));
    // Clean to the last hint (one main category, so the menu shows it once).
    const Result entry = runTool(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString();
    EXPECT_EQ(entry.output.trimmed(), QString()) << entry.output.toStdString();
    // Even pedantic, the record raises nothing but the upper-case letter its id has had all along.
    const Result record = runTool(QStringLiteral("appstreamcli"),
                                  {QStringLiteral("validate"), QStringLiteral("--pedantic"),
                                   QStringLiteral("--no-net"), metainfo});
    EXPECT_EQ(record.exitCode, 0) << record.output.toStdString();
    for (const QString& row : record.output.split(u'\n')) {
        EXPECT_FALSE(row.contains(QRegularExpression(QStringLiteral("^[EWI]: "))))
            << record.output.toStdString();
        if (row.startsWith(QLatin1String("P: "))) {
            EXPECT_TRUE(row.contains(QLatin1String("cid-contains-uppercase-letter")))
                << row.toStdString();
        }
    }
    // A software centre shows a picture, where to report a fault, and this release's notes.
    QFile recordFile(metainfo);
    ASSERT_TRUE(recordFile.open(QIODevice::ReadOnly));
    const QByteArray recordText = recordFile.readAll();
    EXPECT_TRUE(recordText.contains("<screenshot type=\"default\">"));
    EXPECT_TRUE(recordText.contains("<url type=\"bugtracker\">https://"));
    const qsizetype releases = recordText.indexOf("<releases>");
    EXPECT_EQ(recordText.indexOf("<release ", releases),
              recordText.indexOf("<release version=\"" HUEBIT_VERSION "\"", releases))
        << "the newest release is this version";

    // The entry names the installed program, its icon and the window's class by the one id.
    QSettings entryFile(desktop, QSettings::IniFormat);
    entryFile.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(entryFile.value(QStringLiteral("Exec")).toString(), QStringLiteral("huebit"));
    EXPECT_EQ(entryFile.value(QStringLiteral("Icon")).toString(), QLatin1String(AppId));
    EXPECT_EQ(entryFile.value(QStringLiteral("StartupWMClass")).toString(),
              QStringLiteral("Huebit"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("bin/huebit"))).isExecutable());
    // The one-shot pick, offered as the entry's action.
    QFile text(desktop);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray lines = text.readAll();
    EXPECT_TRUE(lines.contains("\nActions=Pick;\n"));
    EXPECT_TRUE(lines.contains("\n[Desktop Action Pick]\nName=Pick a colour from the screen\n"));
    EXPECT_TRUE(lines.contains("\nExec=huebit --pick\n"));
}

TEST_F(InstallE2E, ManualPageAndCopyrightInPlace) {
    // Compressed as a package carries it: gzip's magic, without the file's name and time.
    QFile page(path(QStringLiteral("share/man/man1/huebit.1.gz")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray head = page.read(10);
    ASSERT_EQ(head.size(), 10);
    EXPECT_TRUE(head.startsWith("\x1f\x8b\x08"));
    EXPECT_EQ(head[3] & 0x08, 0) << "keeps its name";
    EXPECT_EQ(head.mid(4, 4), QByteArray(4, '\0')) << "keeps its time";
    QFile copyright(path(QStringLiteral("share/doc/huebit/copyright")));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copyright.readLine().startsWith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
}

TEST_F(InstallE2E, IconInEveryHicolorSize) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(
            path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId)));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 8) << "corners stay clear";
        const QRgb centre = icon.pixel(size / 2, size / 2);
        EXPECT_GT(qMin(qRed(centre), qMin(qGreen(centre), qBlue(centre))), 220)
            << "the wheel is near white at its centre";
    }
    QFile svg(path(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(AppId)));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<svg "));
}

// Starts the installed program as an unprivileged user (as root: uid 65534 through setpriv;
// otherwise the current user, with the program's folder made read-only), closes it with the
// close icon and returns its exit code. `config` is its XDG_CONFIG_HOME.
namespace {

std::optional<int> runInstalledAndClose(const QString& binary, const QTemporaryDir& config) {
    XvfbDisplay display;
    if (!display.ok()) return std::nullopt;
    QStringList command{binary};
    if (geteuid() == 0) {
        // Root writes anywhere; the program must meet the permissions a user meets.
        if (chown(config.path().toLocal8Bit().constData(), 65534, 65534) != 0) return std::nullopt;
        command =
            QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                        QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), binary};
    } else {
        QFile::setPermissions(QFileInfo(binary).path(), QFile::ReadOwner | QFile::ExeOwner |
                                                            QFile::ReadOther | QFile::ExeOther);
    }
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("HOME"), config.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), config.path()); // the user's own
    HuebitProcess app(display);
    if (!app.startCommand(command, env) || !app.waitUntilOpaque()) return std::nullopt;
    app.click({392, 11}); // the close icon
    return app.waitForExit(5000);
}

} // namespace

TEST_F(InstallE2E, RunsAsAnUnprivilegedUserWithItsSettingsInTheConfigDirectory) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    QTemporaryDir config;
    ASSERT_EQ(runInstalledAndClose(path(QStringLiteral("bin/huebit")), config), 0);
    EXPECT_TRUE(QFile::exists(config.filePath(QStringLiteral("Huebit/Huebit.cnf"))))
        << "no settings in the config directory";
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("bin/Huebit.cnf"))));
}
