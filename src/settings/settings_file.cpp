#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace huebit {

namespace {

constexpr int TemporaryRandomLength = 6;

QString failure(const char* what, const QByteArray& path, int error) {
    return QStringLiteral("%1 %2: %3")
        .arg(QLatin1String(what), QFile::decodeName(path),
             QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray folderOf(const QByteArray& path) {
    return QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
}

// A folder only this user (or the system) can add to or rename in: nobody else can have put a
// link there, nor swap the file between our checks and our rename.
bool othersCanWrite(const QByteArray& folder) {
    struct stat st {};
    if (::stat(folder.constData(), &st) != 0) return true;
    const bool owner = st.st_uid == ::geteuid() || st.st_uid == 0;
    return !owner || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

struct Target {
    QByteArray path; ///< the file the rename replaces: the path itself or where its link leads
    QString error;
};

Target linkTarget(const QByteArray& link) {
    const auto refuse = [&](const char* why) {
        return Target{{},
                      QStringLiteral("%1 is a symbolic link %2; not following it")
                          .arg(QFile::decodeName(link), QLatin1String(why))};
    };
    if (othersCanWrite(folderOf(link))) return refuse("in a folder others can write");
    char resolved[PATH_MAX];
    if (!::realpath(link.constData(), resolved)) return refuse("to nothing that exists");
    struct stat st {};
    if (::stat(resolved, &st) != 0 || !S_ISREG(st.st_mode)) return refuse("to no regular file");
    if (st.st_uid != ::geteuid()) return refuse("to a file of another user");
    if (othersCanWrite(folderOf(resolved))) return refuse("into a folder others can write");
    return {resolved, {}};
}

Target resolveTarget(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) {
        if (errno == ENOENT) return {path, {}};
        return {{}, failure("cannot look at", path, errno)};
    }
    if (S_ISREG(st.st_mode)) return {path, {}};
    if (S_ISLNK(st.st_mode)) return linkTarget(path);
    return {
        {},
        QStringLiteral("%1 is not a regular file; not replacing it").arg(QFile::decodeName(path))};
}

// A kill between creating a temporary and renaming it leaves the temporary behind; the next
// save clears such leftovers: regular files of this user, named exactly as a save names them.
void removeStaleTemporaries(const QByteArray& target) {
    const QString fileName = QFileInfo(QFile::decodeName(target)).fileName();
    DIR* dir = ::opendir(folderOf(target).constData());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsSaveTemporaryName(QFile::decodeName(entry->d_name), fileName)) continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

QByteArray temporaryName(const QByteArray& target) {
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QString fileName = QFileInfo(QFile::decodeName(target)).fileName();
    // Drawn until it has the mix a later save recognises as ours (about two draws in three).
    for (;;) {
        QByteArray suffix;
        for (int i = 0; i < TemporaryRandomLength; ++i)
            suffix += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        if (IsSaveTemporaryName(fileName + '.' + QLatin1String(suffix), fileName))
            return target + '.' + suffix;
    }
}

// Opens a new temporary beside the target with the target's permissions (or the usual ones
// for a new file, which the umask trims); -1 with errno set when it cannot.
int createTemporary(const QByteArray& target, QByteArray& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(target);
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        struct stat old {};
        if (::stat(target.constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.constData());
            errno = error;
            return -1;
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// Every byte, through short writes and interruptions; an error from any write is the answer.
bool writeAll(const SaveFileCalls& calls, int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// The renamed entry lasts a crash only once the folder is synced too. A file system that
// cannot sync folders says EINVAL; that is no failure of the save.
QString syncFolder(const QByteArray& target) {
    const QByteArray folder = folderOf(target);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL) return failure("cannot sync the folder", folder, error);
    return {};
}

QString writeTemporary(const QByteArray& target, const QByteArray& bytes,
                       const SaveFileCalls& calls) {
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return failure("cannot create", temporary, errno);
    QString error;
    if (!writeAll(calls, fd, bytes))
        error = failure("cannot write", temporary, errno);
    else if (calls.fsync(fd) != 0)
        error = failure("cannot sync", temporary, errno);
    if (calls.close(fd) != 0 && error.isEmpty()) error = failure("cannot close", temporary, errno);
    if (error.isEmpty() && calls.rename(temporary.constData(), target.constData()) != 0)
        error = failure("cannot rename over", target, errno);
    if (!error.isEmpty()) {
        // The old file was never touched; only the incomplete temporary goes.
        ::unlink(temporary.constData());
        return error;
    }
    return syncFolder(target);
}

} // namespace

bool IsSaveTemporaryName(const QString& name, const QString& fileName) {
    if (name.size() != fileName.size() + 1 + TemporaryRandomLength) return false;
    if (!name.startsWith(fileName) || name[fileName.size()] != QLatin1Char('.')) return false;
    bool upper = false, lower = false, digit = false;
    for (qsizetype i = fileName.size() + 1; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool isUpper = c >= u'A' && c <= u'Z';
        const bool isLower = c >= u'a' && c <= u'z';
        const bool isDigit = c >= u'0' && c <= u'9';
        if (!isUpper && !isLower && !isDigit) return false;
        upper = upper || isUpper;
        lower = lower || isLower;
        digit = digit || isDigit;
    }
    return upper && lower && digit;
}

SaveFileCalls SaveFileCalls::System() {
    return {::write, ::fsync, ::close, ::rename};
}

bool OpenRegularFile(const QString& path, QFile& file, QString* refusal) {
    if (path.isEmpty()) return false;
    const QByteArray name = QFile::encodeName(path);
    const auto refuse = [&](const QString& why) {
        if (refusal) *refusal = why;
        return false;
    };
    // A FIFO would block the open and the read until someone writes to it; a device is no
    // file of ours. Neither is opened in the first place, and the opened file is checked again.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        return refuse(failure("cannot look at", name, errno));
    }
    const QString notRegular = QStringLiteral("%1 is not a regular file; not reading it").arg(path);
    if (!S_ISREG(st.st_mode)) return refuse(notRegular);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return refuse(failure("cannot open", name, errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(notRegular);
    }
    return true;
}

std::optional<SettingsBuffer> LoadSettingsFile(const QString& path, QString* refusal) {
    QFile file;
    if (!OpenRegularFile(path, file, refusal)) return std::nullopt;
    return SettingsBuffer::Read(file);
}

QString SaveSettingsFile(const QString& path, const SettingsBuffer& buffer,
                         const SaveFileCalls& calls) {
    if (path.isEmpty()) return QStringLiteral("no settings file name");
    return SaveFileAtomically(path, buffer.toBytes(), calls);
}

QString SaveFileAtomically(const QString& path, const QByteArray& bytes,
                           const SaveFileCalls& calls) {
    if (path.isEmpty()) return QStringLiteral("no file name");
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) return QStringLiteral("cannot create the directory %1").arg(dir);
    const Target target = resolveTarget(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
    if (!target.error.isEmpty()) return target.error;
    removeStaleTemporaries(target.path);
    return writeTemporary(target.path, bytes, calls);
}

} // namespace huebit
