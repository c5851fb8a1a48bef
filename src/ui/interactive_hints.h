#pragma once
// "Включить интерактивную подсказку": what the option's change shows, the double click on the
// status line that toggles it, the automatic hint of the element under the pointer and the
// settings sub-pages' descriptions.

#include "output/status_hints.h"
#include "ui/hint_tracker.h"

#include <QObject>

namespace huebit {

class SettingsPage;
class StatusLine;
class UiTexts;
class WindowPageOptions;
struct HintOptions;

class InteractiveHints : public QObject {
    Q_OBJECT
public:
    InteractiveHints(StatusLine& status, WindowPageOptions& options, SettingsPage& settings,
                     const UiTexts& texts, HintOptions& hints, QObject* parent);

    /// The element now under the pointer has `hint`.
    void PointerOver(const QString& hint);
    /// Adds a window whose elements' hints reach the status line.
    void follow(QWidget* window) { m_tracker.addWindow(window); }

private:
    /// The hint follows the pointer (on) or the status line changes only when written (off).
    /// Runs on every change of "Включить интерактивную подсказку", whoever makes it.
    void InteractiveHintsChanged(bool on);

    StatusLine& m_status;
    const UiTexts& m_texts;
    HintOptions& m_hints;
    AutoHint m_autoHint;
    HintTracker m_tracker;
};

} // namespace huebit
