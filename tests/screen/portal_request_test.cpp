#include "screen/portal_request.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace huebit;

TEST(PortalRequest, RequestPathFollowsTheCallersName) {
    const struct {
        const char* name;
        const char* token;
        const char* path;
    } cases[] = {
        {":1.42", "huebit1_ab", "/org/freedesktop/portal/desktop/request/1_42/huebit1_ab"},
        {":1.1000", "t", "/org/freedesktop/portal/desktop/request/1_1000/t"},
        {":12.3.4", "x", "/org/freedesktop/portal/desktop/request/12_3_4/x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortalRequestPath(QString::fromLatin1(c.name), QString::fromLatin1(c.token)),
                  QString::fromLatin1(c.path));
}

TEST(PortalRequest, TokensAreFreshAndFitAnObjectPath) {
    const QRegularExpression element(QStringLiteral("^[A-Za-z0-9_]+$"));
    std::set<QString> seen;
    for (int i = 0; i < 200; ++i) {
        const QString token = PortalToken();
        ASSERT_TRUE(element.match(token).hasMatch()) << token.toStdString();
        ASSERT_TRUE(seen.insert(token).second) << token.toStdString();
    }
}

TEST(PortalRequest, ResponseCodes) {
    EXPECT_EQ(PortalResponseFailure(0), CaptureFailure::None);
    EXPECT_EQ(PortalResponseFailure(1), CaptureFailure::Cancelled);
    for (const uint other : {2u, 3u, 0xFFFFFFFFu})
        EXPECT_EQ(PortalResponseFailure(other), CaptureFailure::Refused) << other;
}

TEST(PortalRequest, TimeoutOnlyEverShortens) {
    const struct {
        const char* value;
        int ms;
    } cases[] = {{"", 10000},   {"1500", 1500}, {"1", 1},         {"0", 10000},
                 {"-5", 10000}, {"abc", 10000}, {"20000", 10000}, {"10000", 10000}};
    for (const auto& c : cases)
        EXPECT_EQ(PortalTimeout(c.value), c.ms) << c.value;
}

TEST(PortalFileRules, WhatMayBeReadAndWhatDeleted) {
    const QStringList temporary{QStringLiteral("/tmp"), QStringLiteral("/var/tmp")};
    const qint64 start = 1700000000000;
    const PortalFileFacts fresh{QStringLiteral("/tmp/shot.png"), QStringLiteral("/tmp/shot.png"),
                                true, true, start + 300};
    const auto with = [&](auto change) {
        PortalFileFacts f = fresh;
        change(f);
        return f;
    };
    const struct {
        const char* what;
        PortalFileFacts file;
        bool loaded, read, deleted;
    } cases[] = {
        {"a fresh picture in a temporary folder", fresh, true, true, true},
        {"one in a folder below it",
         with([](auto& f) { f.path = f.resolved = QStringLiteral("/var/tmp/portal/1/shot.png"); }),
         true, true, true},
        {"made within the clock slack before the request",
         with([&](auto& f) { f.changedMs = start - PortalClockSlackMs; }), true, true, true},
        {"a link from elsewhere to a fresh picture: the picture goes, by its own path",
         with([](auto& f) { f.path = QStringLiteral("/home/u/shot.png"); }), true, true, true},
        {"a text file", fresh, false, true, false},
        {"an old photo", with([&](auto& f) { f.changedMs = start - PortalClockSlackMs - 1; }), true,
         true, false},
        {"a socket, FIFO, folder or device", with([](auto& f) { f.regular = false; }), true, false,
         false},
        {"a relative path", with([](auto& f) { f.path = QStringLiteral("shot.png"); }), true, false,
         false},
        {"no such file", with([](auto& f) { f.resolved.clear(); }), true, false, false},
        {"another user's picture", with([](auto& f) { f.ownedByUser = false; }), true, true, false},
        {"a link in a temporary folder to the user's picture",
         with([](auto& f) { f.resolved = QStringLiteral("/home/u/Pictures/photo.png"); }), true,
         true, false},
        {"the user's pictures folder", with([](auto& f) {
             f.path = f.resolved = QStringLiteral("/home/u/Pictures/Screenshot.png");
         }),
         true, true, false},
        {"a folder whose name merely begins like a temporary one",
         with([](auto& f) { f.path = f.resolved = QStringLiteral("/tmpfiles/shot.png"); }), true,
         true, false},
        {"a temporary folder itself",
         with([](auto& f) { f.path = f.resolved = QStringLiteral("/tmp"); }), true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MayReadPortalFile(c.file), c.read);
        EXPECT_EQ(MayDeletePortalFile(c.file, c.loaded, temporary, start), c.deleted);
    }
    EXPECT_FALSE(MayDeletePortalFile(fresh, true, {}, start)) << "no temporary folder at all";
}

class PortalFile : public ::testing::Test {
protected:
    QString write(const QTemporaryDir& dir, const QString& name, const QImage& image) {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(image.save(file, "PNG"));
        return file;
    }
    QStringList temporary() const { return {temp.path()}; }
    static QImage picture() {
        QImage p(37, 21, QImage::Format_ARGB32);
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 37; ++x)
                p.setPixel(x, y, qRgba(x * 6, y * 11, 200, 255));
        return p;
    }
    // As the capture asks: the request began a moment ago.
    CaptureResult load(const QString& file, qint64 startMs = Now() - 1000) const {
        return LoadPortalScreenshot(QUrl::fromLocalFile(file).toString(), temporary(), startMs,
                                    QDeadlineTimer(10000));
    }
    static qint64 Now() { return QDateTime::currentMSecsSinceEpoch(); }

    QTemporaryDir temp, users; // the second stands for the user's pictures folder
};

