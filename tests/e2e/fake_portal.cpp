#include "e2e/fake_portal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

namespace huebit::e2e {

namespace {

// The system's Python, which has the distribution's dbus module, whatever PATH prefers.
QString python() {
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}

// Starts `args` under dbus-run-session with the test bus configuration and reads the bus
// address from the first line "ready ADDRESS".
QString startOnPrivateBus(QProcess& process, const QStringList& args) {
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("dbus-run-session"),
                  QStringList{QStringLiteral("--config-file=" HUEBIT_PRIVATE_BUS_CONF),
                              QStringLiteral("--")} +
                      args);
    if (!process.waitForStarted(5000)) return {};
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < 15000)
        process.waitForReadyRead(200);
    const QString line = QString::fromUtf8(process.readLine()).trimmed();
    return line.startsWith(QLatin1String("ready ")) ? line.mid(6) : QString();
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.closeWriteChannel(); // the script ends at the end of its input, the bus with it
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

QString FakePortal::Missing() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty())
        return QStringLiteral("dbus-run-session");
    QProcess probe;
    probe.start(python(), {QStringLiteral("-c"), QStringLiteral("import dbus, gi")});
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
        return QStringLiteral("python3-dbus or python3-gi");
    return {};
}

FakePortal::FakePortal(const Options& options, const QString& pickColor) {
    QStringList args{python(),
                     QStringLiteral(HUEBIT_FAKE_PORTAL),
                     QStringLiteral("--answers"),
                     options.answers.join(QLatin1Char(',')),
                     QStringLiteral("--image"),
                     options.image,
                     QStringLiteral("--delay-ms"),
                     QString::number(options.delayMs)};
    if (!options.dir.isEmpty()) args << QStringLiteral("--dir") << options.dir;
    if (!pickColor.isEmpty()) args << QStringLiteral("--pick-color") << pickColor;
    m_address = startOnPrivateBus(m_process, args);
}

FakePortal::~FakePortal() {
    stop(m_process);
}

QStringList FakePortal::events() {
    m_partial += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        m_events << QString::fromUtf8(m_partial.left(end)).trimmed();
        m_partial.remove(0, end + 1);
    }
    return m_events;
}

int FakePortal::calls() {
    int n = 0;
    for (const QString& e : events())
        n += e.startsWith(QLatin1String("call ")) ? 1 : 0;
    return n;
}

bool FakePortal::waitFor(const QString& prefix, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        for (const QString& e : events())
            if (e.startsWith(prefix)) return true;
        if (clock.elapsed() > timeoutMs) return false;
        m_process.waitForReadyRead(100);
    }
}

EmptyBus::EmptyBus() {
    // A bus that only says where it is and then waits for the end of its input.
    m_address = startOnPrivateBus(
        m_process, {QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("echo ready $DBUS_SESSION_BUS_ADDRESS; exec cat >/dev/null")});
}

EmptyBus::~EmptyBus() {
    stop(m_process);
}

} // namespace huebit::e2e
