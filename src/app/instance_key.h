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

} // namespace huebit
