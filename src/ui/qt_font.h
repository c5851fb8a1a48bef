#pragma once
// Conversions between the model's font description and QFont.

#include "core/font_spec.h"

#include <QFont>
#include <QFontInfo>

namespace huebit {

/// Where the face is not installed, the closest sans-serif face stands in.
inline QFont ToQFont(const FontSpec& wanted) {
    QFont font(wanted.family);
    font.setStyleHint(QFont::SansSerif);
    if (wanted.pixelSize > 0) font.setPixelSize(wanted.pixelSize);
    font.setWeight(QFont::Weight(wanted.weight));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    if (!wanted.styleName.isEmpty()) font.setStyleName(wanted.styleName);
    return font;
}

/// Sizes chosen in points are kept as the pixel height they have on this screen.
inline FontSpec FromQFont(const QFont& font) {
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return {font.family(),    pixels,           int(font.weight()), font.italic(),
            font.underline(), font.strikeOut(), font.styleName()};
}

} // namespace huebit
