#include "app/instance_key.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace huebit {

QString CanonicalSettingsPath(const QString& settingsPath) {
    const QFileInfo file(QDir::cleanPath(settingsPath));
    const QString folder = QFileInfo(file.path()).canonicalFilePath();
    if (folder.isEmpty()) return file.filePath();
    return QDir(folder).filePath(file.fileName());
}

QString InstanceSocketName(unsigned userId, const QString& settingsPath) {
    // A digest keeps the name short: a socket's whole path must stay under 108 bytes.
    const QByteArray digest = QCryptographicHash::hash(CanonicalSettingsPath(settingsPath).toUtf8(),
                                                       QCryptographicHash::Sha256);
    return QStringLiteral("huebit-%1-%2")
        .arg(userId)
        .arg(QString::fromLatin1(digest.toHex().left(16)));
}

QString PrivateInstanceFolder(const QString& base, unsigned userId) {
    return QDir(base).filePath(QStringLiteral("huebit-%1").arg(userId));
}

QString InstanceSocketPath(const QString& runtimeDir, const QString& tempDir, unsigned userId,
                           const QString& settingsPath) {
    const QString name = InstanceSocketName(userId, settingsPath);
    QStringList folders;
    if (QDir::isAbsolutePath(runtimeDir)) folders << QDir::cleanPath(runtimeDir);
    if (QDir::isAbsolutePath(tempDir)) folders << PrivateInstanceFolder(tempDir, userId);
    folders << PrivateInstanceFolder(QStringLiteral("/tmp"), userId);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFile::encodeName(path).size() <= MaxSocketPathBytes) return path;
    }
    return QDir(folders.last()).filePath(name);
}

} // namespace huebit
