#include "output/status_hints.h"

#include <utility>

namespace huebit {

std::optional<QString> AutoHint::PointerOver(const QString& hint) {
    if (hint == m_lastTaken) return std::nullopt;
    m_lastTaken = hint;
    if (!m_on) return std::nullopt;
    return hint;
}

HintControlsState HintControls(bool interactiveHints, bool componentsChecked) {
    return {interactiveHints, interactiveHints && componentsChecked};
}

std::optional<IndicatorFollow> IndicatorFollowFor(QStringView name) {
    using F = IndicatorFollow;
    static const std::pair<const char*, F> table[] = {
        {"Panel4", F::TargetedSample},
        {"SpeedButton36", F::TargetedSample},
        {"RPanel", F::RedSwatch},
        {"RdEdit", F::RedSwatch},
        {"RhEdit", F::RedSwatch},
        {"GPanel", F::GreenSwatch},
        {"GdEdit", F::GreenSwatch},
        {"GhEdit", F::GreenSwatch},
        {"BPanel", F::BlueSwatch},
        {"BdEdit", F::BlueSwatch},
        {"BhEdit", F::BlueSwatch},
        {"Panel36", F::OwnColor},
        {"Panel37", F::OwnColor},
        {"Panel38", F::OwnColor},
        // The selection page's bare background and the holders around its tools.
        {"TabSheet1", F::WindowColor},
        {"PageControl2", F::WindowColor},
        {"TabSheetTiles", F::WindowColor},
        {"TabSheetRing", F::WindowColor},
        {"TabSheetWeb", F::WindowColor},
        {"TabSheetWin", F::WindowColor},
        {"PageControl3", F::WindowColor},
        {"TabSheetRgb", F::WindowColor},
        {"TabSheetHsv", F::WindowColor},
        {"TabSheetRefine", F::WindowColor},
        {"StatusBar1", F::WindowColor},
    };
    for (const auto& [element, rule] : table) {
        if (name == QLatin1String(element)) return rule;
    }
    return std::nullopt;
}

Color IndicatorFollowColor(IndicatorFollow rule, const ColorModel& model, Color own) {
    // The component swatches already hold RGB(r, 0, 0), RGB(0, g, 0) and RGB(0, 0, b).
    const auto& swatch = model.Swatches().swatch;
    switch (rule) {
    case IndicatorFollow::TargetedSample:
        return model.TargetedSampleColor();
    case IndicatorFollow::RedSwatch:
        return swatch[0];
    case IndicatorFollow::GreenSwatch:
        return swatch[1];
    case IndicatorFollow::BlueSwatch:
        return swatch[2];
    case IndicatorFollow::OwnColor:
        return own;
    case IndicatorFollow::WindowColor:
        return EmptySlotColor;
    }
    return EmptySlotColor;
}

} // namespace huebit
