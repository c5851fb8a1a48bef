#include "core/color_model.h"

#include "core/component_text.h"
#include "core/css_notation.h"
#include "palettes/gradient.h"

namespace huebit {

// Collects the change flags of one outermost operation and sends them once at its end, so a
// target switch that applies a colour inside another operation still repaints each view once.
class ColorModel::Batch {
public:
    explicit Batch(ColorModel& m) : m_model(m) { ++m_model.m_batchDepth; }
    ~Batch() {
        if (--m_model.m_batchDepth == 0 && m_model.m_pending != 0) {
            const unsigned what = m_model.m_pending;
            m_model.m_pending = 0;
            emit m_model.changed(what);
        }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    ColorModel& m_model;
};

ColorModel::ColorModel()
    : m_refinePalette(RefinePaletteWidth, RefinePaletteHeight),
      m_saturationStrip(SaturationStripWidth, SaturationStripHeight) {
    m_gradient.start = DefaultGradientStart;
    m_gradient.end = DefaultGradientEnd;
    m_gradient.strip = PixelBuffer(GradientWidth, GradientHeight);
}

void ColorModel::ApplyColor(Color colour, ColorOrigin origin) {
    Batch batch(*this);
    if (colour != m_lastColor) {
        m_lastColor = colour;
        applyComponents(colour);
        applyToTarget(colour);
        applyMatching(colour);
        if (origin != coRefinePick && origin != coRefineDrag) {
            DrawRefinePalette(colour);
            DrawSaturationStrip(colour);
        }
        if (origin != coDrag && origin != coHsvDrag && origin != coRefineDrag &&
            origin != coGradientDrag) {
            PushPreviousColor();
        }
        if (origin != coHsvPick && origin != coHsvDrag) UpdateHsvFromRgb();
        RenderColorText(false);
        if (m_gradient.autoSubstitute && origin != coGradientDrag && origin != coGradientPick) {
            m_gradient.start = colour;
            DrawGradient();
        }
    }
    // Even an unchanged colour moves the focus, so the field where Enter was pressed lets go.
    if (m_startupDone) emit focusRequested();
}

void ColorModel::applyComponents(Color colour) {
    const std::array<int, 3> c{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    for (int i = 0; i < 3; ++i) {
        m_swatches.swatch[i] = RGB(i == 0 ? c[0] : 0, i == 1 ? c[1] : 0, i == 2 ? c[2] : 0);
        m_swatches.grey[i] = RGB(c[i], c[i], c[i]);
        m_texts[DecimalFields[i]] = DecimalText(c[i]);
        m_texts[HexFields[i]] = HexText(c[i]);
    }
    SetRedBar(c[0]);
    SetGreenBar(c[1]);
    SetBlueBar(c[2]);
    notify(ChangedSwatches | ChangedComponentTexts);
}

void ColorModel::applyToTarget(Color colour) {
    if (m_target == ColorTarget::Background) {
        m_sample.background = colour;
        if (m_startupDone && !m_panel.frozen) {
            m_panel.face = colour;
            m_panel.readoutText = Complement(colour);
            notify(ChangedFloatingPanel);
        }
    } else {
        m_sample.text = colour;
        if (!m_sample.textSwitchEnabled) ToggleSampleText();
        if (m_startupDone && !m_panel.frozen) {
            m_panel.faceText = colour;
            notify(ChangedFloatingPanel);
        }
    }
    notify(ChangedSample);
}

void ColorModel::applyMatching(Color colour) {
    m_matching.main = colour;
    m_matching.complement = Complement(colour);
    m_matching.mainPlusGrey = PlusGrey(colour);
    m_matching.complementPlusGrey = PlusGrey(m_matching.complement);
    notify(ChangedMatching);
}

void ColorModel::SetRedBar(int value) {
    m_bars.red = BarFillFromComponent(value, RgbBarWidth);
    notify(ChangedBars);
}
void ColorModel::SetGreenBar(int value) {
    m_bars.green = BarFillFromComponent(value, RgbBarWidth);
    notify(ChangedBars);
}
void ColorModel::SetBlueBar(int value) {
    m_bars.blue = BarFillFromComponent(value, RgbBarWidth);
    notify(ChangedBars);
}

void ColorModel::UpdateHsvFromRgb() {
    // From the bars, not the exact components: (2, 2, 2) reads back as (1, 1, 1).
    const Hsv hsv = RgbToHsv(RedFromBar(), GreenFromBar(), BlueFromBar());
    const HsvReadout readout = HsvReadoutOf(hsv);
    m_texts[ComponentField::Hue] = DecimalText(readout.h);
    m_texts[ComponentField::Sat] = DecimalText(readout.s);
    m_texts[ComponentField::Val] = DecimalText(readout.v);
    m_bars.hue = HueFillFromHue(hsv.hue, HsvBarWidth);
    m_bars.sat = PercentFillFromFraction(hsv.saturation, HsvBarWidth);
    m_bars.val = PercentFillFromFraction(hsv.value, HsvBarWidth);
    notify(ChangedComponentTexts | ChangedHsvBars);
}

void ColorModel::SetBarFill(Bar bar, int fill) {
    m_bars[bar] = fill;
    notify(IsRgbBar(bar) ? ChangedBars : ChangedHsvBars);
}

void ColorModel::SetComponentText(ComponentField field, const QString& text) {
    if (m_texts[field] == text) return;
    m_texts[field] = text;
    notify(ChangedComponentTexts);
}

void ColorModel::SelectTemplate(int index) {
    Batch batch(*this);
    m_templates.select(index);
    notify(ChangedTemplates);
    RenderColorText(false);
}

void ColorModel::SetActiveTemplateText(const QString& text) {
    Batch batch(*this);
    m_templates.setActiveEntry(text);
    notify(ChangedTemplates);
    RenderColorText(false);
}

void ColorModel::ApplyTemplateLines(const QStringList& lines) {
    // The text line follows the new list only at its next render.
    m_templates.applyLines(lines);
    notify(ChangedTemplates);
}

void ColorModel::DrawRefinePalette(Color c) {
    huebit::DrawRefinePalette(m_refinePalette, c);
    notify(ChangedRefinePalette);
}

void ColorModel::DrawSaturationStrip(Color c) {
    huebit::DrawSaturationStrip(m_saturationStrip, m_markers, c);
    notify(ChangedSaturation);
}

void ColorModel::PushPreviousColor() {
    const Color c = TargetedSampleColor();
    if (m_previousColors.pixels().pixel(2, 2) == c) return;
    m_previousColors.push(c);
    notify(ChangedPreviousColors);
}

void ColorModel::ClearPreviousColors() {
    m_previousColors.clear();
    notify(ChangedPreviousColors);
}

void ColorModel::AddToUserPalette() {
    m_userPalette.push(ColorFromBars());
    notify(ChangedUserPalette);
}

void ColorModel::ClearUserPalette() {
    m_userPalette.clear();
    notify(ChangedUserPalette);
}

void ColorModel::PaintUserPaletteSlot(int slot, Color c) {
    m_userPalette.setSlot(slot, c);
    notify(ChangedUserPalette);
}

void ColorModel::PaintPreviousColorSlot(int slot, Color c) {
    m_previousColors.setSlot(slot, c);
    notify(ChangedPreviousColors);
}

void ColorModel::RestoreTemplates(const QStringList& entries) {
    m_templates = TemplateList(entries);
    notify(ChangedTemplates);
}

void ColorModel::ClearSampleCaption() {
    Batch batch(*this);
    m_sample.caption.clear();
    m_panel.caption.clear();
    notify(ChangedSample | ChangedFloatingPanel);
}

void ColorModel::SelectBackgroundTarget() {
    if (m_target == ColorTarget::Background) return;
    RunTargetSelection(ColorTarget::Background);
}

void ColorModel::SelectTextTarget() {
    if (m_target == ColorTarget::Text) return;
    RunTargetSelection(ColorTarget::Text);
}

void ColorModel::RunTargetSelection(ColorTarget target) {
    Batch batch(*this);
    m_target = target;
    notify(ChangedTarget);
    ApplyColor(target == ColorTarget::Background ? m_sample.background : m_sample.text, coDrag);
}

void ColorModel::ToggleSampleText() {
    Batch batch(*this);
    if (m_sample.textVisible()) {
        m_sample.caption.clear();
        m_panel.caption.clear();
        RunTargetSelection(ColorTarget::Background);
        m_sample.textSwitchEnabled = false;
    } else {
        m_sample.caption = m_sample.sampleText;
        m_panel.caption = m_sample.sampleText;
        m_sample.textSwitchEnabled = true;
    }
    notify(ChangedSample | ChangedFloatingPanel);
}

void ColorModel::SwapSampleColors() {
    Batch batch(*this);
    const Color b = m_sample.background;
    m_sample.background = m_sample.text;
    m_panel.face = m_sample.text;
    m_sample.text = b;
    m_panel.faceText = b;
    notify(ChangedSample | ChangedFloatingPanel);
    // Selecting makes the newly targeted colour current; it holds the value the other role had.
    if (m_target == ColorTarget::Background) {
        SelectTextTarget();
    } else {
        SelectBackgroundTarget();
    }
}

void ColorModel::ApplySampleTextSettings(const QString& text, const FontSpec& font,
                                         Color fontColor) {
    Batch batch(*this);
    m_sample.sampleText = text;
    if (m_sample.textSwitchEnabled) {
        m_sample.caption = text;
        m_panel.caption = text;
    }
    m_sample.font = font;
    m_panel.font = font;
    m_sample.text = fontColor;
    m_panel.faceText = fontColor;
    notify(ChangedSample | ChangedFloatingPanel);
}

Color ColorModel::TargetedSampleColor() const {
    return m_target == ColorTarget::Background ? m_sample.background : m_sample.text;
}

void ColorModel::UnfreezeFloatingPanel() {
    if (!m_panel.frozen) return;
    m_panel.frozen = false;
    notify(ChangedFloatingPanel);
}

void ColorModel::ToggleFloatingPanelFreeze() {
    m_panel.frozen = !m_panel.frozen;
    if (!m_panel.frozen) {
        m_panel.face = m_sample.background;
        m_panel.readoutText = Complement(m_sample.background);
        m_panel.faceText = m_sample.text;
    }
    notify(ChangedFloatingPanel);
}

void ColorModel::FloatingPanelShown() {
    m_panel.face = m_sample.background;
    m_panel.faceText = m_sample.text;
    m_panel.caption = m_sample.textVisible() ? m_sample.sampleText : QString();
    notify(ChangedFloatingPanel);
}

void ColorModel::SetSampleTextColor(Color c) {
    Batch batch(*this);
    m_sample.text = c;
    notify(ChangedSample);
}

void ColorModel::SetSampleColor(ColorTarget which, Color c) {
    Batch batch(*this);
    if (which == ColorTarget::Background) {
        m_sample.background = c;
        m_panel.face = c;
        m_panel.readoutText = Complement(c);
    } else {
        m_sample.text = c;
        m_panel.faceText = c;
    }
    notify(ChangedSample | ChangedFloatingPanel);
}

void ColorModel::SetSampleText(const QString& text) {
    Batch batch(*this);
    m_sample.sampleText = text;
    m_sample.caption = text;
    m_panel.caption = text;
    notify(ChangedSample | ChangedFloatingPanel);
}

void ColorModel::RenderColorText(bool zeroPad) {
    Batch batch(*this);
    // The whole-notation tokens after the two-letter placeholders, from the current colour.
    m_textLine = ExpandCssTokens(
        huebit::RenderColorText(m_templates.activeEntry(), m_texts, zeroPad), m_lastColor);
    notify(ChangedTextLine);
}

void ColorModel::SetGradientAutoSubstitution(bool on) {
    m_gradient.autoSubstitute = on;
    notify(ChangedGradient);
}

void ColorModel::SetGradientColors(Color start, Color end) {
    m_gradient.start = start;
    m_gradient.end = end;
    notify(ChangedGradient);
}

void ColorModel::SetGradientStartFromBars() {
    if (m_gradient.autoSubstitute) return;
    Batch batch(*this);
    m_gradient.start = ColorFromBars();
    DrawGradient();
}

void ColorModel::SetGradientEndFromBars() {
    Batch batch(*this);
    m_gradient.end = ColorFromBars();
    DrawGradient();
}

void ColorModel::DrawGradient() {
    Batch batch(*this);
    huebit::DrawGradient(m_gradient.strip, m_gradient.start, m_gradient.end);
    notify(ChangedGradient);
}

} // namespace huebit
