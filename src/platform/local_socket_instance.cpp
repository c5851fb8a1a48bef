#include "platform/local_socket_instance.h"

#include "app/instance_key.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace huebit {

namespace {

// One line each way: "forward <launch token>", answered by "shown" or "closing"; or
// "pick RRGGBB" (hexadecimal), answered by "taken" or "closing".
constexpr char ForwardWord[] = "forward";
constexpr char PickWord[] = "pick";
constexpr char TakenWord[] = "taken";
constexpr char ShownWord[] = "shown";
constexpr char ClosingWord[] = "closing";
constexpr int MaxLine = 1024;
// A start sends its line as soon as it connects; a caller silent this long is dropped.
constexpr int IdleMs = 3000;
// At most this many callers are held at once; the longest waiting makes room for a new one.
constexpr std::size_t MaxCallers = 16;
// Out of descriptors (or memory) a connection cannot be taken: wait this long before trying
// again, rather than trying at once for ever.
constexpr int AcceptRetryMs = 250;

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// Something of the given type (S_IFSOCK, S_IFREG) at `path`, not a link, and this user's own.
bool ownEntry(const QString& path, mode_t type) {
    struct stat info {};
    return ::lstat(encoded(path).constData(), &info) == 0 && (info.st_mode & S_IFMT) == type &&
           info.st_uid == ::getuid();
}

bool entryExists(const QString& path) {
    struct stat info {};
    return ::lstat(encoded(path).constData(), &info) == 0;
}

// The desktop's runtime folder counts when it is this user's own folder that nobody else may
// write.
bool ownRuntimeFolder(const QString& path) {
    struct stat info {};
    return QDir::isAbsolutePath(path) && ::stat(encoded(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 022) == 0 &&
           ::access(encoded(path).constData(), W_OK | X_OK) == 0;
}

// Makes the user's private folder if it is not there; true when it is a folder (not a link) of
// this user's own that nobody else may enter.
bool makePrivateFolder(const QString& path) {
    ::mkdir(encoded(path).constData(), 0700);
    struct stat info {};
    return ::lstat(encoded(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Held while a start asks for a running copy and, finding none, takes the socket, so two starts
// at once do not both listen. The system lets go of it with the descriptor, also when a start
// dies: no lock is ever left behind to be judged stale.
class StartLock {
public:
    explicit StartLock(const QString& path)
        : m_fd(::open(encoded(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {}
    ~StartLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    /// Waits for the lock until `deadline`; false only when another start held it throughout.
    /// Where no lock can be made at all the copies go unguarded, not stopped.
    bool take(const QDeadlineTimer& deadline) {
        if (m_fd < 0) return true;
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return true;
            if (deadline.hasExpired()) return false;
            QThread::msleep(5);
        }
        return true;
    }
    void release() {
        if (m_fd >= 0) ::flock(m_fd, LOCK_UN);
    }

private:
    int m_fd;
};

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
    quint64 id = 0;
    int fd = -1;
    QByteArray line;
    QDeadlineTimer idle{IdleMs};
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
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!ownRuntimeFolder(runtime)) runtime.clear();
    const QString path = InstanceSocketPath(runtime, QDir::tempPath(), ::getuid(), settingsPath);
    const QString folder = QFileInfo(path).path();
    if (!runtime.isEmpty() && folder == QDir::cleanPath(runtime)) return path;
    if (makePrivateFolder(folder)) return path;
    // Another user's folder, or one others may write: whatever waits there is not trusted.
    std::fprintf(stderr,
                 "huebit: %s is not a private folder of this user; not looking for a "
                 "running copy\n",
                 qPrintable(folder));
    return {};
}

LocalSocketInstance::Claim LocalSocketInstance::claim(const QByteArray& startupId) {
    if (m_path.isEmpty()) return Claim::First; // no safe place to meet: this copy runs unguarded
    const QDeadlineTimer deadline(m_patience);
    const QString lockPath = m_path + QStringLiteral(".lock");
    // Only a lock of this user's own holds a start back; anything else in its place goes.
    if (entryExists(lockPath) && !ownEntry(lockPath, S_IFREG))
        ::unlink(encoded(lockPath).constData());
    StartLock lock(lockPath);
    while (!deadline.hasExpired()) {
        if (!lock.take(deadline)) break;
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
        lock.release();
        if (answer == Ask::Shown) return Claim::Forwarded;
        // The running copy is closing: wait for it to end, then run.
        QThread::msleep(50);
    }
    return Claim::NoAnswer;
}

LocalSocketInstance::Ask LocalSocketInstance::ask(const QByteArray& startupId, int waitMs) {
    const std::optional<QByteArray> word =
        request(QByteArray(ForwardWord) + ' ' + startupId.left(MaxLine / 2) + '\n', waitMs);
    if (!word) return Ask::Nobody;
    if (*word == ShownWord) return Ask::Shown;
    // "closing", a copy that hung up on us, or one too busy to answer in time.
    return Ask::Closing;
}

LocalSocketInstance::HandOver LocalSocketInstance::handOverPick(Color c) {
    if (m_path.isEmpty()) return HandOver::NoWindow;
    const QByteArray hex =
        QByteArray::number((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c), 16)
            .rightJustified(6, '0');
    const std::optional<QByteArray> word =
        request(QByteArray(PickWord) + ' ' + hex + '\n', m_patience);
    if (!word) return HandOver::NoWindow;
    return *word == TakenWord ? HandOver::Taken : HandOver::Closing;
}

std::optional<QByteArray> LocalSocketInstance::request(const QByteArray& line, int waitMs) {
    sockaddr_un address;
    // Only a socket of this user's own may hear the launch token; anything else is replaced.
    if (!addressOf(m_path, address) || !ownEntry(m_path, S_IFSOCK)) return std::nullopt;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return std::nullopt;
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
        return std::nullopt;
    }
    writeAll(fd, line, std::min(waitMs, 1000));
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
    return reply.left(reply.indexOf('\n')).trimmed();
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
    m_sweep = std::make_unique<QTimer>();
    m_sweep->setInterval(IdleMs / 4);
    QObject::connect(m_sweep.get(), &QTimer::timeout, m_sweep.get(), [this] { dropIdle(); });
    return true;
}

void LocalSocketInstance::accept() {
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) pauseAccepting();
            return; // none left, or none can be taken now
        }
        if (m_callers.size() >= MaxCallers) m_callers.erase(m_callers.begin());
        auto caller = std::make_unique<Caller>();
        caller->id = ++m_lastCaller;
        caller->fd = fd;
        caller->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Caller* c = caller.get();
        QObject::connect(c->readable.get(), &QSocketNotifier::activated, c->readable.get(),
                         [this, c] { serve(*c); });
        m_callers.push_back(std::move(caller));
        if (!m_sweep->isActive()) m_sweep->start();
    }
}

// The connection waiting stays queued by the system; the notifier would report it again at once.
void LocalSocketInstance::pauseAccepting() {
    m_listening->setEnabled(false);
    QTimer::singleShot(AcceptRetryMs, &m_owner, [this] {
        if (m_listening) m_listening->setEnabled(true);
    });
}

void LocalSocketInstance::dropIdle() {
    std::erase_if(m_callers, [](const std::unique_ptr<Caller>& c) { return c->idle.hasExpired(); });
    if (m_callers.empty()) m_sweep->stop();
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
        writeAll(caller.fd, answer(word, token) + '\n', 1000);
        done = true;
    } else if (caller.line.size() > MaxLine) {
        done = true;
    }
    if (!done) return;
    // Removed later, not from inside its own notifier's signal.
    caller.readable->setEnabled(false);
    QMetaObject::invokeMethod(
        &m_owner,
        [this, id = caller.id] {
            std::erase_if(m_callers,
                          [id](const std::unique_ptr<Caller>& p) { return p->id == id; });
        },
        Qt::QueuedConnection);
}

// The reply to one line: anything not understood, or refused by a closing window, is "closing".
QByteArray LocalSocketInstance::answer(const QByteArray& word, const QByteArray& argument) {
    if (word == ForwardWord && m_forward && m_forward(argument)) return ShownWord;
    bool ok = false;
    const uint rgb = argument.toUInt(&ok, 16);
    if (word == PickWord && ok && argument.size() == 6 && m_pick &&
        m_pick(RGB(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)))) {
        return TakenWord;
    }
    return ClosingWord;
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
    m_sweep.reset();
    if (m_listener < 0) return;
    m_listening.reset();
    ::close(m_listener);
    m_listener = -1;
    ::unlink(QFile::encodeName(m_path).constData());
}

} // namespace huebit
