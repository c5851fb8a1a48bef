#pragma once
// Where the instances of the program meet. Two copies running at once would each save the
// settings file on close, the last one throwing away what the user did in the other; so one
// user and one settings file make one running program, and a second start only brings the
// first forward. Two portable copies in different folders keep different files and run side by
// side.

#include <QString>

namespace huebit {

/// The settings path with its folder's symbolic links resolved, so two ways of naming one
/// folder meet; a folder that does not exist yet is taken as written.
QString CanonicalSettingsPath(const QString& settingsPath);

/// The socket's name for this user and settings file: "huebit-<uid>-<16 hex digits>".
QString InstanceSocketName(unsigned userId, const QString& settingsPath);

/// The longest path a local socket's address holds, in bytes.
inline constexpr qsizetype MaxSocketPathBytes = 107;

/// The user's own folder for the socket when the desktop gives none: "<base>/huebit-<uid>",
/// made by this user alone and kept from everyone else.
QString PrivateInstanceFolder(const QString& base, unsigned userId);

/// Where the socket for this user and settings file lies. `runtimeDir` is the desktop's runtime
/// folder ($XDG_RUNTIME_DIR) once found to be the user's own, else empty; it serves when the
/// whole path fits a socket address. Otherwise the private folder in `tempDir`, or in /tmp
/// when even that is too long: every start with the same settings meets at the same socket.
QString InstanceSocketPath(const QString& runtimeDir, const QString& tempDir, unsigned userId,
                           const QString& settingsPath);

} // namespace huebit
