#include "palettes/palette_text.h"

#include "core/component_text.h"
#include "output/clipboard_sample.h"
#include "palettes/swatch_strip.h"

#include <QRegularExpression>

namespace huebit {

std::vector<Color> StripColors(const SwatchStrip& strip) {
    std::vector<Color> colors;
    for (int slot = 0; slot < SwatchStrip::SlotCount; ++slot) {
        const Color c = strip.slotColor(slot);
        if (c != EmptySlotColor) colors.push_back(c);
    }
    return colors;
}

bool IsCssColorText(const QString& text) {
    static const QRegularExpression css(
        QStringLiteral(
            "^(#[0-9A-Fa-f]{6}|(rgba?|hsla?|hwb|lab|lch|oklab|oklch|color)\\([^()]*\\))$"),
        QRegularExpression::CaseInsensitiveOption);
    return css.match(text).hasMatch();
}

QByteArray WriteCssProperties(const std::vector<Color>& colors, const QString& entry) {
    QByteArray out = ":root {\n";
    int number = 0;
    for (const Color c : colors) {
        QString value = PickedColorText(entry, c);
        if (!IsCssColorText(value)) {
            value = QLatin1Char('#') + HexText(GetRValue(c)) + HexText(GetGValue(c)) +
                    HexText(GetBValue(c));
        }
        out += "  --huebit-" + QByteArray::number(++number) + ": " + value.toUtf8() + ";\n";
    }
    return out + "}\n";
}

QByteArray WritePlainList(const std::vector<Color>& colors, const QString& entry) {
    QByteArray out;
    for (const Color c : colors)
        out += PickedColorText(entry, c).toUtf8() + '\n';
    return out;
}

} // namespace huebit
