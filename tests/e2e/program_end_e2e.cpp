// The program's end with the real binary and a tray: the tray menu's "Закрыть" and SIGTERM end
// it from every state it can be in, saving once; a burst of termination signals saves once
// too; and the command-line tasks say nothing but their own messages.

#include "e2e/e2e_harness.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/inotify.h>
#include <unistd.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// Generous bounds for a loaded machine under a sanitizer; a second or less as a rule.
constexpr int EndMs = 10000;
constexpr int ShowMs = 10000;
constexpr QPoint Moved(150, 100);
constexpr QPoint WebColoursTab(218, 62); // "Win" opens the colour dialog
constexpr QPoint SamplePoint(26, 417);   // its double click opens the floating panel
constexpr QSize PanelSize(247, 73);

// Counts the times a name of the folder gets a new file, as a save that replaces the file whole
// does it (a temporary renamed or linked onto the name).
class WriteCounter {
public:
    explicit WriteCounter(const QString& dir) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~WriteCounter() {
        if (m_fd >= 0) ::close(m_fd);
    }
    bool ok() const { return m_fd >= 0; }
    /// New files under `name` since the last call.
    int writes(const char* name) {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && qstrcmp(event->name, name) == 0) ++count;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

private:
    int m_fd;
};

QStringList visibleWindows(const XvfbDisplay& display) {
    const auto ids = e2e::Run(display.name(), QStringLiteral("xdotool"),
                              {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--class"), QStringLiteral("huebit")});
    return QString::fromLatin1(ids.value_or(QByteArray())).split('\n', Qt::SkipEmptyParts);
}

QSize sizeOf(const XvfbDisplay& display, const QString& id) {
    const auto out = e2e::Run(display.name(), QStringLiteral("xdotool"),
                              {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    QSize size;
    for (const QString& line : QString::fromLatin1(out.value_or(QByteArray())).split('\n')) {
        if (line.startsWith(QLatin1String("WIDTH="))) size.setWidth(line.mid(6).toInt());
        if (line.startsWith(QLatin1String("HEIGHT="))) size.setHeight(line.mid(7).toInt());
    }
    return size;
}

QString windowOfSize(const XvfbDisplay& display, QSize size) {
    for (const QString& id : visibleWindows(display)) {
        if (sizeOf(display, id) == size) return id;
    }
    return {};
}

// A standalone tray on the display, found by Qt as an XEmbed tray; up once it is mapped.
bool startTray(const XvfbDisplay& display, QProcess& tray) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    tray.setProcessEnvironment(env);
    tray.start(QStringLiteral("trayer"),
               {"--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "100",
                "--height", "24", "--transparent", "false"});
    return tray.waitForStarted() && WaitFor(5000, [&] {
               return !e2e::Run(display.name(), QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--class"), QStringLiteral("trayer")})
                           .value_or(QByteArray())
                           .isEmpty();
           });
}

void click(const XvfbDisplay& display, const QString& window, QPoint at, int button) {
    e2e::Run(display.name(), QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
              QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
              QString::number(button)});
}

// A window of the program that was not there before and is at least `least` large (a menu or
// a dialog, not a tooltip), or nothing within a few seconds.
QString newWindow(const XvfbDisplay& display, const QStringList& before, QSize least) {
    QString found;
    WaitFor(ShowMs, [&] {
        for (const QString& id : visibleWindows(display)) {
            const QSize size = sizeOf(display, id);
            if (!before.contains(id) && size.width() >= least.width() &&
                size.height() >= least.height())
                found = id;
        }
        return !found.isEmpty();
    });
    return found;
}

// The tray menu's last item, "Закрыть", chosen with the mouse.
bool chooseCloseInTrayMenu(const XvfbDisplay& display, const QString& icon) {
    const QStringList before = visibleWindows(display);
    QString menu;
    // Asked again should the first click come before the icon takes clicks.
    for (int attempt = 0; attempt < 2 && menu.isEmpty(); ++attempt) {
        click(display, icon, {11, 11}, 3);
        menu = newWindow(display, before, {60, 60}); // five lines
    }
    if (menu.isEmpty()) return false;
    const QSize size = sizeOf(display, menu);
    click(display, menu, {size.width() / 2, size.height() - 10}, 1);
    return true;
}

enum class State { Full, Mini, HoverView, Hidden, PanelShown, DialogOpen, LanguageBoxAtStart };
enum class Ending { TrayClose, Terminate };

struct Case {
    const char* name;
    State state;
    Ending ending;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class ProgramEndE2E : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            GTEST_SKIP() << "trayer is not installed";
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        ASSERT_TRUE(startTray(display, tray));
        ASSERT_TRUE(writes.ok());
    }
    void TearDown() override {
        tray.kill();
        tray.waitForFinished();
    }
    QString settingsFile() const { return QDir(app.workDir()).filePath("Huebit.cnf"); }
    QString trayIcon() {
        QString icon;
        WaitFor(ShowMs, [&] { return !(icon = windowOfSize(display, {22, 22})).isEmpty(); });
        return icon;
    }
    void moveWindow(QPoint to) {
        e2e::Run(display.name(), QStringLiteral("xdotool"),
                 {QStringLiteral("windowmove"), app.windowId(), QString::number(to.x()),
                  QString::number(to.y())});
        ASSERT_TRUE(WaitFor(ShowMs, [&] { return app.geometry().topLeft() == to; }))
            << "the window did not move";
    }
    /// Brings the program into `state`; the window's new place is the change to be saved.
    void enter(State state);

    XvfbDisplay display;
    QProcess tray;
    HuebitProcess app{display};
    WriteCounter writes{app.workDir()};
};

void ProgramEndE2E::enter(State state) {
    if (state == State::LanguageBoxAtStart) {
        // A language file of another version: the error box comes before the window.
        QFile language(QDir(app.workDir()).filePath("Old.lng"));
        ASSERT_TRUE(language.open(QIODevice::WriteOnly));
        language.write("Huebit\r\n5.0\r\n");
        language.close();
        SettingsRecord r;
        r.shell.language = QStringLiteral("Old.lng");
        r.shell.stayOnTop = false; // read after the language: lost by a save during the box
        ASSERT_EQ(SaveSettingsFile(settingsFile(), ToSettingsBuffer(r)), QString());
        writes.writes("Huebit.cnf");
        ASSERT_TRUE(app.launch());
        // The box is titled "Huebit", as the tray icon's window is.
        ASSERT_TRUE(WaitFor(ShowMs, [&] {
            const auto ids = e2e::Run(display.name(), QStringLiteral("xdotool"),
                                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), QStringLiteral("^Huebit$")});
            for (const QString& id :
                 QString::fromLatin1(ids.value_or("")).split('\n', Qt::SkipEmptyParts)) {
                if (sizeOf(display, id) != QSize(22, 22)) return true;
            }
            return false;
        })) << "no error box";
        return;
    }
    const bool mini = state == State::Mini || state == State::HoverView;
    if (mini) app.keepMiniWindow();
    app.moveToScreen({700, 400}); // away from the mini-window
    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    moveWindow(Moved);
    switch (state) {
    case State::HoverView:
        app.moveToScreen(Moved + QPoint(20, 12));
        ASSERT_TRUE(WaitFor(ShowMs, [&] { return app.geometry().width() == 404; }))
            << "no hover view";
        break;
    case State::Hidden:
        click(display, trayIcon(), {11, 11}, 1);
        ASSERT_TRUE(app.waitUntilShown(false, ShowMs)) << "the tray icon did not hide the window";
        break;
    case State::PanelShown:
        app.moveTo(SamplePoint);
        e2e::Run(display.name(), QStringLiteral("xdotool"),
                 {QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                  QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
        ASSERT_TRUE(WaitFor(ShowMs, [&] { return !windowOfSize(display, PanelSize).isEmpty(); }))
            << "no floating panel";
        break;
    case State::DialogOpen: {
        const QStringList before = visibleWindows(display);
        app.click(WebColoursTab);
        ASSERT_FALSE(newWindow(display, before, {200, 200}).isEmpty()) << "no colour dialog";
        break;
    }
    default:
        break;
    }
}

} // namespace

TEST_P(ProgramEndE2E, EndsAndSavesOnce) {
    const Case c = GetParam();
    ASSERT_NO_FATAL_FAILURE(enter(c.state));
    if (c.ending == Ending::TrayClose) {
        const QString icon = trayIcon();
        ASSERT_FALSE(icon.isEmpty()) << "no icon in the tray";
        ASSERT_TRUE(chooseCloseInTrayMenu(display, icon)) << "no tray menu";
    } else {
        app.sendSignal(SIGTERM);
    }
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(app.waitForExit(EndMs), std::optional<int>(0)) << "the program did not end";
    std::printf("[ measured ] ended %lld ms after the request\n",
                static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(writes.writes("Huebit.cnf"), 1);
    const auto saved = LoadSettingsFile(settingsFile());
    ASSERT_TRUE(saved.has_value()) << "no settings file";
    const SettingsRecord r = ReadSettingsRecord(*saved);
    if (c.state == State::LanguageBoxAtStart) {
        EXPECT_EQ(r.shell.language, QStringLiteral("Old.lng"));
        EXPECT_FALSE(r.shell.stayOnTop) << "saved before the settings were read to their end";
    } else {
        EXPECT_EQ(r.windowPos, Moved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryState, ProgramEndE2E,
    ::testing::Values(
        Case{"FullByTray", State::Full, Ending::TrayClose},
        Case{"FullBySigterm", State::Full, Ending::Terminate},
        Case{"MiniByTray", State::Mini, Ending::TrayClose},
        Case{"MiniBySigterm", State::Mini, Ending::Terminate},
        Case{"HoverViewByTray", State::HoverView, Ending::TrayClose},
        Case{"HoverViewBySigterm", State::HoverView, Ending::Terminate},
        Case{"HiddenByTray", State::Hidden, Ending::TrayClose},
        Case{"HiddenBySigterm", State::Hidden, Ending::Terminate},
        Case{"PanelShownByTray", State::PanelShown, Ending::TrayClose},
        Case{"PanelShownBySigterm", State::PanelShown, Ending::Terminate},
        Case{"DialogOpenByTray", State::DialogOpen, Ending::TrayClose},
        Case{"DialogOpenBySigterm", State::DialogOpen, Ending::Terminate},
        Case{"LanguageBoxAtStartByTray", State::LanguageBoxAtStart, Ending::TrayClose},
        Case{"LanguageBoxAtStartBySigterm", State::LanguageBoxAtStart, Ending::Terminate}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Two Ctrl+C, `timeout`, a process group stopped at logout: however many termination signals
// come, in whatever order, the program saves once and ends cleanly.
TEST(ProgramEndSignalsE2E, ABurstOfSignalsSavesOnceAndEndsCleanly) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display;
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    HuebitProcess app(display);
    WriteCounter writes(app.workDir());
    ASSERT_TRUE(writes.ok());
    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    e2e::Run(display.name(), QStringLiteral("xdotool"),
             {QStringLiteral("windowmove"), app.windowId(), QString::number(Moved.x()),
              QString::number(Moved.y())});
    ASSERT_TRUE(WaitFor(ShowMs, [&] { return app.geometry().topLeft() == Moved; }));
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGTERM, SIGINT, SIGHUP, SIGTERM})
        app.sendSignal(signal);
    ASSERT_EQ(app.waitForExit(EndMs), std::optional<int>(0)) << "killed or not ended";
    EXPECT_EQ(writes.writes("Huebit.cnf"), 1);
    const auto saved = LoadSettingsFile(QDir(app.workDir()).filePath("Huebit.cnf"));
    ASSERT_TRUE(saved.has_value()) << "no settings file";
    EXPECT_EQ(ReadSettingsRecord(*saved).windowPos, Moved);
}

// The language template is written off screen, where Qt remarks on every window feature it
// lacks (opacity, a tray, a runtime folder): none of that reaches standard error.
TEST(CommandLineE2E, TheLanguageTemplateWritesNothingToStandardError) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(HUEBIT_BINARY),
            {QStringLiteral("--write-language-template"), dir.filePath("template.lng")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError().toStdString(), "");
    EXPECT_GT(QFileInfo(dir.filePath("template.lng")).size(), 0);
}
