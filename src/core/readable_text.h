#pragma once
// "Сделать текст читаемым": the text colour nearest to the current one, in the same OKLCH hue,
// that reaches a WCAG 2 contrast with the background.

#include "core/color.h"

#include <QString>

namespace huebit {

class ColorModel;

/// WCAG 2 targets in hundredths of the ratio: AA (4.5) and AAA (7) for normal text.
constexpr int ReadableTargetAA = 450;
constexpr int ReadableTargetAAA = 700;

struct ReadableText {
    Color colour;
    bool changed; ///< false when the text already reached the target
    bool sameHue; ///< false when only black or white was left
    bool reached; ///< the target is met (the shown, truncated ratio)
};

/// Lightness is moved first, lighter and darker, on a scale of a thousand steps to white or black
/// (the first step that passes is taken); chroma gives way only where sRGB cannot hold it at that
/// lightness. Of the two directions the one nearer in deltaE OK wins. Where neither reaches the
/// target, black or white, whichever has the higher contrast.
ReadableText ReadableTextColor(Color text, Color background, int targetHundredths);

/// Runs the command on the model: the text target is selected and the new colour applied through
/// ApplyColor, so it is recorded like any chosen colour. Returns the status line's text.
QString MakeSampleTextReadable(ColorModel& model, int targetHundredths);

} // namespace huebit
