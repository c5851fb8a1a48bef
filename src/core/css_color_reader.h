#pragma once
// Typed colour input in CSS Color 4 syntax: #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() with
// commas or spaces, hsl()/hsla(), hwb(), lab(), lch(), oklab(), oklch(), color(srgb …),
// color(srgb-linear …), color(display-p3 …) and the named colours, with "none" and angle units
// where CSS allows them. Anything else is not CSS, and the template walk reads it as before.

#include "core/color.h"

#include <QString>
#include <optional>
#include <vector>

namespace huebit {

struct CssColorRead {
    Color colour;
    bool alphaDropped; ///< an alpha below 1 was given and left out
    bool mapped;       ///< the colour lay outside sRGB and was brought in (CSS gamut mapping)
};

/// The colour a CSS colour text stands for, or nothing when the text is not one. Case and the
/// blanks around it do not matter; texts longer than 256 characters are never CSS colours.
std::optional<CssColorRead> ReadCssColor(const QString& text);

/// One argument of a colour function as read: a number, a percentage (the number before "%"), an
/// angle in degrees, or "none".
struct CssArg {
    enum Kind { Number, Percent, Angle, None } kind;
    long double value;
};

/// The colour of a function other than color() from its arguments, as ReadCssColor takes them
/// once the text is split: `name` in lower case, the channels, the alpha if one was given.
std::optional<CssColorRead> ReadCssFunction(const QString& name,
                                            const std::vector<CssArg>& channels,
                                            std::optional<CssArg> alpha = std::nullopt);

/// The status line's word on a reading: what was dropped or mapped, else empty.
QString CssReadNote(const CssColorRead& read);

} // namespace huebit
