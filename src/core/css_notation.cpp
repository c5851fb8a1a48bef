#include "core/css_notation.h"

#include "core/color_spaces.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace huebit {
namespace {

// How a notation is printed: its function name, the digits after the point of each number and
// which numbers carry a percent sign (scaled by `percentScale` first).
struct Form {
    CssNotation notation;
    const char* name;
    std::array<int, 3> decimals;
    std::array<bool, 3> percent;
    std::array<long double, 3> percentScale;
    int hueIndex;    ///< -1 for rectangular forms
    int chromaIndex; ///< the number whose zero makes the hue meaningless; -1 where none
};

// The digits are the fewest that bring all 16,777,216 colours back (the sweep test pins it).
constexpr Form Forms[] = {
    {CssNotation::Hsl, "hsl", {2, 2, 2}, {false, true, true}, {1, 100, 100}, 0, 1},
    {CssNotation::Hwb, "hwb", {2, 2, 2}, {false, true, true}, {1, 100, 100}, 0, -1},
    {CssNotation::Oklch, "oklch", {3, 5, 2}, {true, false, false}, {100, 1, 1}, 2, 1},
    {CssNotation::Oklab, "oklab", {3, 5, 5}, {true, false, false}, {100, 1, 1}, -1, -1},
    {CssNotation::Lab, "lab", {3, 3, 3}, {false, false, false}, {1, 1, 1}, -1, -1},
    {CssNotation::Lch, "lch", {3, 3, 2}, {false, false, false}, {1, 1, 1}, 2, 1},
};

const Form& FormOf(CssNotation n) {
    return Forms[int(n)];
}

// Round(v * 10^decimals), ties to even. The powers are exact; powl is slow enough to dominate a
// sweep of every colour.
long long Scaled(long double v, int decimals) {
    constexpr long double Powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    return std::llrint(v * Powers[decimals]);
}

QString Fixed(long long scaled, int decimals) {
    const bool negative = scaled < 0;
    QString digits =
        QString::number(negative ? -scaled : scaled).rightJustified(decimals + 1, QLatin1Char('0'));
    QString text = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty()) text += QLatin1Char('.') + fraction;
    return (negative && scaled != 0 ? QStringLiteral("-") : QString()) + text;
}

Triple Components(CssNotation n, Color c) {
    switch (n) {
    case CssNotation::Hsl:
        return SrgbToHsl(SrgbOf(c));
    case CssNotation::Hwb:
        return SrgbToHwb(SrgbOf(c));
    case CssNotation::Oklch:
        return LabToLch(LinearSrgbToOklab(LinearOf(c)));
    case CssNotation::Oklab:
        return LinearSrgbToOklab(LinearOf(c));
    case CssNotation::Lab:
        return LinearSrgbToCieLab(LinearOf(c));
    case CssNotation::Lch:
        return LabToLch(LinearSrgbToCieLab(LinearOf(c)));
    }
    return SrgbOf(c);
}

Triple ToSrgb(CssNotation n, const Triple& t) {
    switch (n) {
    case CssNotation::Hsl:
        return HslToSrgb(t);
    case CssNotation::Hwb:
        return HwbToSrgb(t);
    case CssNotation::Oklch:
        return OklabToSrgb(LchToLab(t));
    case CssNotation::Oklab:
        return OklabToSrgb(t);
    case CssNotation::Lab:
        return CieLabToSrgb(t);
    case CssNotation::Lch:
        return CieLabToSrgb(LchToLab(t));
    }
    return t;
}

} // namespace

CssPrintedNumbers CssNotationNumbers(CssNotation notation, Color c) {
    const Form& f = FormOf(notation);
    const Triple t = Components(notation, c);
    std::array<long double, 3> v{t.x, t.y, t.z};
    std::array<long long, 3> scaled{};
    for (int i = 0; i < 3; ++i)
        scaled[i] = Scaled(v[i] * f.percentScale[i], f.decimals[i]);
    if (f.hueIndex >= 0) {
        // A hue shown as 360 is 0; a grey's hue is 0 whatever the arithmetic left.
        const long long full = Scaled(360, f.decimals[f.hueIndex]);
        if (scaled[f.hueIndex] == full) scaled[f.hueIndex] = 0;
        if (f.chromaIndex >= 0 && scaled[f.chromaIndex] == 0) scaled[f.hueIndex] = 0;
    }
    return {f.name, scaled, f.decimals, f.percent};
}

QString CssNotationText(CssNotation notation, Color c) {
    const CssPrintedNumbers p = CssNotationNumbers(notation, c);
    QStringList parts;
    for (int i = 0; i < 3; ++i)
        parts << Fixed(p.scaled[i], p.decimals[i]) +
                     (p.percent[i] ? QStringLiteral("%") : QString());
    return QStringLiteral("%1(%2)").arg(QLatin1String(p.name), parts.join(QLatin1Char(' ')));
}

QString ExpandCssTokens(const QString& text, Color c) {
    if (!text.contains(QLatin1Char('{'))) return text;
    QString out = text;
    for (const Form& f : Forms) {
        const QString token = QStringLiteral("{%1}").arg(QLatin1String(f.name));
        if (out.contains(token)) out.replace(token, CssNotationText(f.notation, c));
    }
    return out;
}

std::optional<Color> ReadCssNotation(const QString& text) {
    const QString t = text.trimmed();
    for (const Form& f : Forms) {
        const QString open = QLatin1String(f.name) + QLatin1Char('(');
        if (!t.startsWith(open, Qt::CaseInsensitive) || !t.endsWith(QLatin1Char(')'))) continue;
        const QStringList parts = t.mid(open.size(), t.size() - open.size() - 1)
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 3) return std::nullopt;
        std::array<long double, 3> v{};
        for (int i = 0; i < 3; ++i) {
            QString p = parts[i];
            if (f.percent[i] != p.endsWith(QLatin1Char('%'))) return std::nullopt;
            if (f.percent[i]) p.chop(1);
            bool ok = false;
            const double x = p.toDouble(&ok);
            if (!ok || !std::isfinite(x)) return std::nullopt;
            v[i] = x / f.percentScale[i];
        }
        return ColorOfSrgb(ToSrgb(f.notation, {v[0], v[1], v[2]}));
    }
    return std::nullopt;
}

} // namespace huebit
