#pragma once
// Reading and writing the settings file on disk.

#include "settings/settings_buffer.h"

#include <optional>

namespace huebit {

/// The file's lines, or nothing when it does not exist or cannot be read (which is treated as a
/// missing file: every default stays).
std::optional<SettingsBuffer> LoadSettingsFile(const QString& path);

/// Writes the buffer through a temporary file that replaces the old one only once it is
/// complete, so a failure or a kill at any moment leaves the old file or the new one, never a
/// mix. Creates the file's directory when needed. Returns an empty string on success, else what
/// went wrong.
QString SaveSettingsFile(const QString& path, const SettingsBuffer& buffer);

} // namespace huebit
