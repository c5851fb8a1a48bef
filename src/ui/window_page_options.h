#pragma once
// The options of the settings sub-page "Окно" (" Дополнительные опции ", the hidden indicator
// group and the clipboard samples' size) as the window uses them. They are held here, not in the
// controls, so the sub-page makes its controls only when it is first shown: the settings file,
// the status line's double click and the controls all change an option through the same
// operation, which runs what the user's click runs, and the controls show the options once made.

#include "settings/shell_options.h"

#include <QObject>

namespace huebit {

class SettingsPage;
class ShellDriver;
struct HintOptions;
struct SampleOptions;

class WindowPageOptions : public QObject {
    Q_OBJECT
public:
    WindowPageOptions(ShellOptions& shell, HintOptions& hints, SampleOptions& sample,
                      ShellDriver& driver, QObject* parent = nullptr);

    // Each runs what a click on its control runs; a value the option already has changes nothing.
    void setInteractiveHints(bool on);
    void setComponentsInHint(bool on);
    void setHsvNotation(bool hsv);
    void setStayOnTop(bool on);
    void setOpenOnScreenPage(bool on);
    void setStartInMiniWindow(bool on);
    void setRefreshScreenOnOpen(bool on);
    void setUseIndicator(bool on);
    /// 0-255, as the slider holds it.
    void setTransparency(int value);
    void setIndicatorMode(IndicatorMode mode);
    /// 1-100 pixels, as the spin boxes hold them.
    void setSampleWidth(int pixels);
    void setSampleHeight(int pixels);
    void setSampleSquare(bool on);
    void setSampleContour(bool on);

    /// The sub-page has made its controls: they show the options and change them from now on.
    void attach(SettingsPage& page);

signals:
    /// "Включить интерактивную подсказку" changed.
    void interactiveHintsChanged(bool on);

private:
    /// Sets `option` to `value` and shows it; false when it held that already.
    template <typename T> bool set(T& option, T value) {
        if (option == value) return false;
        option = value;
        showOptions();
        return true;
    }
    /// The controls, when made, show the options and which of them are open.
    void showOptions();

    ShellOptions& m_shell;
    HintOptions& m_hints;
    SampleOptions& m_sample;
    ShellDriver& m_driver;
    SettingsPage* m_page = nullptr;
};

} // namespace huebit
