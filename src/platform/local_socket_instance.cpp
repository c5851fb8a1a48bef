#include "platform/local_socket_instance.h"

#include "app/instance_key.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace huebit {

namespace {

// One line each way: "forward <launch token>", answered by "shown" or "closing".
constexpr char ForwardWord[] = "forward";
constexpr char ShownWord[] = "shown";
constexpr char ClosingWord[] = "closing";
constexpr int MaxLine = 1024;

} // namespace

LocalSocketInstance::LocalSocketInstance(QString socketPath, int patienceMs)
    : m_path(std::move(socketPath)), m_patience(patienceMs) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] { serve(); });
}

LocalSocketInstance::~LocalSocketInstance() {
    close();
}

QString LocalSocketInstance::socketPathFor(const QString& settingsPath) {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(dir) || !QFileInfo(dir).isWritable()) dir = QDir::tempPath();
    return QDir(dir).filePath(InstanceSocketName(getuid(), settingsPath));
}

LocalSocketInstance::Claim LocalSocketInstance::claim(const QByteArray& startupId) {
    const QDeadlineTimer deadline(m_patience);
    QLockFile lock(m_path + QStringLiteral(".lock"));
    while (!deadline.hasExpired()) {
        // A folder where no lock can be made at all leaves the copies unguarded, not stopped.
        if (!lock.tryLock(int(deadline.remainingTime())) &&
            lock.error() == QLockFile::LockFailedError) {
            break;
        }
        const Ask answer = ask(startupId, int(deadline.remainingTime()));
        if (answer == Ask::Nobody) {
            // No copy answers: a socket file left behind is stale.
            QLocalServer::removeServer(m_path);
            if (!listen()) {
                std::fprintf(stderr, "huebit: cannot listen on %s: %s\n", qPrintable(m_path),
                             qPrintable(m_server.errorString()));
            }
            return Claim::First; // without the socket this copy still runs, just unguarded
        }
        lock.unlock();
        if (answer == Ask::Shown) return Claim::Forwarded;
        // The running copy is closing: wait for it to end, then run.
        QThread::msleep(50);
    }
    return Claim::NoAnswer;
}

LocalSocketInstance::Ask LocalSocketInstance::ask(const QByteArray& startupId, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(qMin(waitMs, 1000))) return Ask::Nobody;
    socket.write(QByteArray(ForwardWord) + ' ' + startupId.left(MaxLine / 2) + '\n');
    socket.waitForBytesWritten(qMin(waitMs, 1000));
    const QDeadlineTimer deadline(waitMs);
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState &&
           !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 200)));
    }
    const QByteArray reply = socket.readLine(MaxLine).trimmed();
    if (reply == ShownWord) return Ask::Shown;
    // "closing", a copy that hung up on us, or one too busy to answer in time.
    return Ask::Closing;
}

bool LocalSocketInstance::listen() {
    return m_server.listen(m_path);
}

void LocalSocketInstance::serve() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxLine) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(MaxLine).trimmed();
            const qsizetype blank = line.indexOf(' ');
            const QByteArray word = blank < 0 ? line : line.left(blank);
            const QByteArray token = blank < 0 ? QByteArray() : line.mid(blank + 1);
            bool shown = false;
            if (word == ForwardWord && m_forward) shown = m_forward(token);
            socket->write(shown ? QByteArray(ShownWord) + '\n' : QByteArray(ClosingWord) + '\n');
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

int ClaimExitCode(InstanceChannel::Claim claim) {
    switch (claim) {
    case InstanceChannel::Claim::First:
        return -1;
    case InstanceChannel::Claim::Forwarded:
        return 0;
    case InstanceChannel::Claim::NoAnswer:
        break;
    }
    std::fputs("huebit: Huebit is already running but does not answer.\n", stderr);
    return 1;
}

void LocalSocketInstance::close() {
    if (m_server.isListening()) m_server.close();
}

} // namespace huebit
