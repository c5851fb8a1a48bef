#pragma once
// Hands the main window's key combinations to their commands (shell/window_keys.h decides
// which). It watches the keys before the focused field sees them, so a field without a
// selection does not swallow Ctrl+C.

#include "shell/window_keys.h"

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace huebit {

class WindowKeys : public QObject {
    Q_OBJECT
public:
    using Commands = std::map<WindowKeyCommand, std::function<void()>>;
    WindowKeys(QWidget& window, Commands commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    Commands m_commands;
};

/// Whether the focused text field (a line edit, a spin box's or a combo box's field, or a
/// plain text editor) has selected text.
bool FocusedFieldHasSelection(const QWidget* focus);

} // namespace huebit
