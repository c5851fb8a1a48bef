#include "platform/local_socket_instance.h"

#include "app/instance_key.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace huebit {

namespace {

// One line each way: "forward <launch token>", answered by "shown" or "closing".
constexpr char ForwardWord[] = "forward";
constexpr char ShownWord[] = "shown";
constexpr char ClosingWord[] = "closing";
constexpr int MaxLine = 1024;

// The socket's address; false when the path does not fit one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address.sun_path) return false;
    address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// Waits until `fd` is ready for `events` or `waitMs` has passed.
bool waitFor(int fd, short events, int waitMs) {
    pollfd p{fd, events, 0};
    int r;
    do {
        r = poll(&p, 1, std::max(waitMs, 0));
    } while (r < 0 && errno == EINTR);
    return r > 0;
}

void writeAll(int fd, const QByteArray& bytes, int waitMs) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done, std::size_t(bytes.size() - done),
                                 MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, waitMs)) {
            continue;
        } else {
            return;
        }
    }
}

} // namespace

// A start that has connected: what it has sent so far, until its line is whole.
struct LocalSocketInstance::Caller {
    int fd = -1;
    QByteArray line;
    std::unique_ptr<QSocketNotifier> readable;
    ~Caller() {
        readable.reset();
        if (fd >= 0) ::close(fd);
    }
};

LocalSocketInstance::LocalSocketInstance(QString socketPath, int patienceMs)
    : m_path(std::move(socketPath)), m_patience(patienceMs) {}

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
            ::unlink(QFile::encodeName(m_path).constData());
            if (!listen()) {
                std::fprintf(stderr, "huebit: cannot listen on %s: %s\n", qPrintable(m_path),
                             std::strerror(errno));
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
    sockaddr_un address;
    if (!addressOf(m_path, address)) return Ask::Nobody;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Ask::Nobody;
    // A listening copy takes the connection at once (the system queues it); only a full queue
    // makes a start wait here.
    int r = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    if (r < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, std::min(waitMs, 1000))) {
        int error = 0;
        socklen_t length = sizeof error;
        r = getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0 ? 0 : -1;
    }
    if (r < 0) {
        ::close(fd);
        return Ask::Nobody;
    }
    writeAll(fd, QByteArray(ForwardWord) + ' ' + startupId.left(MaxLine / 2) + '\n',
             std::min(waitMs, 1000));
    const QDeadlineTimer deadline(waitMs);
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() < MaxLine && !deadline.hasExpired()) {
        if (!waitFor(fd, POLLIN, int(std::min<qint64>(deadline.remainingTime(), 200)))) continue;
        char buffer[256];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) break; // the copy hung up
        reply.append(buffer, n);
    }
    ::close(fd);
    const QByteArray word = reply.left(reply.indexOf('\n')).trimmed();
    if (word == ShownWord) return Ask::Shown;
    // "closing", a copy that hung up on us, or one too busy to answer in time.
    return Ask::Closing;
}

bool LocalSocketInstance::listen() {
    sockaddr_un address;
    if (!addressOf(m_path, address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    // Only this user may ask: the socket is made without rights for anyone else.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 16) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    m_listener = fd;
    m_listening = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(m_listening.get(), &QSocketNotifier::activated, m_listening.get(),
                     [this] { accept(); });
    return true;
}

void LocalSocketInstance::accept() {
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return; // none left (EAGAIN), or the caller already gave up
        }
        auto caller = std::make_unique<Caller>();
        caller->fd = fd;
        caller->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Caller* c = caller.get();
        QObject::connect(c->readable.get(), &QSocketNotifier::activated, c->readable.get(),
                         [this, c] { serve(*c); });
        m_callers.push_back(std::move(caller));
    }
}

// Reads what a start has sent; once its line is whole, answers it and hangs up. A start that
// hangs up first, or sends more than a line without its end, is hung up on.
void LocalSocketInstance::serve(Caller& caller) {
    bool done = false;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(caller.fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) break;
        if (n <= 0) {
            done = true;
            break;
        }
        caller.line.append(buffer, n);
        if (caller.line.contains('\n') || caller.line.size() > MaxLine) break;
    }
    const qsizetype end = caller.line.indexOf('\n');
    if (end >= 0 && end <= MaxLine) {
        const QByteArray line = caller.line.left(end).trimmed();
        const qsizetype blank = line.indexOf(' ');
        const QByteArray word = blank < 0 ? line : line.left(blank);
        const QByteArray token = blank < 0 ? QByteArray() : line.mid(blank + 1);
        bool shown = false;
        if (word == ForwardWord && m_forward) shown = m_forward(token);
        writeAll(caller.fd, QByteArray(shown ? ShownWord : ClosingWord) + '\n', 1000);
        done = true;
    } else if (caller.line.size() > MaxLine) {
        done = true;
    }
    if (!done) return;
    // Removed later, not from inside its own notifier's signal.
    caller.readable->setEnabled(false);
    QMetaObject::invokeMethod(
        &m_owner,
        [this, c = &caller] {
            std::erase_if(m_callers, [c](const std::unique_ptr<Caller>& p) { return p.get() == c; });
        },
        Qt::QueuedConnection);
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
    m_callers.clear();
    if (m_listener < 0) return;
    m_listening.reset();
    ::close(m_listener);
    m_listener = -1;
    ::unlink(QFile::encodeName(m_path).constData());
}

} // namespace huebit
