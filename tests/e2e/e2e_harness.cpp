#include "e2e/e2e_harness.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <xcb/xcb.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace huebit::e2e {

namespace {

QProcessEnvironment environmentFor(const QString& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // An X11 session unless a test says otherwise, even when the tests run on a Wayland desktop.
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    return env;
}

// Reads the display number Xvfb writes to its -displayfd, within a few seconds.
QString readDisplayNumber(int fd) {
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (!got.contains('\n') && clock.elapsed() < 10000) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        char buffer[32];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, n);
    }
    return QString::fromLatin1(got).trimmed();
}

} // namespace

std::optional<QByteArray> Run(const QString& display, const QString& program,
                              const QStringList& args, int timeoutMs, const QByteArray& input) {
    QProcess p;
    p.setProcessEnvironment(environmentFor(display));
    p.start(program, args);
    if (!p.waitForStarted(5000)) return std::nullopt;
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return p.readAllStandardOutput();
}

QStringList MissingTools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "xprop", "xclip", "import", "display"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) missing << tool;
    }
    return missing;
}

XvfbDisplay::XvfbDisplay(QSize screen, int depth) : m_size(screen) {
    int fds[2];
    if (pipe(fds) != 0) return;
    const std::string fd = std::to_string(fds[1]);
    const std::string geometry =
        std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x" +
        std::to_string(depth);
    const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", geometry.c_str(),
                          "-nolisten", "tcp", "-noreset", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc == 0) {
        m_pid = pid;
        const QString number = readDisplayNumber(fds[0]);
        if (!number.isEmpty()) m_name = QLatin1Char(':') + number;
    }
    close(fds[0]);
}

XvfbDisplay::~XvfbDisplay() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

QImage XvfbDisplay::screenshot() const {
    const auto png = Run(m_name, QStringLiteral("import"),
                         {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!png) return {};
    return QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool XvfbDisplay::showBackground(const QImage& picture) const {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("background.png"));
    if (!picture.save(file, "PNG")) return false;
    // ImageMagick paints the picture on the root window (and reports failure to find a window
    // manager to tell, which does not matter here).
    Run(m_name, QStringLiteral("display"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    const QImage shown = screenshot();
    return !shown.isNull() && shown.pixel(0, 0) == picture.pixel(0, 0) &&
           shown.pixel(shown.width() - 1, shown.height() - 1) ==
               picture.pixel(picture.width() - 1, picture.height() - 1);
}

HuebitProcess::HuebitProcess(const XvfbDisplay& display) : m_display(display) {}

HuebitProcess::~HuebitProcess() {
    if (m_process.state() == QProcess::NotRunning) return;
    if (const auto code = closeThroughProgram(); code && *code != 0) {
        ADD_FAILURE() << "the program ended with status " << *code
                      << " after its close icon (a sanitizer report?)";
    }
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

std::optional<int> HuebitProcess::closeThroughProgram(int timeoutMs) {
    if (m_process.state() == QProcess::NotRunning) return std::nullopt;
    // Only the full window has the close icon, at (392, 11) times the scale factor.
    const QSize size = m_window.isEmpty() ? QSize() : geometry().size();
    const bool full = size.width() > 0 && size.width() % 404 == 0 &&
                      size.width() * 507 == size.height() * 404 && waitUntilShown(true, 0);
    if (full) {
        key(QStringLiteral("Escape Escape")); // any menu or dialog first
        click(QPoint(392, 11) * (size.width() / 404));
        if (const auto code = waitForExit(timeoutMs / 2)) return code;
    }
    // Shrunk, hidden to the tray or held by a dialog: a termination signal runs the same close.
    sendSignal(SIGTERM);
    return waitForExit(timeoutMs);
}

bool HuebitProcess::start(int timeoutMs) {
    const QString copy = m_dir.filePath(QStringLiteral("huebit"));
    if (!install()) return false;
    return startCommand({copy}, {}, timeoutMs);
}

bool HuebitProcess::launch() {
    return install() && launchCommand({m_dir.filePath(QStringLiteral("huebit"))}, {});
}

bool HuebitProcess::startCommand(const QStringList& command, const QProcessEnvironment& extra,
                                 int timeoutMs) {
    if (!launchCommand(command, extra)) return false;
    // Several copies may run on one display: the window must be this process's own.
    const QString pid = QString::number(m_process.processId());
    const bool mapped = WaitFor(timeoutMs, [this, pid] {
        const QStringList ids = xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                                         QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                         pid, QStringLiteral("--name"), QStringLiteral("^ Huebit$")});
        if (ids.isEmpty()) return false;
        m_window = ids.first();
        return true;
    });
    return mapped && (!m_openFull || openFullWindow());
}

bool HuebitProcess::launchCommand(const QStringList& command, const QProcessEnvironment& extra) {
    QProcessEnvironment env = environmentFor(m_display.name());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_display.runtimeDir());
    // The user's own settings stay out of the test, and the test's out of them.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    // Language files of the user's own stay out of the test.
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    // A Russian desktop unless a test says otherwise: a first start elsewhere chooses English.
    // Only for the program: the tools beside it (xdotool) keep the test's own locale.
    env.remove(QStringLiteral("LC_ALL"));
    env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("ru_RU.UTF-8"));
    env.insert(m_environment);
    for (const QString& name : extra.keys()) env.insert(name, extra.value(name));
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(m_dir.path());
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(command.first(), command.mid(1));
    if (!m_process.waitForStarted(5000)) return false;
    m_command = command;
    return true;
}

