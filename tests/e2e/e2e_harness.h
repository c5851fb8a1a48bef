#pragma once
// End-to-end harness: a private Xvfb, the real Huebit binary in a scratch directory, and the
// X tools a user's desktop would offer (xdotool to click and type, import for screenshots,
// xclip for the clipboard, xprop for window properties).

#include "core/pixel_buffer.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>

namespace huebit::e2e {

/// Runs a command to completion (at most `timeoutMs`) and returns its standard output, or
/// nothing when it failed to start, timed out or exited non-zero.
std::optional<QByteArray> Run(const QString& display, const QString& program,
                              const QStringList& args, int timeoutMs = 10000,
                              const QByteArray& input = {});

/// Which of the tools the tests drive are missing from this machine.
QStringList MissingTools();

/// Polls `condition` until it holds (true) or `timeoutMs` passes (false).
bool WaitFor(int timeoutMs, const std::function<bool()>& condition);

/// Skips the calling test, or the fixture's SetUp, when a tool the tests drive is missing.
#define HUEBIT_SKIP_WITHOUT_E2E_TOOLS()                                                            \
    do {                                                                                           \
        const QStringList missingTools_ = ::huebit::e2e::MissingTools();                           \
        if (!missingTools_.isEmpty())                                                              \
            GTEST_SKIP() << "missing tools: " << missingTools_.join(' ').toStdString();            \
    } while (0)

/// An Xvfb server on a display number it chooses itself, stopped on destruction.
class XvfbDisplay {
public:
    explicit XvfbDisplay(QSize screen = {1024, 768}, int depth = 24);
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool ok() const { return !m_name.isEmpty(); }
    const QString& name() const { return m_name; } ///< ":N"
    QSize size() const { return m_size; }
    /// The runtime folder the programs on this display share (XDG_RUNTIME_DIR): where copies
    /// of Huebit meet, removed with the display so no socket outlives the test.
    QString runtimeDir() const { return m_runtime.path(); }

    /// The whole screen as the X server holds it.
    QImage screenshot() const;
    /// Fills the root window with a picture (for tests that capture the screen).
    bool showBackground(const QImage& picture) const;

private:
    int m_pid = -1;
    QString m_name;
    QSize m_size;
    QTemporaryDir m_runtime;
};

/// The program under test, started from a copy in a scratch directory so its settings file
/// never lands in the build tree.
class HuebitProcess {
public:
    explicit HuebitProcess(const XvfbDisplay& display);
    ~HuebitProcess();

    /// An environment variable for the program, set before `start`.
    void setEnvironment(const QString& name, const QString& value) {
        m_environment.insert(name, value);
    }
    /// Starts the program and waits until its main window is mapped (it can be started again,
    /// from the same directory, after it has exited). A first start comes up as
    /// the mini-window; unless `keepMiniWindow()` was asked for, the window is then opened to
    /// full size (see `openFullWindow`).
    bool start(int timeoutMs = 10000);
    /// Starts the program without waiting for its main window (a message box may come first).
    bool launch();
    /// The next start leaves the window as it comes up.
    void keepMiniWindow() { m_openFull = false; }
    /// Opens the first start's mini-window to the full window (through a second start, which
    /// brings the running copy forward) and shows the "Подбор " page; waits for the full,
    /// opaque window.
    bool openFullWindow(int timeoutMs = 5000);
    /// Starts `command` (a program and its arguments: an installed copy, perhaps behind a
    /// wrapper such as setpriv) in the scratch directory with `extra` added to the environment,
    /// and waits for the main window.
    bool startCommand(const QStringList& command, const QProcessEnvironment& extra = {},
                      int timeoutMs = 10000);
    /// Waits until the main window is mapped (`shown`) or unmapped.
    bool waitUntilShown(bool shown, int timeoutMs = 10000);
    /// A signal to the running program, as a session or `kill` sends it.
    void sendSignal(int signal) const;
    /// The window manager's close request (WM_DELETE_WINDOW), as a title bar's close button or
    /// Alt+F4 sends it.
    bool requestClose() const;
    /// Copies the program into workDir() (start() does it when needed).
    bool install() const;
    /// Waits until the fade-in has finished (the window carries no opacity below 1).
    bool waitUntilOpaque(int timeoutMs = 3000);
    /// Kills the program outright (SIGKILL), as a crash would end it.
    void kill();
    /// Ends the program through its own close sequence, so that what runs at exit runs, the
    /// sanitizers' leak check among it: Escape for any menu or dialog and the close icon when
    /// the full window is shown, else (or when that did not end it) SIGTERM, which the program
    /// turns into the same close. The exit status, or nothing when it did not end within
    /// `timeoutMs`. The destructor does this for every test and fails the test on a status
    /// other than 0.
    std::optional<int> closeThroughProgram(int timeoutMs = 15000);
    /// The exit code, or nothing if it has not exited within `timeoutMs`.
    std::optional<int> waitForExit(int timeoutMs);

    QString windowId() const { return m_window; }
    QRect geometry() const;
    QString windowName() const;
    QString property(const QString& atom) const;

    // Input in window coordinates, as a user would give it.
    void click(QPoint at, int button = 1) const;
    void press(QPoint at, int button = 1) const;
    void moveTo(QPoint at) const;
    /// The pointer to a point of the screen, wherever the window is.
    void moveToScreen(QPoint at) const;
    void release(int button = 1) const;
    /// Key names as xdotool spells them, several separated by blanks ("ctrl+a Return").
    void key(const QString& keys) const;
    void type(const QString& text) const;

    QString clipboardText() const;
    QByteArray clipboard(const QString& mimeType) const;
    QString workDir() const { return m_dir.path(); }

private:
    QStringList xdotool(const QStringList& args) const;
    bool launchCommand(const QStringList& command, const QProcessEnvironment& extra);

    const XvfbDisplay& m_display;
    QTemporaryDir m_dir;
    QProcess m_process;
    QProcessEnvironment m_environment;
    QString m_window;
    bool m_openFull = true;
    QStringList m_command;
};

/// Where `part` appears exactly in `screen`, or nothing.
std::optional<QPoint> FindExactly(const QImage& screen, const PixelBuffer& part);

} // namespace huebit::e2e
