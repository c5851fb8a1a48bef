#include "e2e/atspi_session.h"

#include <QFile>
#include <QStandardPaths>

namespace huebit::e2e {

namespace {

constexpr const char* Python = "/usr/bin/python3";

} // namespace

std::optional<QString> AtspiSession::Missing() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("dbus-daemon");
    if (!QFile::exists(QStringLiteral("/usr/share/dbus-1/services/org.a11y.Bus.service")))
        return QStringLiteral("at-spi2-core");
    QProcess check;
    check.start(QString::fromLatin1(Python),
                {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
    if (!check.waitForFinished(20000) || check.exitCode() != 0)
        return QStringLiteral("python3-pyatspi");
    return std::nullopt;
}

AtspiSession::AtspiSession(const XvfbDisplay& display) : m_display(display) {
    if (!m_runtime.isValid()) return;
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The accessibility bus launcher puts its bus under the runtime directory it inherits from
    // the session bus, so this session shares nothing with any other.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("DISPLAY"), m_display.name());
    m_bus.setProcessEnvironment(env);
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    if (!m_bus.waitForStarted(5000)) return;
    while (!m_bus.canReadLine() && m_bus.waitForReadyRead(5000)) {
    }
    const QString address = QString::fromLatin1(m_bus.readLine()).trimmed();
    if (address.isEmpty()) return;
    m_busAddress = address;
    // The program joins the accessibility bus only when it is already there: start it first.
    QProcess send;
    send.setProcessEnvironment(environment());
    send.start(QStringLiteral("dbus-send"),
               {QStringLiteral("--session"), QStringLiteral("--dest=org.a11y.Bus"),
                QStringLiteral("--print-reply"), QStringLiteral("/org/a11y/bus"),
                QStringLiteral("org.a11y.Bus.GetAddress")});
    if (!send.waitForFinished(10000) || send.exitCode() != 0) m_busAddress.clear();
}

AtspiSession::~AtspiSession() {
    if (m_bus.state() == QProcess::NotRunning) return;
    m_bus.terminate(); // the accessibility bus and registry end with their session
    if (!m_bus.waitForFinished(5000)) {
        m_bus.kill();
        m_bus.waitForFinished(2000);
    }
}

QProcessEnvironment AtspiSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("DISPLAY"), m_display.name());
    env.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    return env;
}

QProcessEnvironment AtspiSession::programEnvironment() const {
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

void AtspiSession::joinProgram(HuebitProcess& app) const {
    app.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    app.setEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    app.setEnvironment(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
}

void AtspiSession::startProbe(QProcess& process, const QStringList& args) const {
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QString::fromLatin1(Python),
                  QStringList{QStringLiteral(HUEBIT_ATSPI_PROBE)} + args);
}

std::optional<QString> AtspiSession::probe(const QStringList& args, int timeoutMs) const {
    QProcess process;
    startProbe(process, args);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace huebit::e2e
