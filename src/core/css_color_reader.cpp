#include "core/css_color_reader.h"

#include "core/extra_texts.h"

#include "core/color_spaces.h"
#include "palettes/named_colors.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <numbers>
#include <vector>

namespace huebit {
namespace {

constexpr int LongestCssColor = 256;

using Arg = CssArg;

std::optional<Arg> ReadArg(const QString& t) {
    if (t == QLatin1String("none")) return Arg{Arg::None, 0};
    static const QRegularExpression number(
        QStringLiteral("^([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:e[+-]?\\d+)?)(%|deg|rad|grad|turn)?$"));
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const long double v = m.captured(1).toDouble();
    if (!std::isfinite(double(v))) return std::nullopt;
    const QString unit = m.captured(2);
    if (unit.isEmpty()) return Arg{Arg::Number, v};
    if (unit == QLatin1String("%")) return Arg{Arg::Percent, v};
    const long double perUnit = unit == QLatin1String("deg")    ? 1
                                : unit == QLatin1String("grad") ? 0.9L
                                : unit == QLatin1String("turn")
                                    ? 360
                                    : 180 / std::numbers::pi_v<long double>;
    return Arg{Arg::Angle, v * perUnit};
}

// A component: a number as it stands, a percentage of `full`; angles are not components.
std::optional<long double> Component(const Arg& a, long double full) {
    if (a.kind == Arg::Angle) return std::nullopt;
    return a.kind == Arg::Percent ? a.value / 100 * full : a.value;
}

std::optional<long double> Hue(const Arg& a) {
    if (a.kind == Arg::Percent) return std::nullopt;
    return a.value;
}

struct Args {
    std::vector<Arg> channels;
    std::optional<Arg> alpha;
    bool commas = false;
};

// "a b c / d" or "a, b, c, d".
std::optional<Args> SplitArgs(const QString& body) {
    Args out;
    QStringList parts;
    if (body.contains(QLatin1Char(','))) {
        out.commas = true;
        parts = body.split(QLatin1Char(','));
        for (QString& p : parts)
            p = p.trimmed();
        if (parts.size() == 4) {
            const auto a = ReadArg(parts.takeLast());
            if (!a) return std::nullopt;
            out.alpha = a;
        }
    } else {
        QString spaced = body;
        spaced.replace(QLatin1Char('/'), QStringLiteral(" / "));
        parts = spaced.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const qsizetype slash = parts.indexOf(QStringLiteral("/"));
        if (slash >= 0) {
            if (slash != parts.size() - 2) return std::nullopt;
            const auto a = ReadArg(parts.last());
            if (!a) return std::nullopt;
            out.alpha = a;
            parts = parts.mid(0, slash);
        }
    }
    for (const QString& p : parts) {
        const auto a = ReadArg(p);
        if (!a || (out.commas && a->kind == Arg::None)) return std::nullopt;
        out.channels.push_back(*a);
    }
    return out;
}

struct Reading {
    Triple srgb;    // unclamped
    bool wideGamut; // may lie outside sRGB and is mapped, not clipped
};

std::optional<Reading> ReadFunction(const QString& name, const std::vector<Arg>& c) {
    if (name == QLatin1String("color")) return std::nullopt; // handled by the caller
    if (c.size() != 3) return std::nullopt;
    const auto comp = [&](int i, long double full) { return Component(c[i], full); };
    if (name == QLatin1String("rgb") || name == QLatin1String("rgba")) {
        const auto r = comp(0, 255), g = comp(1, 255), b = comp(2, 255);
        if (!r || !g || !b) return std::nullopt;
        return Reading{{*r / 255, *g / 255, *b / 255}, false};
    }
    if (name == QLatin1String("hsl") || name == QLatin1String("hsla") ||
        name == QLatin1String("hwb")) {
        const auto h = Hue(c[0]), x = comp(1, 100), y = comp(2, 100);
        if (!h || !x || !y) return std::nullopt;
        const Triple t{*h, *x / 100, *y / 100};
        if (name == QLatin1String("hwb")) return Reading{HwbToSrgb(t), false};
        return Reading{HslToSrgb({t.x, std::fmax(0.0L, t.y), t.z}), false};
    }
    const bool lab = name == QLatin1String("lab"), lch = name == QLatin1String("lch");
    const bool oklab = name == QLatin1String("oklab"), oklch = name == QLatin1String("oklch");
    if (!lab && !lch && !oklab && !oklch) return std::nullopt;
    const long double lFull = (lab || lch) ? 100 : 1;
    const long double abFull = lab ? 125 : lch ? 150 : 0.4L;
    const auto l = comp(0, lFull), x = comp(1, abFull);
    const auto z = (lch || oklch) ? Hue(c[2]) : comp(2, abFull);
    if (!l || !x || !z) return std::nullopt;
    Triple t{*l, *x, *z};
    if (lch || oklch) t = LchToLab({t.x, std::fmax(0.0L, t.y), t.z});
    return Reading{(lab || lch) ? CieLabToSrgb(t) : OklabToSrgb(t), true};
}

std::optional<Reading> ReadColorFunction(const QString& body, std::optional<Arg>& alpha) {
    QString rest = body.trimmed();
    const qsizetype space = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (space < 0) return std::nullopt;
    const QString profile = rest.left(space);
    const auto args = SplitArgs(rest.mid(space));
    if (!args || args->commas || args->channels.size() != 3) return std::nullopt;
    alpha = args->alpha;
    Triple v{};
    long double* out[3] = {&v.x, &v.y, &v.z};
    for (int i = 0; i < 3; ++i) {
        const auto x = Component(args->channels[i], 1);
        if (!x) return std::nullopt;
        *out[i] = *x;
    }
    if (profile == QLatin1String("srgb")) return Reading{v, true};
    if (profile == QLatin1String("srgb-linear")) return Reading{LinearToSrgb(v), true};
    if (profile == QLatin1String("display-p3"))
        return Reading{LinearToSrgb(LinearDisplayP3ToLinearSrgb(SrgbToLinear(v))), true};
    return std::nullopt;
}

std::optional<Color> NamedCssColor(const QString& name) {
    static const QHash<QString, Color> names = [] {
        QHash<QString, Color> h;
        for (const QString& line : NamedColors())
            h.insert(EnglishNameOf(line).toLower(), ParseNamedColor(line));
        // The British spellings CSS also accepts, and the one name added since the list of 140.
        for (const char* grey : {"darkgray", "darkslategray", "dimgray", "gray", "lightgray",
                                 "lightslategray", "slategray"}) {
            QString british = QString::fromLatin1(grey);
            british.replace(QStringLiteral("gray"), QStringLiteral("grey"));
            h.insert(british, h.value(QString::fromLatin1(grey)));
        }
        h.insert(QStringLiteral("rebeccapurple"), RGB(0x66, 0x33, 0x99));
        return h;
    }();
    const auto it = names.constFind(name);
    if (it == names.cend()) return std::nullopt;
    return *it;
}

std::optional<CssColorRead> ReadHex(const QString& digits) {
    const qsizetype n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) return std::nullopt;
    for (QChar ch : digits)
        if (!ch.isDigit() && (ch < QLatin1Char('a') || ch > QLatin1Char('f'))) return std::nullopt;
    bool ok = false;
    const unsigned long long v = digits.toULongLong(&ok, 16);
    if (!ok) return std::nullopt;
    const bool shortForm = n <= 4;
    const int step = shortForm ? 4 : 8, count = (n == 4 || n == 8) ? 4 : 3;
    int c[4] = {0, 0, 0, 255};
    for (int i = 0; i < count; ++i) {
        const int part = int((v >> (step * (count - 1 - i))) & (shortForm ? 0xF : 0xFF));
        c[i] = shortForm ? part * 17 : part;
    }
    return CssColorRead{RGB(c[0], c[1], c[2]), c[3] < 255, false};
}

// The colour a reading stands for: alpha checked and dropped, a wide-gamut colour mapped in.
std::optional<CssColorRead> ReadingToColor(const std::optional<Reading>& r,
                                           const std::optional<Arg>& alpha) {
    if (!r) return std::nullopt;
    bool alphaDropped = false;
    if (alpha) {
        const auto a = Component(*alpha, 1);
        if (!a) return std::nullopt;
        alphaDropped = *a < 1;
    }
    // Within half a byte step of sRGB the printed digits, not the colour, lie outside: that is
    // not worth a word.
    const bool outside = !InSrgbGamut(r->srgb, 0.5L / 255);
    const Triple srgb = r->wideGamut ? MapIntoSrgb(r->srgb) : r->srgb; // rgb(), hsl(), hwb() clamp
    return CssColorRead{ColorOfSrgb(srgb), alphaDropped, r->wideGamut && outside};
}

} // namespace

