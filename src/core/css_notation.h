#pragma once
// CSS Color 4 notations of a colour, written whole by template tokens: {hsl}, {hwb}, {oklch},
// {oklab}, {lab}, {lch}. Space-separated syntax; lab and lch are CIE Lab with the D50 white, as
// CSS defines them. Each is printed with the digits that bring every sRGB colour back exactly.

#include "core/color.h"

#include <QString>
#include <array>
#include <optional>

namespace huebit {

enum class CssNotation { Hsl, Hwb, Oklch, Oklab, Lab, Lch };

/// The numbers a notation prints, before they become text: each is scaled[i] / 10^decimals[i],
/// followed by "%" where percent[i].
struct CssPrintedNumbers {
    const char* name; ///< the function's name, "hsl" …
    std::array<long long, 3> scaled;
    std::array<int, 3> decimals;
    std::array<bool, 3> percent;
};
CssPrintedNumbers CssNotationNumbers(CssNotation notation, Color c);

/// "hsl(258.1 93.1% 65.88%)": trailing zeros dropped, no "-0", the hue of a grey 0.
QString CssNotationText(CssNotation notation, Color c);

/// Replaces every whole token of the six; any other brace text stays as written.
QString ExpandCssTokens(const QString& text, Color c);

/// Reads back exactly what CssNotationText writes (three numbers, percentages where it puts
/// them), nothing else; the colour rounded to bytes after clamping to sRGB.
std::optional<Color> ReadCssNotation(const QString& text);

} // namespace huebit
