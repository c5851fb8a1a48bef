#pragma once
// What a press, a drag and a release do on a palette, and the readout of the colour under the
// pointer. The left button addresses the sample's background, the right button its text.

#include "core/color_dialog.h"
#include "core/color_model.h"
#include "core/shell_state.h"
#include "core/ui_texts.h"
#include "output/hint_options.h"
#include "palettes/palette_element.h"

#include <QObject>
#include <map>

namespace huebit {

class PalettePicking : public QObject {
    Q_OBJECT
public:
    PalettePicking(ColorModel& model, const UiTexts& texts, const HintOptions& options,
                   ShellState& shell);

    /// Registers an element; the buffer must outlive the picker.
    void AddElement(PaletteId id, const PixelBuffer& buffer, QSize area, int titleIndex,
                    ColorOrigin dragOrigin, ColorOrigin releaseOrigin);
    const PaletteElement& Element(PaletteId id) const { return m_elements.at(id); }

    void Press(PaletteId id, Qt::MouseButton button, int x, int y);
    void Move(PaletteId id, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
              int y);
    void Release(PaletteId id, Qt::MouseButton button, int x, int y);
    void ShowPointerColor(PaletteId id, int x, int y, const QString& title);

    /// The grey marker beside the saturation strip: any button applies its colour.
    void GreyMarkerPressed();
    /// The pointer over one of the four markers (0 black, 1 white, 2 current, 3 grey).
    void MarkerHovered(int marker);
    /// The pointer over the sample: the indicator shows the sample colour the target addresses.
    void SampleHovered();

    /// The user switched a page of the palette set, the refinement set or the editors.
    /// Returns the palette page to show afterwards (the "Win " page always returns to 0).
    int PalettePageChanged(int page, ColorDialog& dialog);
    void RefinePageChanged(int page);
    void EditorPageChanged(int page);

    /// The colour indicator's colour, as pointer moves set it.
    Color IndicatorColor() const { return m_indicator; }
    void SetIndicatorColor(Color c);
    /// The pointer over an element that shows `c` in the indicator while the interactive hints
    /// are on.
    void FollowPointer(Color c);

signals:
    void statusTextChanged(PaletteId id, const QString& text);
    /// An explicit write to the status line (a page description).
    void statusMessage(const QString& text);
    void indicatorChanged(Color c);

private:
    void selectTargetFor(Qt::MouseButton button);
    void pageText(int index);
    QString titleFor(const PaletteElement& e, int y) const;

    ColorModel& m_model;
    const UiTexts& m_texts;
    const HintOptions& m_options;
    ShellState& m_shell;
    std::map<PaletteId, PaletteElement> m_elements;
    Color m_indicator = EmptySlotColor;
};

/// "title ( r=7 g=15 b=7 )" or "title ( h=120 s=53 v=6 )" or the bare title.
QString PointerColorText(const QString& title, Color c, bool components, bool hsv);

} // namespace huebit
