#include "screen/portal_request.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QStringList ResolvedFolders(const QStringList& folders) {
    QStringList resolved;
    for (const QString& folder : folders) {
        const QString path = QFileInfo(folder).canonicalFilePath();
        if (!path.isEmpty()) resolved << path;
    }
    return resolved;
}

bool MayReadPortalFile(const PortalFileFacts& file) {
    return QDir::isAbsolutePath(file.path) && !file.resolved.isEmpty() && file.regular;
}

bool MayDeletePortalFile(const PortalFileFacts& file, bool loaded,
                         const QStringList& resolvedTemporaryFolders, qint64 requestStartMs) {
    if (!loaded || !MayReadPortalFile(file) || !file.ownedByUser) return false;
    // A picture that was there before we asked was not made for us: an old photo stays.
    if (file.changedMs < requestStartMs - PortalClockSlackMs) return false;
    return std::any_of(resolvedTemporaryFolders.begin(), resolvedTemporaryFolders.end(),
                       [&](const QString& folder) {
                           return !folder.isEmpty() &&
                                  file.resolved.startsWith(folder + QLatin1Char('/'));
                       });
}

namespace {

// Opens the resolved file only when it is a regular file, without waiting on anything (a FIFO
// or a device is not even opened) and without following a link put there meanwhile; fills in
// what the descriptor shows. Returns the descriptor or -1.
int openRegular(PortalFileFacts& file, struct stat& info) {
    if (file.resolved.isEmpty()) return -1;
    const QByteArray name = QFile::encodeName(file.resolved);
    struct stat seen {};
    if (::lstat(name.constData(), &seen) != 0 || !S_ISREG(seen.st_mode)) return -1;
    const int fd =
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || info.st_dev != seen.st_dev || info.st_ino != seen.st_ino) {
        ::close(fd);
        return -1;
    }
    file.regular = S_ISREG(info.st_mode);
    file.ownedByUser = info.st_uid == ::getuid();
    file.changedMs = qint64(info.st_ctim.tv_sec) * 1000 + info.st_ctim.tv_nsec / 1000000;
    return fd;
}

enum class ReadEnd { Whole, Failed, OutOfTime };

// Straight into the array the decoder reads: the picture is in memory once, not also passed
// through a buffer. A file that grows while it is read is followed, up to the limit.
ReadEnd readAll(int fd, qint64 size, QByteArray& bytes, QDeadlineTimer deadline) {
    if (size > MaxPortalFileBytes) return ReadEnd::Failed;
    constexpr qint64 step = 1 << 16;
    // A byte to spare: the read that finds the end needs no larger array.
    bytes.resize(std::max(size + 1, step));
    qint64 got = 0;
    for (;;) {
        if (deadline.hasExpired()) return ReadEnd::OutOfTime;
        if (got > MaxPortalFileBytes) return ReadEnd::Failed;
        // One byte past the limit tells a file of exactly the limit from a longer one.
        if (got == bytes.size())
            bytes.resize(std::min(got + std::max(got / 2, step), MaxPortalFileBytes + 1));
        const ssize_t n = ::read(fd, bytes.data() + got, std::size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadEnd::Failed;
        if (n == 0) {
            bytes.truncate(got);
            return ReadEnd::Whole;
        }
        got += n;
    }
}

// The path still names the file that was read (nobody swapped it meanwhile).
bool stillTheSame(const QString& resolved, const struct stat& read) {
    struct stat now {};
    return ::lstat(QFile::encodeName(resolved).constData(), &now) == 0 &&
           now.st_dev == read.st_dev && now.st_ino == read.st_ino;
}

} // namespace

CaptureResult LoadPortalScreenshot(const QString& uri, const QStringList& temporaryFolders,
                                   qint64 requestStartMs, QDeadlineTimer deadline) {
    const QUrl url(uri);
    if (!url.isLocalFile()) return {{}, CaptureFailure::Unreadable};
    PortalFileFacts file;
    file.path = url.toLocalFile();
    if (QDir::isAbsolutePath(file.path)) file.resolved = QFileInfo(file.path).canonicalFilePath();
    struct stat info {};
    const int fd = openRegular(file, info);
    const auto closing = qScopeGuard([fd] {
        if (fd >= 0) ::close(fd);
    });
    if (fd < 0 || !MayReadPortalFile(file)) return {{}, CaptureFailure::Unreadable};
    QByteArray bytes;
    const ReadEnd end = readAll(fd, qint64(info.st_size), bytes, deadline);
    if (end != ReadEnd::Whole)
        return {{},
                end == ReadEnd::OutOfTime ? CaptureFailure::NoAnswer : CaptureFailure::Unreadable};
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    // The desktop hands over its own pixels; nothing is turned to match an orientation tag.
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (MayDeletePortalFile(file, !image.isNull(), ResolvedFolders(temporaryFolders),
                            requestStartMs) &&
        stillTheSame(file.resolved, info)) {
        ::unlink(QFile::encodeName(file.resolved).constData());
    }
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
