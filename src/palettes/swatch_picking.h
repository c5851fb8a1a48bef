#pragma once
// Presses and hovers on the two swatch strips and on the matching colours.

#include "palettes/palette_picking.h"

namespace huebit {

enum class StripId { UserPalette, PreviousColors };
enum class MatchingSwatch { Main, Complement, MainPlusGrey, ComplementPlusGrey, Frame };

class SwatchPicking : public QObject {
    Q_OBJECT
public:
    SwatchPicking(ColorModel& model, const UiTexts& texts, const HintOptions& options,
                  PalettePicking& palettes);

    /// The button chooses the target; a filled slot then becomes current.
    void StripPressed(StripId strip, Qt::MouseButton button, int x, int y);
    void StripHovered(StripId strip, int x, int y);
    const QString& StripStatusText(StripId strip) const { return m_stripText[int(strip)]; }

    void MatchingPressed(MatchingSwatch swatch, Qt::MouseButton button);
    void MatchingHovered(MatchingSwatch swatch);

signals:
    void stripStatusTextChanged(StripId strip, const QString& text);

private:
    const SwatchStrip& strip(StripId id) const;
    Color matchingColor(MatchingSwatch swatch) const;

    ColorModel& m_model;
    const UiTexts& m_texts;
    const HintOptions& m_options;
    PalettePicking& m_palettes;
    QString m_stripText[2];
};

} // namespace huebit
