#include "core/text_template.h"

#include <optional>

namespace huebit {

QStringList DefaultTemplates() {
    return {QStringLiteral("RGB(dR,dG,dB) - Windows"), QStringLiteral("hRhGhB - PhotoShop"),
            QStringLiteral("#hRhGhB - HTML"),          QStringLiteral("0xhRhGhB - Flash"),
            QStringLiteral("Hex={hR,hG,hB} - FrontPage"), QStringLiteral("$00hBhGhR - Delphi")};
}

QStringList FirstStartTemplates() {
    QStringList entries = DefaultTemplates();
    for (const char* token : {"{hsl}", "{hwb}", "{oklch}", "{oklab}", "{lab}", "{lch}"})
        entries << QLatin1String(token) + QStringLiteral(" - CSS");
    return entries;
}

QString TemplateForRendering(const QString& entry) {
    const QString withLabel = entry + QStringLiteral(" -");
    return withLabel.left(withLabel.indexOf(QStringLiteral(" -")));
}

namespace {

struct Placeholder {
    const char* name;
    ComponentField field;
    bool decimal;
};

constexpr Placeholder Placeholders[] = {
    {"dR", ComponentField::DecRed, true},   {"dG", ComponentField::DecGreen, true},
    {"dB", ComponentField::DecBlue, true},  {"hR", ComponentField::HexRed, false},
    {"hG", ComponentField::HexGreen, false}, {"hB", ComponentField::HexBlue, false},
    {"dH", ComponentField::Hue, true},      {"dS", ComponentField::Sat, true},
    {"dV", ComponentField::Val, true},
};

// The value a placeholder is replaced by, or nothing when it must stay as written.
std::optional<QString> insertedValue(const QString& value, bool padToThree) {
    if (!padToThree) return value;
    if (value.isEmpty() || value.size() > 3) return std::nullopt;
    return value.rightJustified(3, QLatin1Char('0'));
}

} // namespace

QString RenderColorText(const QString& entry, const ComponentTexts& texts, bool zeroPad) {
    QString t = TemplateForRendering(entry);
    for (const Placeholder& p : Placeholders) {
        const QLatin1String name(p.name);
        const qsizetype at = t.indexOf(name);
        if (at < 0) continue;
        const auto value = insertedValue(texts[p.field], zeroPad && p.decimal);
        if (!value) continue;
        t.replace(at, name.size(), *value);
    }
    return t;
}

} // namespace huebit
