#pragma once
// Reading and writing the settings file on disk.

#include "settings/settings_buffer.h"

#include <QFile>

#include <functional>
#include <optional>
#include <sys/types.h>

namespace huebit {

/// The file's lines, or nothing when it does not exist or cannot be read (which is treated as a
/// missing file: every default stays). Only a regular file is read: a FIFO, a device or a
/// directory at the path is refused without blocking, and `refusal` (when given) says why; it
/// stays empty for a file that simply is not there.
std::optional<SettingsBuffer> LoadSettingsFile(const QString& path, QString* refusal = nullptr);

/// Opens `path` for reading into `file` when it is a regular file, without blocking on a FIFO
/// or opening a device; false otherwise, with `refusal` (when given) saying why, and empty for
/// a file that simply is not there.
bool OpenRegularFile(const QString& path, QFile& file, QString* refusal = nullptr);

/// The calls a save makes on the file it writes, so a test can make any one of them fail as a
/// full disk or a failing device would.
struct SaveFileCalls {
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    static SaveFileCalls System();
};

/// Writes the buffer through a temporary file that replaces the old one only once every write,
/// the sync and the close have succeeded, so a failure or a kill at any moment leaves the old
/// file or the new one, never a mix; a failed save removes its temporary. Temporaries a killed
/// save left beside the file are removed first. Creates the file's directory when needed.
///
/// A symbolic link is written through only to a regular file of the user's, with neither the
/// link nor the file in a directory others can write; anything else at the path that is not a
/// regular file is refused. Returns an empty string on success, else what went wrong.
QString SaveSettingsFile(const QString& path, const SettingsBuffer& buffer,
                         const SaveFileCalls& calls = SaveFileCalls::System());

/// The same atomic write for any file's bytes (the palette exports use it).
QString SaveFileAtomically(const QString& path, const QByteArray& bytes,
                           const SaveFileCalls& calls = SaveFileCalls::System());

/// Whether `name` is a temporary of a save of `fileName`: the name, a dot and six letters and
/// digits, with at least one capital, one small letter and one digit. The mix is what sets a
/// random suffix apart from one a user chose ("Huebit.cnf.backup", "Huebit.cnf.241209"), which
/// a save must never delete.
bool IsSaveTemporaryName(const QString& name, const QString& fileName);

} // namespace huebit
