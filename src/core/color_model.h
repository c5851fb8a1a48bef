#pragma once
// The current colour and everything derived from it. Every change of the colour goes through
// ApplyColor, which refreshes the views' state in a fixed order and then tells the views what
// changed.

#include "core/color.h"
#include "core/color_origin.h"
#include "core/component_texts.h"
#include "core/floating_panel_state.h"
#include "core/model_change.h"
#include "core/template_list.h"
#include "output/sample.h"
#include "palettes/refine_palette.h"
#include "palettes/swatch_strip.h"

#include <QObject>
#include <array>

namespace huebit {

enum class Bar { Red, Green, Blue, Hue, Sat, Val };
constexpr bool IsRgbBar(Bar b) { return b == Bar::Red || b == Bar::Green || b == Bar::Blue; }
constexpr int BarWidth(Bar b) { return IsRgbBar(b) ? RgbBarWidth : HsvBarWidth; }

/// Fill widths of the six component bars, in pixels.
struct ComponentBars {
    int red = 0, green = 0, blue = 0;   // of RgbBarWidth
    int hue = 0, sat = 0, val = 0;      // of HsvBarWidth

    int& operator[](Bar b) {
        int* fills[] = {&red, &green, &blue, &hue, &sat, &val};
        return *fills[int(b)];
    }
    int operator[](Bar b) const { return const_cast<ComponentBars&>(*this)[b]; }
};

/// The component swatches RGB(r,0,0) ... and the component greys RGB(r,r,r) ...
struct ComponentSwatches {
    std::array<Color, 3> swatch{};
    std::array<Color, 3> grey{};
};

struct MatchingColors {
    Color main = 0, complement = 0, mainPlusGrey = 0, complementPlusGrey = 0;
};

struct GradientState {
    Color start = 0;
    Color end = 0;
    bool autoSubstitute = false;
    PixelBuffer strip;
};

class ColorModel : public QObject {
    Q_OBJECT
public:
    ColorModel();

    void ApplyColor(Color colour, ColorOrigin origin);

    // Bars: set from a component value, read a component back from the fill.
    void SetRedBar(int value);
    void SetGreenBar(int value);
    void SetBlueBar(int value);
    int RedFromBar() const { return ComponentFromBarFill(m_bars.red, RgbBarWidth); }
    int GreenFromBar() const { return ComponentFromBarFill(m_bars.green, RgbBarWidth); }
    int BlueFromBar() const { return ComponentFromBarFill(m_bars.blue, RgbBarWidth); }
    Color ColorFromBars() const { return RGB(RedFromBar(), GreenFromBar(), BlueFromBar()); }
    void UpdateHsvFromRgb();
    /// Sets a bar's fill directly, as a pointer on the bar does.
    void SetBarFill(Bar bar, int fill);
    /// A component text as the user typed it; templates insert it as it stands.
    void SetComponentText(ComponentField field, const QString& text);

    /// The template selector: choosing an entry, or typing into its field.
    void SelectTemplate(int index);
    void SetActiveTemplateText(const QString& text);
    /// The list editor's apply: entries from the lines, empty ones skipped.
    void ApplyTemplateLines(const QStringList& lines);

    void DrawRefinePalette(Color c);
    void DrawSaturationStrip(Color c);
    void PushPreviousColor();
    /// The current colour as the RGB bars hold it, pushed onto the user palette.
    void AddToUserPalette();
    void ClearPreviousColors();
    void ClearUserPalette();
    /// Paints one stored slot back (settings load): columns 15i to 15i + 13, full height.
    void PaintUserPaletteSlot(int slot, Color c);
    void PaintPreviousColorSlot(int slot, Color c);
    /// The settings load's template list: the list emptied (nothing selected, no active text),
    /// then these entries appended as they are, empty ones included.
    void RestoreTemplates(const QStringList& entries);
    /// Empties the sample's caption (and the mirror's) without touching the text switch; the
    /// settings load uses it when the stored state had the text hidden.
    void ClearSampleCaption();

    // Colour target. Selecting a target that is already on does nothing; otherwise the newly
    // targeted sample colour becomes current without a history entry.
    void SelectBackgroundTarget();
    void SelectTextTarget();
    /// The selection step itself, run even when the target is already on.
    void RunTargetSelection(ColorTarget target);

