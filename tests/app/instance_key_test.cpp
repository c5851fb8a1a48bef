// The instance socket's name: one per user and settings file, whatever way the folder is named.
#include "app/instance_key.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;

TEST(InstanceKey, OneNamePerUserAndSettingsFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("copy/a")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("copy/b")));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("copy/a")), dir.filePath(QStringLiteral("link"))));
    const QString a = dir.filePath(QStringLiteral("copy/a/Huebit.cnf"));
    const QString b = dir.filePath(QStringLiteral("copy/b/Huebit.cnf"));

    const QString name = InstanceSocketName(1000, a);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^huebit-1000-[0-9a-f]{16}$")).match(name).hasMatch())
        << name.toStdString();
    // One folder by any of its names: through a link, with dots, with doubled slashes.
    EXPECT_EQ(InstanceSocketName(1000, dir.filePath(QStringLiteral("link/Huebit.cnf"))), name);
    EXPECT_EQ(InstanceSocketName(1000, dir.filePath(QStringLiteral("copy/b/../a//Huebit.cnf"))),
              name);
    // Another folder, another user: another name.
    EXPECT_NE(InstanceSocketName(1000, b), name);
    EXPECT_NE(InstanceSocketName(1001, a), name);
    // A configuration folder not made yet is taken as written.
    const QString missing = dir.filePath(QStringLiteral("none/Huebit/Huebit.cnf"));
    EXPECT_EQ(CanonicalSettingsPath(missing), missing);
    EXPECT_NE(InstanceSocketName(1000, missing), name);
}

// Where the socket goes: the desktop's runtime folder while the whole path fits a socket's
// address, else the user's private folder in the temporary folder, else in /tmp.
TEST(InstanceKey, SocketPathChoice) {
    const QString settings = QStringLiteral("/home/u/.config/Huebit/Huebit.cnf");
    const QString name = InstanceSocketName(1000, settings); // 30 bytes
    const QString fits = QLatin1Char('/') + QString(MaxSocketPathBytes - 2 - name.size(), 'r');
    const QString tooLong = fits + QLatin1Char('r');
    const struct {
        const char* what;
        QString runtime, temp, folder;
    } cases[] = {
        {"the desktop's runtime folder", "/run/user/1000", "/tmp", "/run/user/1000"},
        {"written untidily", "/run/user/1000/", "/tmp", "/run/user/1000"},
        {"no runtime folder", "", "/tmp", "/tmp/huebit-1000"},
        {"a runtime folder named relatively", "run/user/1000", "/tmp", "/tmp/huebit-1000"},
        {"another temporary folder", "", "/var/tmp/u", "/var/tmp/u/huebit-1000"},
        {"a runtime folder just long enough", fits, "/tmp", fits},
        {"one byte too long", tooLong, "/tmp", "/tmp/huebit-1000"},
        {"and a temporary folder too long as well", tooLong, tooLong, "/tmp/huebit-1000"},
        {"no usable temporary folder either", "", "tmp", "/tmp/huebit-1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = InstanceSocketPath(c.runtime, c.temp, 1000, settings);
        EXPECT_EQ(path, c.folder + QLatin1Char('/') + name);
        EXPECT_LE(path.toUtf8().size(), MaxSocketPathBytes);
    }
    // Two starts with the same settings meet; another user's start does not.
    EXPECT_EQ(InstanceSocketPath(tooLong, QStringLiteral("/tmp"), 1000, settings),
              InstanceSocketPath(QString(), QStringLiteral("/tmp"), 1000, settings));
    EXPECT_NE(InstanceSocketPath(QString(), QStringLiteral("/tmp"), 1001, settings),
              InstanceSocketPath(QString(), QStringLiteral("/tmp"), 1000, settings));
}
