#pragma once
// A strip's colours as text files: CSS custom properties and a plain list, each colour in the
// notation of the active template.

#include "core/color.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace huebit {

class SwatchStrip;

/// The filled slots of a strip, left to right; empty slots (EmptySlotColor) are left out.
std::vector<Color> StripColors(const SwatchStrip& strip);

/// Whether a colour text is one a style sheet takes as it is: "#RRGGBB" or a colour function
/// such as "rgb(…)", "hsl(…)" or "oklch(…)", in any letter case.
bool IsCssColorText(const QString& text);

/// ":root {", one "  --huebit-N: value;" line per colour counting from 1, then "}". The value is
/// the colour in the active template (`entry`) when that gives CSS, else "#RRGGBB".
QByteArray WriteCssProperties(const std::vector<Color>& colors, const QString& entry);

/// One line per colour in the active template, LF line ends, UTF-8.
QByteArray WritePlainList(const std::vector<Color>& colors, const QString& entry);

} // namespace huebit