    /// Hides the sample text (back to the background target, the text target unavailable) or
    /// shows `SampleText` again without changing the target. The floating panel follows.
    void ToggleSampleText();
    /// The two sample colours change places and the other target is selected, so the current
    /// colour keeps its value in its new role. The floating panel follows, frozen or not.
    void SwapSampleColors();
    /// The parameters page's "Применить": the new `SampleText` (shown only while the text is),
    /// the font, and its colour as the sample's text colour, set directly: the current colour
    /// and the text line stay as they are.
    void ApplySampleTextSettings(const QString& text, const FontSpec& font, Color fontColor);
    void SetSampleTextColor(Color c);
    /// Sets one sample colour at once, without making it current; the floating panel follows,
    /// frozen or not.
    void SetSampleColor(ColorTarget which, Color c);
    void SetSampleText(const QString& text);
    /// The sample colour the current target addresses.
    Color TargetedSampleColor() const;

    // Floating panel.
    /// The show/hide command shows the panel unfrozen.
    void UnfreezeFloatingPanel();
    /// The freeze button: a live panel freezes and keeps what it shows; a frozen one thaws and
    /// copies the sample's colours at once.
    void ToggleFloatingPanelFreeze();
    /// The panel has been shown: its face copies the sample's colours and caption.
    void FloatingPanelShown();

    /// Renders the active template into the text line.
    void RenderColorText(bool zeroPad);
    void SetGradientAutoSubstitution(bool on);
    void SetGradientColors(Color start, Color end);
    void DrawGradient();
    /// The gradient's two buttons: the current colour as the RGB bars hold it becomes the
    /// start or the end, and the strip is redrawn. Setting the start does nothing while
    /// auto-substitution keeps it (its button is disabled then).
    void SetGradientStartFromBars();
    void SetGradientEndFromBars();

    void SetStartupDone(bool done) { m_startupDone = done; }

    // State for the views.
    Color LastColor() const { return m_lastColor; }
    ColorTarget Target() const { return m_target; }
    const Sample& SampleState() const { return m_sample; }
    const ComponentBars& Bars() const { return m_bars; }
    const ComponentTexts& Texts() const { return m_texts; }
    const ComponentSwatches& Swatches() const { return m_swatches; }
    const MatchingColors& Matching() const { return m_matching; }
    const PixelBuffer& RefinePalette() const { return m_refinePalette; }
    const PixelBuffer& SaturationStrip() const { return m_saturationStrip; }
    const SaturationMarkers& Markers() const { return m_markers; }
    const SwatchStrip& PreviousColors() const { return m_previousColors; }
    const SwatchStrip& UserPalette() const { return m_userPalette; }
    const TemplateList& Templates() const { return m_templates; }
    const QString& TextLine() const { return m_textLine; }
    const GradientState& Gradient() const { return m_gradient; }
    const FloatingPanelState& FloatingPanel() const { return m_panel; }
    bool StartupDone() const { return m_startupDone; }

signals:
    /// `what` is a set of ModelChange flags; sent once per outermost operation.
    void changed(unsigned what);
    /// The keyboard focus should move to the title strip's check box.
    void focusRequested();

private:
    class Batch;
    void notify(unsigned what) {
        if (m_batchDepth == 0) emit changed(what);
        else m_pending |= what;
    }
    void applyComponents(Color colour);
    void applyToTarget(Color colour);
    void applyMatching(Color colour);

    Color m_lastColor = 0;
    ColorTarget m_target = ColorTarget::Background;
    Sample m_sample;
    ComponentBars m_bars;
    ComponentTexts m_texts;
    ComponentSwatches m_swatches;
    MatchingColors m_matching;
    PixelBuffer m_refinePalette;
    PixelBuffer m_saturationStrip;
    SaturationMarkers m_markers;
    SwatchStrip m_previousColors;
    SwatchStrip m_userPalette;
    TemplateList m_templates;
    QString m_textLine;
    GradientState m_gradient;
    FloatingPanelState m_panel;
    bool m_startupDone = false;

    int m_batchDepth = 0;
    unsigned m_pending = 0;
};

} // namespace huebit

namespace huebit {
/// The refinement palette is drawn around this before the first colour is applied.
constexpr Color InitialRefineColor = RGB(128, 0, 0);
/// The colour every run starts with, on the background target.
constexpr Color StartColor = RGB(136, 87, 249);
} // namespace huebit
