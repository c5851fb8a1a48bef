// One running copy per socket: a second start is forwarded, a closing copy hands over to the
// next start, a socket file left by a killed copy is replaced, different sockets run side by side.
#include "app/instance_key.h"
#include "platform/local_socket_instance.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <QLockFile>
#include <fcntl.h>
#include <sys/file.h>
#include <QScopeGuard>
#include <QSemaphore>
#include <algorithm>
#include <atomic>
#include <ctime>
#include <memory>
#include <poll.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace huebit;
using Claim = InstanceChannel::Claim;

namespace {

// Another start, in a thread of its own: its claim blocks while this thread's event loop lets
// the running copy answer.
Claim claimElsewhere(const QString& path, const QByteArray& id, int patienceMs = 5000) {
    Claim result = Claim::NoAnswer;
    std::unique_ptr<QThread> other(QThread::create([&] {
        LocalSocketInstance copy(path, patienceMs);
        result = copy.claim(id);
    }));
    other->start();
    while (!other->wait(QDeadlineTimer(0)))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return result;
}

// Binds a listening socket at `path`, as another copy (or another program) would.
int listenAt(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 4) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A client of the socket at `path` that connects without waiting; -1 when it cannot.
int connectTo(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Hung up on by the other side: the read ends.
bool hungUp(int fd) {
    char buffer[64];
    return recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) == 0;
}

int openDescriptors() {
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

uid_t nobody() {
    const passwd* user = getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

qint64 cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class LocalSocketInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartIsForwardedWithItsToken() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        QList<QByteArray> asked;
        first.setForwardHandler([&](const QByteArray& id) {
            asked << id;
            return true;
        });
        QCOMPARE(claimElsewhere(path, "launcher-1_TIME42"), Claim::Forwarded);
        QCOMPARE(claimElsewhere(path, {}), Claim::Forwarded);
        QCOMPARE(asked, (QList<QByteArray>{"launcher-1_TIME42", ""}));
    }

    void aClosingCopyHandsOverToTheNextStart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        int asked = 0;
        first.setForwardHandler([&](const QByteArray&) {
            ++asked;
            return false;
        });
        QTimer::singleShot(300, [&] { first.close(); });
        QCOMPARE(claimElsewhere(path, {}), Claim::First);
        QVERIFY(asked >= 1);
    }

    void aSocketLeftByAKilledCopyIsReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        // What a killed copy leaves: a socket file nobody listens on.
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        QCOMPARE(listen(fd, 1), 0);
        close(fd);
        QVERIFY(QFile::exists(path));
        LocalSocketInstance next(path, 2000);
        QCOMPARE(next.claim({}), Claim::First);
        // And it answers from then on.
        next.setForwardHandler([](const QByteArray&) { return true; });
        QCOMPARE(claimElsewhere(path, {}), Claim::Forwarded);
    }

    void aCopyThatDoesNotAnswerStopsTheStartInTime() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        // This thread runs no event loop meanwhile: the running copy is stuck.
        QElapsedTimer clock;
        clock.start();
        LocalSocketInstance second(path, 400);
        QCOMPARE(second.claim({}), Claim::NoAnswer);
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }

    // The socket is this user's alone; a caller that floods it or hangs up at once is dropped
    // and the copy goes on answering; a closed copy leaves no socket file behind.
    void strangeCallersAndTheSocketFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        first.setForwardHandler([](const QByteArray&) { return true; });
        struct stat info {};
        QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0077, 0u);

        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        for (const QByteArray& sent : {QByteArray(5000, 'x'), QByteArray()}) {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            if (!sent.isEmpty()) QVERIFY(write(fd, sent.constData(), size_t(sent.size())) > 0);
            if (sent.isEmpty()) {
                close(fd);
                continue;
            }
            // Hung up on without an answer.
            QDeadlineTimer deadline(5000);
            char buffer[64];
            ssize_t n = -1;
            while (!deadline.hasExpired()) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
                n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
                if (n >= 0) break;
            }
            QCOMPARE(n, ssize_t(0));
            close(fd);
        }
        QCOMPARE(claimElsewhere(path, "after"), Claim::Forwarded);
        first.close();
        QVERIFY(!QFile::exists(path));
    }

    void differentSettingsRunSideBySide() {
        QTemporaryDir dir;
        LocalSocketInstance a(dir.filePath(QStringLiteral("a")));
        LocalSocketInstance b(dir.filePath(QStringLiteral("b")));
        QCOMPARE(a.claim({}), Claim::First);
        QCOMPARE(b.claim({}), Claim::First);
    }

    void simultaneousStartsMakeOneFirst() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        constexpr int Starts = 16;
        QSemaphore ready;
        QSemaphore go;
        QSemaphore claimed;
        QSemaphore release;
        std::atomic<int> firsts = 0;
        std::vector<std::unique_ptr<QThread>> starts;
        for (int i = 0; i < Starts; ++i) {
            starts.emplace_back(QThread::create([&] {
                LocalSocketInstance copy(path, 1500);
                ready.release();
                go.acquire(); // all claim at the same moment
                if (copy.claim({}) == Claim::First) ++firsts;
                claimed.release();
                release.acquire(); // the first stays up until every start has made its claim
            }));
            starts.back()->start();
        }
        QVERIFY(ready.tryAcquire(Starts, 20000));
        go.release(Starts);
        QVERIFY(claimed.tryAcquire(Starts, 20000));
        release.release(Starts);
        for (auto& t : starts)
            t->wait();
        QCOMPARE(firsts.load(), 1);
    }

    // Without the desktop's runtime folder the socket lies in a folder of the user's own that
    // nobody else may enter.
    void theSocketFolderIsPrivate() {
        QTemporaryDir temp;
        const ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp.path()));
        const QString settings = temp.filePath(QStringLiteral("Huebit.cnf"));
        QString path;
        {
            const ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray());
            path = LocalSocketInstance::socketPathFor(settings);
        }
        const QString folder = QFileInfo(path).path();
        QCOMPARE(QFileInfo(folder).dir().path(), temp.path());
        struct stat info {};
        QCOMPARE(lstat(QFile::encodeName(folder).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 0777, 0700u);
        QCOMPARE(info.st_uid, getuid());
    }

    // A runtime folder too long for a socket's address falls back to the private folder, so
    // two starts still meet.
    void aLongRuntimeFolderFallsBackToThePrivateOne() {
        QTemporaryDir temp;
        const ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp.path()));
        const QString settings = temp.filePath(QStringLiteral("Huebit.cnf"));
        QTemporaryDir runtime;
        QString deep = runtime.path();
        while (deep.size() < 120)
            deep += QStringLiteral("/long-folder-name");
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QString path;
        {
            const ScopedEnv longRuntime("XDG_RUNTIME_DIR", QFile::encodeName(deep));
            path = LocalSocketInstance::socketPathFor(settings);
        }
        QCOMPARE(path, PrivateInstanceFolder(temp.path(), getuid()) + QLatin1Char('/') +
                           QFileInfo(path).fileName());
        {
            const ScopedEnv ownRuntime("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
            QCOMPARE(QFileInfo(LocalSocketInstance::socketPathFor(settings)).path(),
                     runtime.path());
        }
        // Both starts through the long runtime folder: the second is forwarded.
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        first.setForwardHandler([](const QByteArray&) { return true; });
        QCOMPARE(claimElsewhere(path, {}), Claim::Forwarded);
    }

    // What another user owns is not trusted. A private folder or runtime folder of theirs is
    // not used: the copy runs on its own.
    void anotherUsersFolderIsNotUsed() {
        if (getuid() != 0) QSKIP("only root can give a file to another user");
        QTemporaryDir temp;
        const ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temp.path()));
        const QString settings = temp.filePath(QStringLiteral("Huebit.cnf"));
        const QString theirs = PrivateInstanceFolder(temp.path(), getuid());
        QVERIFY(QDir().mkpath(theirs));
        QVERIFY(chmod(QFile::encodeName(theirs).constData(), 0700) == 0);
        QVERIFY(chown(QFile::encodeName(theirs).constData(), nobody(), nobody()) == 0);
        {
            const ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(theirs));
            QVERIFY(LocalSocketInstance::socketPathFor(settings).isEmpty());
        }
        LocalSocketInstance alone({});
        QCOMPARE(alone.claim({}), Claim::First);
    }

    // Another user's socket never hears the launch token, however it answers.
    void anotherUsersSocketIsNotAsked() {
        if (getuid() != 0) QSKIP("only root can give a file to another user");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        const int planted = listenAt(path);
        QVERIFY(planted >= 0);
        QVERIFY(chown(QFile::encodeName(path).constData(), nobody(), nobody()) == 0);
        // It answers every start as a running copy would, and keeps what it hears.
        std::atomic<bool> stop = false;
        QByteArray heard;
        std::thread listener([&] {
            while (!stop) {
                pollfd p{planted, POLLIN, 0};
                if (poll(&p, 1, 50) <= 0) continue;
                const int c = accept(planted, nullptr, nullptr);
                if (c < 0) continue;
                char buffer[256];
                pollfd r{c, POLLIN, 0};
                if (poll(&r, 1, 2000) > 0) {
                    const ssize_t n = recv(c, buffer, sizeof buffer, 0);
                    if (n > 0) heard.append(buffer, n);
                }
                send(c, "shown\n", 6, MSG_NOSIGNAL);
                close(c);
            }
        });
        Claim claimed;
        {
            LocalSocketInstance copy(path, 3000);
            claimed = copy.claim("secret-token");
        }
        stop = true;
        listener.join();
        close(planted);
        QCOMPARE(claimed, Claim::First);
        QVERIFY2(heard.isEmpty(), heard.constData());
    }

    // A lock file left behind by a start that died holds no start back; a start still asking
    // holds the next one back until its patience runs out, and not after.
    void onlyAStartStillAskingHoldsTheNextBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
        QFile leftover(QString::fromLocal8Bit(lockPath));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write(QByteArray::number(getpid()) + "\nhuebit\nhost\n");
        leftover.close();
        {
            LocalSocketInstance first(path, 3000);
            QCOMPARE(first.claim({}), Claim::First);
        }
        const int asking = ::open(lockPath.constData(), O_RDWR);
        QVERIFY(asking >= 0 && ::flock(asking, LOCK_EX) == 0);
        {
            LocalSocketInstance held(path, 300);
            QCOMPARE(held.claim({}), Claim::NoAnswer);
        }
        ::close(asking);
        LocalSocketInstance next(path, 3000);
        QCOMPARE(next.claim({}), Claim::First);
    }

    // Another user's lock, naming a live process, holds no start back.
    void anotherUsersLockHoldsNoStartBack() {
        if (getuid() != 0) QSKIP("only root can give a file to another user");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        const QString lockPath = path + QStringLiteral(".lock");
        {
            QLockFile held(dir.filePath(QStringLiteral("model.lock")));
            QVERIFY(held.tryLock(0));
            QVERIFY(QFile::copy(held.fileName(), lockPath));
        }
        QVERIFY(chown(QFile::encodeName(lockPath).constData(), nobody(), nobody()) == 0);
        LocalSocketInstance next(path, 3000);
        QCOMPARE(next.claim({}), Claim::First);
    }

    // Callers that connect and say nothing are hung up on after a short while, and never more
    // than a few are held at once; the copy goes on answering.
    void idleCallersAreDroppedAndFew() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        first.setForwardHandler([](const QByteArray&) { return true; });
        const int before = openDescriptors();
        std::vector<int> idle;
        int held = 0;
        for (int round = 0; round < 20 && idle.size() < 60; ++round) {
            for (int i = 0; i < 10; ++i) {
                const int fd = connectTo(path);
                if (fd >= 0) idle.push_back(fd);
            }
            runEventsFor(100);
            held = std::max(held, openDescriptors() - before - int(idle.size()));
        }
        QVERIFY2(idle.size() >= 40, qPrintable(QString::number(idle.size())));
        QVERIFY2(held <= 16, qPrintable(QString::number(held)));
        QDeadlineTimer deadline(20000);
        const auto allHungUp = [&] {
            return std::all_of(idle.begin(), idle.end(), [](int fd) { return hungUp(fd); });
        };
        while (!allHungUp() && !deadline.hasExpired())
            runEventsFor(100);
        QVERIFY(allHungUp());
        for (int fd : idle)
            close(fd);
        QCOMPARE(claimElsewhere(path, "after"), Claim::Forwarded);
    }

    // Near the open-file limit a flood of silent callers takes only a few descriptors: the
    // settings can still be saved.
    void aFloodOfCallersLeavesDescriptorsToSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        std::vector<int> clients;
        for (int i = 0; i < 60; ++i)
            clients.push_back(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &old), 0);
        rlimit low = old;
        low.rlim_cur = rlim_t(openDescriptors() + 24);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &low), 0);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_NOFILE, &old);
            for (int fd : clients)
                close(fd);
        });
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        std::size_t next = 0;
        for (int round = 0; round < 20 && next < clients.size(); ++round) {
            for (int i = 0; i < 10 && next < clients.size(); ++i) {
                if (::connect(clients[next], reinterpret_cast<sockaddr*>(&address),
                              sizeof address) != 0)
                    break; // the queue is full until the copy takes some
                ++next;
            }
            runEventsFor(100);
        }
        QVERIFY2(next >= 40, qPrintable(QString::number(next)));
        QFile settings(dir.filePath(QStringLiteral("Huebit.cnf")));
        QVERIFY2(settings.open(QIODevice::WriteOnly), qPrintable(settings.errorString()));
        QVERIFY(settings.write("saved\n") == 6);
    }

    // With no descriptor left a waiting connection cannot be taken; the copy then tries again
    // now and then instead of at once for ever, and answers once descriptors are free again.
    void outOfDescriptorsTheCopyDoesNotSpin() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s"));
        LocalSocketInstance first(path);
        QCOMPARE(first.claim({}), Claim::First);
        first.setForwardHandler([](const QByteArray&) { return true; });
        const int client = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        QVERIFY(client >= 0);

        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &old), 0);
        rlimit low = old;
        low.rlim_cur = rlim_t(openDescriptors() + 8);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &low), 0);
        std::vector<int> fillers;
        for (int fd; (fd = dup(client)) >= 0;)
            fillers.push_back(fd);
        const auto restore = qScopeGuard([&] {
            for (int fd : fillers)
                close(fd);
            setrlimit(RLIMIT_NOFILE, &old);
        });

        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        QCOMPARE(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        QVERIFY(send(client, "forward t\n", 10, MSG_NOSIGNAL) == 10);
        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = cpuMs();
        runEventsFor(1500);
        const qint64 cpu = cpuMs() - cpuBefore;
        QVERIFY2(
            cpu * 4 < wall.elapsed(),
            qPrintable(QStringLiteral("%1 ms of processor in %2 ms").arg(cpu).arg(wall.elapsed())));

        for (int fd : fillers)
            close(fd);
        fillers.clear();
        setrlimit(RLIMIT_NOFILE, &old);
        QByteArray reply;
        QDeadlineTimer deadline(10000);
        while (!reply.contains('\n') && !deadline.hasExpired()) {
            runEventsFor(50);
            char buffer[64];
            const ssize_t n = recv(client, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n > 0) reply.append(buffer, n);
        }
        close(client);
        QCOMPARE(reply, QByteArray("shown\n"));
    }
};

QTEST_GUILESS_MAIN(LocalSocketInstanceTest)
#include "local_socket_instance_test.moc"
