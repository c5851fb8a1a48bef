#include "palettes/swatch_picking.h"

namespace huebit {

namespace {
constexpr int StripTitle[] = {13, 12}; // user palette, previous colours
} // namespace

SwatchPicking::SwatchPicking(ColorModel& model, const UiTexts& texts, const HintOptions& options,
                             PalettePicking& palettes)
    : m_model(model), m_texts(texts), m_options(options), m_palettes(palettes) {}

const SwatchStrip& SwatchPicking::strip(StripId id) const {
    return id == StripId::UserPalette ? m_model.UserPalette() : m_model.PreviousColors();
}

void SwatchPicking::StripPressed(StripId id, Qt::MouseButton button, int x, int y) {
    const PixelBuffer& pixels = strip(id).pixels();
    if (!pixels.contains(x, y)) return;
    if (button == Qt::LeftButton) m_model.SelectBackgroundTarget();
    else if (button == Qt::RightButton) m_model.SelectTextTarget();
    // A slot in the window colour cannot be told from an empty one, so it ignores presses.
    const Color c = pixels.pixel(x, y);
    if (c != EmptySlotColor) m_model.ApplyColor(c, coNormal);
}

void SwatchPicking::StripHovered(StripId id, int x, int y) {
    const PixelBuffer& pixels = strip(id).pixels();
    if (!pixels.contains(x, y)) return;
    const QString& title = m_texts[StripTitle[int(id)]];
    const Color c = pixels.pixel(x, y);
    QString text;
    if (c == EmptySlotColor) {
        text = title; // the bare title, whatever the status-line setting
    } else {
        if (m_options.useIndicator) m_palettes.SetIndicatorColor(c);
        if (!m_options.interactiveHints) return;
        text = PointerColorText(title, c, m_options.componentsInHint, m_options.hsvNotation);
    }
    m_stripText[int(id)] = text;
    emit stripStatusTextChanged(id, text);
}

Color SwatchPicking::matchingColor(MatchingSwatch swatch) const {
    const MatchingColors& m = m_model.Matching();
    switch (swatch) {
    case MatchingSwatch::MainPlusGrey: return m.mainPlusGrey;
    case MatchingSwatch::ComplementPlusGrey: return m.complementPlusGrey;
    default: return m.complement; // the main swatch and the frame offer the complement too
    }
}

void SwatchPicking::MatchingPressed(MatchingSwatch swatch, Qt::MouseButton button) {
    const Color k = matchingColor(swatch);
    if (button == Qt::LeftButton) {
        if (m_model.Target() == ColorTarget::Background) {
            m_model.ApplyColor(k, coNormal);
        } else {
            m_model.SetSampleColor(ColorTarget::Background, k);
            m_model.SelectBackgroundTarget();
        }
    } else if (button == Qt::RightButton) {
        if (m_model.Target() == ColorTarget::Text) {
            m_model.ApplyColor(k, coNormal);
        } else {
            m_model.SetSampleColor(ColorTarget::Text, k);
            m_model.SelectTextTarget();
        }
    }
}

void SwatchPicking::MatchingHovered(MatchingSwatch swatch) {
    if (!m_options.interactiveHints) return;
    const MatchingColors& m = m_model.Matching();
    const Color shown[] = {m.main, m.complement, m.mainPlusGrey, m.complementPlusGrey,
                           m.complement};
    m_palettes.SetIndicatorColor(shown[int(swatch)]);
}

} // namespace huebit
