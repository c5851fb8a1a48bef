#pragma once
// How the program's dialogs and message boxes run, and how they give way when the program ends.
// A dialog holds only the window it belongs to: the tray icon and the floating panel answer
// meanwhile, so the tray menu's "Закрыть" ends the program even with a dialog open.

class QDialog;
class QWidget;

namespace huebit {

/// The window a new dialog belongs to: the dialog open now, so that a dialog opened from
/// another holds that one too, else `window`.
QWidget* DialogParent(QWidget* window);

/// Runs `dialog` modal to its parent window only; returns the dialog's result.
int ExecWindowModal(QDialog& dialog);

/// Closes the open dialogs and message boxes, the last opened first, as Escape would: their
/// event loops end and whatever waits on them goes on.
void CloseModalWindows();

} // namespace huebit