bool HuebitProcess::openFullWindow(int timeoutMs) {
    // The start ends in one of the two sizes once the floating panel has been created: the
    // 34 x 23 mini-window or the 404 x 507 window, both times the scale factor.
    QSize size;
    if (!WaitFor(timeoutMs, [this, &size] {
            size = geometry().size();
            return size.width() > 0 && (size.width() * 23 == size.height() * 34 ||
                                        size.width() * 507 == size.height() * 404);
        }))
        return false;
    const bool mini = size.width() * 23 == size.height() * 34;
    if (mini) {
        // A second start brings the running copy out of the mini-window, without the hover
        // view that a pointer over it would open (and the screen copy that view may make).
        QProcess again;
        again.setProcessEnvironment(m_process.processEnvironment());
        again.setWorkingDirectory(m_dir.path());
        again.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        again.start(m_command.first(), m_command.mid(1));
        if (!again.waitForFinished(timeoutMs) || again.exitCode() != 0) return false;
    }
    if (!WaitFor(timeoutMs, [this] {
            const QSize s = geometry().size();
            return s.width() * 507 == s.height() * 404;
        }) ||
        !waitUntilOpaque(timeoutMs))
        return false;
    // A first start opens on the screen page; the colour selection is where the tests begin.
    const int scale = geometry().width() / 404;
    if (mini) click(QPoint(34, 35) * scale);
    return true;
}

bool HuebitProcess::waitUntilShown(bool shown, int timeoutMs) {
    return WaitFor(timeoutMs, [this, shown] {
        const QStringList ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), QStringLiteral("^ Huebit$")});
        return ids.contains(m_window) == shown;
    });
}

bool HuebitProcess::install() const {
    const QString copy = m_dir.filePath(QStringLiteral("huebit"));
    if (QFileInfo::exists(copy)) return true;
    return QFile::copy(QStringLiteral(HUEBIT_BINARY), copy) &&
           QFile::setPermissions(copy, QFileInfo(QStringLiteral(HUEBIT_BINARY)).permissions());
}

void HuebitProcess::sendSignal(int signal) const {
    if (m_process.state() == QProcess::Running) ::kill(pid_t(m_process.processId()), signal);
}

bool HuebitProcess::requestClose() const {
    xcb_connection_t* c = xcb_connect(m_display.name().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    };
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = m_window.toUInt();
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    // A round trip, so the server has handled the event before this connection goes away.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    const bool sent = !xcb_connection_has_error(c);
    xcb_disconnect(c);
    return sent;
}

