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
