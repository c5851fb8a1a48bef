#include "screen/portal_request.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <set>

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

class PortalFile : public ::testing::Test {
protected:
    QString write(const QTemporaryDir& dir, const QString& name, const QImage& image) {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(image.save(file, "PNG"));
        return file;
    }
    QStringList temporary() const { return {temp.path()}; }

    QTemporaryDir temp, users; // the second stands for the user's pictures folder
};

TEST_F(PortalFile, OnlyFilesInsideTheTemporaryFoldersCount) {
    QDir(temp.path()).mkdir(QStringLiteral("sub"));
    QFile(temp.filePath(QStringLiteral("sub/a.png"))).open(QIODevice::WriteOnly);
    QFile(users.filePath(QStringLiteral("b.png"))).open(QIODevice::WriteOnly);
    QFile::link(temp.path(), users.filePath(QStringLiteral("link")));
    EXPECT_TRUE(InTemporaryFolder(temp.filePath(QStringLiteral("sub/a.png")), temporary()));
    EXPECT_TRUE(InTemporaryFolder(users.filePath(QStringLiteral("link/sub/a.png")), temporary()));
    EXPECT_FALSE(InTemporaryFolder(users.filePath(QStringLiteral("b.png")), temporary()));
    EXPECT_FALSE(InTemporaryFolder(temp.filePath(QStringLiteral("missing.png")), temporary()));
    // A folder whose name merely begins like the temporary one is not inside it.
    EXPECT_FALSE(
        InTemporaryFolder(users.filePath(QStringLiteral("b.png")), {users.path().chopped(2)}));
    EXPECT_FALSE(InTemporaryFolder(temp.filePath(QStringLiteral("sub/a.png")), {}));
}

TEST_F(PortalFile, APictureIsReadInDevicePixelsAndATemporaryFileRemoved) {
    QImage picture(37, 21, QImage::Format_ARGB32);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x)
            picture.setPixel(x, y, qRgba(x * 6, y * 11, 200, 255));
    const QString inTemp = write(temp, QStringLiteral("shot.png"), picture);
    CaptureResult r = LoadPortalScreenshot(QUrl::fromLocalFile(inTemp).toString(), temporary());
    EXPECT_EQ(r.failure, CaptureFailure::None);
    ASSERT_EQ(r.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(r.image.size(), QSize(37, 21));
    EXPECT_EQ(r.image.devicePixelRatio(), 1.0);
    EXPECT_EQ(r.image, picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(QFile::exists(inTemp));

    const QString kept = write(users, QStringLiteral("Screenshot.png"), picture);
    r = LoadPortalScreenshot(QUrl::fromLocalFile(kept).toString(), temporary());
    EXPECT_EQ(r.failure, CaptureFailure::None);
    EXPECT_TRUE(QFile::exists(kept)) << "the user's own file was deleted";
}

TEST_F(PortalFile, WhatCannotBeReadFailsAndTemporaryLeftoversGoAnyway) {
    const QString broken = temp.filePath(QStringLiteral("broken.png"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\n not really");
    f.close();
    const QString uris[] = {
        QUrl::fromLocalFile(broken).toString(),
        QUrl::fromLocalFile(temp.filePath(QStringLiteral("gone.png"))).toString(),
        QStringLiteral("https://example.org/shot.png"), QString(),
        QStringLiteral("not a uri at all")};
    for (const QString& uri : uris) {
        const CaptureResult r = LoadPortalScreenshot(uri, temporary());
        EXPECT_EQ(r.failure, CaptureFailure::Unreadable) << uri.toStdString();
        EXPECT_TRUE(r.image.isNull());
    }
    EXPECT_FALSE(QFile::exists(broken));
}
