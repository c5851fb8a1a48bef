// One running copy per socket: a second start is forwarded, a closing copy hands over to the
// next start, a socket file left by a killed copy is replaced, different sockets run side by side.
#include "platform/local_socket_instance.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <QSemaphore>
#include <atomic>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
};

QTEST_GUILESS_MAIN(LocalSocketInstanceTest)
#include "local_socket_instance_test.moc"