TEST_F(PortalFile, TemporaryFoldersAreResolved) {
    QFile::link(temp.path(), users.filePath(QStringLiteral("link")));
    EXPECT_EQ(ResolvedFolders({users.filePath(QStringLiteral("link")),
                               users.filePath(QStringLiteral("missing")), temp.path()}),
              QStringList({QFileInfo(temp.path()).canonicalFilePath(),
                           QFileInfo(temp.path()).canonicalFilePath()}));
}

TEST_F(PortalFile, APictureIsReadInDevicePixelsAndATemporaryFileRemoved) {
    const QString inTemp = write(temp, QStringLiteral("shot.png"), picture());
    CaptureResult r = load(inTemp);
    EXPECT_EQ(r.failure, CaptureFailure::None);
    ASSERT_EQ(r.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(r.image.size(), QSize(37, 21));
    EXPECT_EQ(r.image.devicePixelRatio(), 1.0);
    EXPECT_EQ(r.image, picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(QFile::exists(inTemp));

    const QString kept = write(users, QStringLiteral("Screenshot.png"), picture());
    r = load(kept);
    EXPECT_EQ(r.failure, CaptureFailure::None);
    EXPECT_TRUE(QFile::exists(kept)) << "the user's own file was deleted";
}

// What a hostile or mistaken answer may name in a temporary folder is read at most, never
// deleted, and nothing makes the read wait.
TEST_F(PortalFile, OnlyAFreshPictureIsDeleted) {
    const QString text = temp.filePath(QStringLiteral("notes.txt"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture\n");
    f.close();
    const QString photo = write(temp, QStringLiteral("photo.png"), picture());
    const QString socketPath = temp.filePath(QStringLiteral("sock"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const QString relative = write(temp, QStringLiteral("relative.png"), picture());
    const QString target = write(temp, QStringLiteral("linked.png"), picture());
    const QString link = users.filePath(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(target, link));

    EXPECT_EQ(load(text).failure, CaptureFailure::Unreadable);
    EXPECT_TRUE(QFile::exists(text)) << "a text file was deleted";
    // The photo was there long before the request.
    EXPECT_EQ(load(photo, Now() + 60000).failure, CaptureFailure::None);
    EXPECT_TRUE(QFile::exists(photo)) << "an old photo was deleted";
    EXPECT_EQ(load(socketPath).failure, CaptureFailure::Unreadable);
    EXPECT_TRUE(QFileInfo::exists(socketPath)) << "a socket was deleted";
    ::close(sock);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());
    EXPECT_EQ(LoadPortalScreenshot(QStringLiteral("file:relative.png"), temporary(), Now() - 1000,
                                   QDeadlineTimer(10000))
                  .failure,
              CaptureFailure::Unreadable);
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFile::exists(relative)) << "a relative path was deleted";
    // A link outside the temporary folders to a fresh picture inside: the picture is what
    // passed the check, so the picture goes and the link stays.
    EXPECT_EQ(load(link).failure, CaptureFailure::None);
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link outside was deleted";
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(PortalFile, AFifoIsRefusedAtOnce) {
    const QString fifo = temp.filePath(QStringLiteral("shot.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto loading = std::async(std::launch::async, [&] { return load(fifo); });
    const bool returned = loading.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!returned) {
        // Lets a reader that waits for a writer go, so the test can end.
        const int w = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (w >= 0) ::close(w);
    }
    ASSERT_TRUE(returned) << "reading a FIFO waits for a writer";
    EXPECT_EQ(loading.get().failure, CaptureFailure::Unreadable);
    EXPECT_TRUE(QFileInfo::exists(fifo));
}

TEST_F(PortalFile, WhatCannotBeReadFailsAndStays) {
    const QString broken = temp.filePath(QStringLiteral("broken.png"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\n not really");
    f.close();
    const QString uris[] = {
        QUrl::fromLocalFile(broken).toString(),
        QUrl::fromLocalFile(temp.filePath(QStringLiteral("gone.png"))).toString(),
        QUrl::fromLocalFile(temp.path()).toString(),
        QStringLiteral("https://example.org/shot.png"),
        QString(),
        QStringLiteral("not a uri at all")};
    for (const QString& uri : uris) {
        const CaptureResult r =
            LoadPortalScreenshot(uri, temporary(), Now() - 1000, QDeadlineTimer(10000));
        EXPECT_EQ(r.failure, CaptureFailure::Unreadable) << uri.toStdString();
        EXPECT_TRUE(r.image.isNull());
    }
    EXPECT_TRUE(QFile::exists(broken)) << "not a picture, so not ours to delete";
}

TEST_F(PortalFile, ReadingCountsAgainstTheRequestsTimeLimit) {
    const QString shot = write(temp, QStringLiteral("shot.png"), picture());
    const CaptureResult r = LoadPortalScreenshot(QUrl::fromLocalFile(shot).toString(), temporary(),
                                                 Now() - 1000, QDeadlineTimer(0));
    EXPECT_EQ(r.failure, CaptureFailure::NoAnswer);
    EXPECT_TRUE(QFile::exists(shot));
}
