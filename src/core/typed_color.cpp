#include "core/typed_color.h"

namespace huebit {

namespace {

struct Slot {
    const char* name;
    int width;
    ComponentField field;
    FieldKind kind;
};

constexpr Slot Slots[] = {
    {"dR", 3, ComponentField::DecRed, FieldKind::DecimalRgb},
    {"dG", 3, ComponentField::DecGreen, FieldKind::DecimalRgb},
    {"dB", 3, ComponentField::DecBlue, FieldKind::DecimalRgb},
    {"hR", 2, ComponentField::HexRed, FieldKind::HexRgb},
    {"hG", 2, ComponentField::HexGreen, FieldKind::HexRgb},
    {"hB", 2, ComponentField::HexBlue, FieldKind::HexRgb},
    {"dH", 3, ComponentField::Hue, FieldKind::Hsv},
    {"dS", 3, ComponentField::Sat, FieldKind::Hsv},
    {"dV", 3, ComponentField::Val, FieldKind::Hsv},
};

} // namespace

QString TemplateForParsing(const QString& entry) {
    const qsizetype hyphen = entry.indexOf(QLatin1Char('-'));
    return hyphen < 0 ? entry : entry.left(hyphen);
}

TypedColorFields ParseTypedColor(const QString& entry, const QString& typed) {
    const QString t = TemplateForParsing(entry);
    TypedColorFields result;
    qsizetype i = 0; // position in the template
    qsizetype j = 0; // position in the typed text
    // A placeholder needs two template characters, so the walk stops before the last one.
    while (i + 1 < t.size()) {
        bool matched = false;
        for (const Slot& slot : Slots) {
            if (QStringView(t).mid(i, 2) != QLatin1String(slot.name)) continue;
            result.writes.emplace_back(slot.field, typed.mid(j, slot.width));
            j += slot.width;
            i += 2;
            result.lastKind = slot.kind;
            matched = true;
        }
        if (!matched) {
            ++i;
            ++j;
        }
    }
    return result;
}

} // namespace huebit