bool HuebitProcess::waitUntilOpaque(int timeoutMs) {
    // Fully opaque is 0xFFFFFFFF, or no property at all.
    return WaitFor(timeoutMs, [this] {
        const QString p = property(QStringLiteral("_NET_WM_WINDOW_OPACITY"));
        return !p.contains(QLatin1Char('=')) || p.endsWith(QLatin1String("= 4294967295"));
    });
}

void HuebitProcess::kill() {
    m_process.kill();
    m_process.waitForFinished(3000);
}

std::optional<int> HuebitProcess::waitForExit(int timeoutMs) {
    if (!m_process.waitForFinished(timeoutMs)) return std::nullopt;
    if (m_process.exitStatus() != QProcess::NormalExit) return -1;
    return m_process.exitCode();
}

QStringList HuebitProcess::xdotool(const QStringList& args) const {
    const auto out = Run(m_display.name(), QStringLiteral("xdotool"), args);
    if (!out) return {};
    return QString::fromUtf8(*out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QRect HuebitProcess::geometry() const {
    QRect r;
    for (const QString& line :
         xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_window})) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("X")) r.moveLeft(value);
        if (key == QLatin1String("Y")) r.moveTop(value);
        if (key == QLatin1String("WIDTH")) r.setWidth(value);
        if (key == QLatin1String("HEIGHT")) r.setHeight(value);
    }
    return r;
}

QString HuebitProcess::windowName() const {
    const auto out = Run(m_display.name(), QStringLiteral("xdotool"),
                         {QStringLiteral("getwindowname"), m_window});
    return out ? QString::fromUtf8(*out).chopped(out->endsWith('\n') ? 1 : 0) : QString();
}

QString HuebitProcess::property(const QString& atom) const {
    const auto out = Run(m_display.name(), QStringLiteral("xprop"),
                         {QStringLiteral("-id"), m_window, atom});
    return out ? QString::fromUtf8(*out).trimmed() : QString();
}

void HuebitProcess::moveTo(QPoint at) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), m_window,
             QString::number(at.x()), QString::number(at.y())});
}

void HuebitProcess::moveToScreen(QPoint at) const {
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void HuebitProcess::click(QPoint at, int button) const {
    moveTo(at);
    xdotool({QStringLiteral("click"), QString::number(button)});
}

void HuebitProcess::press(QPoint at, int button) const {
    moveTo(at);
    xdotool({QStringLiteral("mousedown"), QString::number(button)});
}

void HuebitProcess::release(int button) const {
    xdotool({QStringLiteral("mouseup"), QString::number(button)});
}

void HuebitProcess::key(const QString& keys) const {
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
            keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void HuebitProcess::type(const QString& text) const {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

QByteArray HuebitProcess::clipboard(const QString& mimeType) const {
    const auto out = Run(m_display.name(), QStringLiteral("xclip"),
                         {QStringLiteral("-o"), QStringLiteral("-selection"),
                          QStringLiteral("clipboard"), QStringLiteral("-t"), mimeType});
    return out.value_or(QByteArray());
}

QString HuebitProcess::clipboardText() const {
    return QString::fromUtf8(clipboard(QStringLiteral("UTF8_STRING")));
}

std::optional<QPoint> FindExactly(const QImage& screen, const PixelBuffer& part) {
    const QRgb first = qRgb(GetRValue(part.pixel(0, 0)), GetGValue(part.pixel(0, 0)),
                            GetBValue(part.pixel(0, 0)));
    auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < part.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(top + y)) + left;
            for (int x = 0; x < part.width(); ++x) {
                const Color c = part.pixel(x, y);
                if ((line[x] & 0xFFFFFF) != (qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF))
                    return false;
            }
        }
        return true;
    };
    for (int top = 0; top + part.height() <= screen.height(); ++top) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(top));
        for (int left = 0; left + part.width() <= screen.width(); ++left) {
            if ((line[left] & 0xFFFFFF) == (first & 0xFFFFFF) && matchesAt(left, top)) {
                return QPoint(left, top);
            }
        }
    }
    return std::nullopt;
}

bool WaitFor(int timeoutMs, const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace huebit::e2e
