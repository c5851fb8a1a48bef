#include "screen/portal_request.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QUrl>

namespace huebit {

QString PortalToken() {
    static unsigned serial = 0;
    return QStringLiteral("huebit%1_%2")
        .arg(++serial)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QString PortalRequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':'))) sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

CaptureFailure PortalResponseFailure(uint response) {
    switch (response) {
    case 0:
        return CaptureFailure::None;
    case 1:
        return CaptureFailure::Cancelled;
    default:
        return CaptureFailure::Refused;
    }
}

QStringList TemporaryFolders() {
    QStringList folders{QDir::tempPath(), QStringLiteral("/tmp"), QStringLiteral("/var/tmp")};
    folders.removeDuplicates();
    return folders;
}

bool InTemporaryFolder(const QString& file, const QStringList& folders) {
    const QString path = QFileInfo(file).canonicalFilePath();
    if (path.isEmpty()) return false;
    for (const QString& folder : folders) {
        const QString root = QFileInfo(folder).canonicalFilePath();
        if (!root.isEmpty() && path.startsWith(root + QLatin1Char('/'))) return true;
    }
    return false;
}

CaptureResult LoadPortalScreenshot(const QString& uri, const QStringList& temporaryFolders) {
    const QUrl url(uri);
    if (!url.isLocalFile()) return {{}, CaptureFailure::Unreadable};
    const QString file = url.toLocalFile();
    QImageReader reader(file);
    // The desktop hands over its own pixels; nothing is turned to match an orientation tag.
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (InTemporaryFolder(file, temporaryFolders)) QFile::remove(file);
    if (image.isNull()) return {{}, CaptureFailure::Unreadable};
    // Device pixels, whatever density the file claims.
    image.setDevicePixelRatio(1);
    return {std::move(image).convertToFormat(QImage::Format_RGB32), CaptureFailure::None};
}

int PortalTimeout(const QByteArray& overrideMs) {
    bool ok = false;
    const int ms = overrideMs.toInt(&ok);
    return ok && ms >= 1 && ms <= PortalTimeoutMs ? ms : PortalTimeoutMs;
}

} // namespace huebit
