#pragma once
// `huebit --write-language-template FILE`: a complete language file of the built-in texts and
// the captions of a freshly built main window, in the order the loader reads them.

#include <QString>

namespace huebit {

/// Builds the window with every default in place, writes the file and returns the exit code:
/// 0, or 1 with a message on standard error when the file cannot be written.
int WriteLanguageTemplate(const QString& path);

} // namespace huebit
