#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace huebit {

std::optional<SettingsBuffer> LoadSettingsFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return SettingsBuffer::Read(file);
}

QString SaveSettingsFile(const QString& path, const SettingsBuffer& buffer) {
    if (path.isEmpty()) return QStringLiteral("no settings file name");
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) return QStringLiteral("cannot create the directory %1").arg(dir);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = buffer.toBytes();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

} // namespace huebit
