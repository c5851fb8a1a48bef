#include "shell/window_keys.h"

namespace huebit {

WindowKeyCommand WindowKeyFor(int key, Qt::KeyboardModifiers modifiers, bool fieldSelection,
                              bool dialogOpen) {
    if (dialogOpen) return WindowKeyCommand::None;
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const bool ctrl = held == Qt::ControlModifier;
    const bool ctrlShift = held == (Qt::ControlModifier | Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_C:
        return ctrl && !fieldSelection ? WindowKeyCommand::CopyText : WindowKeyCommand::None;
    case Qt::Key_B:
        if (ctrl) return WindowKeyCommand::CopyBitmap;
        return ctrlShift ? WindowKeyCommand::CopyVector : WindowKeyCommand::None;
    case Qt::Key_P:
        return ctrl ? WindowKeyCommand::Pick : WindowKeyCommand::None;
    case Qt::Key_Q:
        return ctrl ? WindowKeyCommand::Close : WindowKeyCommand::None;
    case Qt::Key_R:
        return ctrl ? WindowKeyCommand::Readable : WindowKeyCommand::None;
    default:
        return WindowKeyCommand::None;
    }
}

} // namespace huebit