std::optional<CssColorRead> ReadCssFunction(const QString& name,
                                            const std::vector<CssArg>& channels,
                                            std::optional<CssArg> alpha) {
    return ReadingToColor(ReadFunction(name, channels), alpha);
}

std::optional<CssColorRead> ReadCssColor(const QString& text) {
    if (text.size() > LongestCssColor) return std::nullopt;
    const QString t = text.trimmed().toLower();
    if (t.startsWith(QLatin1Char('#'))) return ReadHex(t.mid(1));
    if (const auto named = NamedCssColor(t)) return CssColorRead{*named, false, false};
    const qsizetype open = t.indexOf(QLatin1Char('('));
    if (open <= 0 || !t.endsWith(QLatin1Char(')'))) return std::nullopt;
    const QString name = t.left(open).trimmed();
    const QString body = t.mid(open + 1, t.size() - open - 2);
    if (body.contains(QLatin1Char('(')) || body.contains(QLatin1Char(')'))) return std::nullopt;
    if (name == QLatin1String("color")) {
        std::optional<Arg> alpha;
        const std::optional<Reading> r = ReadColorFunction(body, alpha);
        return ReadingToColor(r, alpha);
    }
    const auto args = SplitArgs(body);
    if (!args) return std::nullopt;
    // The comma form is the old syntax of rgb() and hsl() only.
    const bool legacy =
        name.startsWith(QLatin1String("rgb")) || name.startsWith(QLatin1String("hsl"));
    if (args->commas && !legacy) return std::nullopt;
    return ReadCssFunction(name, args->channels, args->alpha);
}

QString CssReadNote(const CssColorRead& read) {
    QStringList notes;
    if (read.mapped) notes << ExtraText("Цвет вне sRGB приведён к ближайшему");
    if (read.alphaDropped) notes << ExtraText("прозрачность отброшена");
    QString note = notes.join(QStringLiteral("; "));
    if (!note.isEmpty()) note[0] = note[0].toUpper();
    return note;
}

} // namespace huebit
