#pragma once
// The main window's keys: which command a key combination runs. The text fields keep their own
// editing keys (Ctrl+V, Ctrl+X, Ctrl+Z, and Ctrl+C while they hold a selection), and no key of
// the window fires while a dialog is open.

#include <Qt>

namespace huebit {

enum class WindowKeyCommand {
    None,
    CopyText,   ///< Ctrl+C: the text representation
    CopyBitmap, ///< Ctrl+B: the bitmap sample
    CopyVector, ///< Ctrl+Shift+B: the vector sample
    Pick,       ///< Ctrl+P: pick from the screen for the selected target
    Close,      ///< Ctrl+Q: the close icon's sequence
    Readable,   ///< Ctrl+R: make the sample's text readable
};

/// `fieldSelection`: the focused text field has selected text. Keypad and Caps Lock state do not
/// count; any other modifier beyond the combination's own makes it another combination.
WindowKeyCommand WindowKeyFor(int key, Qt::KeyboardModifiers modifiers, bool fieldSelection,
                              bool dialogOpen);

} // namespace huebit
