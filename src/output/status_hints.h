#pragma once
// The status line's rules: the automatic hint of the element under the pointer, the controls
// the interactive hint opens and closes, and which elements the colour indicator follows.

#include "core/color_model.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace huebit {

/// After input events the status line takes the hint of the element under the pointer whenever
/// it differs from the hint last taken (an element without a hint gives an empty text). A text
/// written explicitly (a page description, a failure message) therefore stays until the pointer
/// reaches an element with another hint. While switched off the line changes only when written,
/// but the hint under the pointer is still followed, so switching on again does not flash it.
class AutoHint {
public:
    /// The text the status line takes now that `hint` is under the pointer, or nothing.
    std::optional<QString> PointerOver(const QString& hint);
    void SetEnabled(bool on) { m_on = on; }
    bool enabled() const { return m_on; }
    const QString& lastTaken() const { return m_lastTaken; }

private:
    bool m_on = true;
    QString m_lastTaken;
};

/// The UiTexts entry the status line shows when the interactive hint is switched on (14) or
/// off (15).
constexpr int InteractiveHintsTextIndex(bool on) {
    return on ? 14 : 15;
}

/// "Компоненты в подсказке" is open while the interactive hint is on; the "RGB"/"HSV" choice
/// while that option is open and set.
struct HintControlsState {
    bool componentsEnabled = true;
    bool notationEnabled = true;
    bool operator==(const HintControlsState&) const = default;
};
HintControlsState HintControls(bool interactiveHints, bool componentsChecked);

/// The description the status line shows when the user switches a settings sub-page
/// (0 "Окно", 1 "Шаблоны ", 2 "Пример ").
constexpr int SettingsSubPageTextIndex(int page) {
    return 29 + page;
}

/// Whose colour the indicator takes while the pointer moves over an element that has no
/// readout of its own.
enum class IndicatorFollow {
    TargetedSample, ///< the sample colour the target addresses
    RedSwatch,      ///< RGB(r, 0, 0)
    GreenSwatch,    ///< RGB(0, g, 0)
    BlueSwatch,     ///< RGB(0, 0, b)
    OwnColor,       ///< the element's own colour (the grey swatches)
    WindowColor,    ///< the window's background, RGB(225, 225, 255)
};

/// The rule for an element, by its layout name; nothing for elements the indicator ignores
/// (palettes, bars and strips set it under their own rules).
std::optional<IndicatorFollow> IndicatorFollowFor(QStringView elementName);

/// The indicator's colour under `rule`; `own` is the element's own colour.
Color IndicatorFollowColor(IndicatorFollow rule, const ColorModel& model, Color own);

} // namespace huebit
