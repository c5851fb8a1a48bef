#include "ui/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace huebit {

WindowKeys::WindowKeys(QWidget& window, Commands commands)
    : QObject(&window), m_window(window), m_commands(std::move(commands)) {
    qApp->installEventFilter(this);
}

bool FocusedFieldHasSelection(const QWidget* focus) {
    if (!focus) return false;
    if (const auto* edit = qobject_cast<const QLineEdit*>(focus)) return edit->hasSelectedText();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(focus))
        return text->textCursor().hasSelection();
    const auto* inner = focus->findChild<QLineEdit*>();
    return inner && inner->hasSelectedText();
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_window) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const WindowKeyCommand command =
        WindowKeyFor(key->key(), key->modifiers(), FocusedFieldHasSelection(widget),
                     QApplication::activeModalWidget() != nullptr);
    const auto found = m_commands.find(command);
    if (command == WindowKeyCommand::None || found == m_commands.end()) return false;
    found->second();
    return true;
}

} // namespace huebit
