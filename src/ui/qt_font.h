#pragma once
// Conversions between the model's font description and QFont.

#include "core/font_spec.h"

#include <QFont>
#include <QFontInfo>

namespace huebit {

/// Where the face is not installed, the closest sans-serif face stands in.
inline QFont ToQFont(const FontSpec& spec) {
    QFont font(spec.family);
    font.setStyleHint(QFont::SansSerif);
    if (spec.pixelSize > 0) font.setPixelSize(spec.pixelSize);
    font.setWeight(QFont::Weight(spec.weight));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    if (!spec.styleName.isEmpty()) font.setStyleName(spec.styleName);
    return font;
}

/// Sizes chosen in points are kept as the pixel height they have on this screen.
inline FontSpec FromQFont(const QFont& font) {
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return {font.family(),    pixels,           int(font.weight()), font.italic(),
            font.underline(), font.strikeOut(), font.styleName()};
}

} // namespace huebit
