#include "settings/element_tags.h"

#include <QSet>

#include <algorithm>

namespace huebit {

std::optional<int> TaggedFontSize(int tag, int base) {
    if (base <= 0 || tag == FixedFontTag || tag == FixedTextTag) return std::nullopt;
    // At base 1 the magnifier's labels would come out at 0 points, which no font has.
    return std::max(MinFontSize, base + tag);
}

QString PlainFamilyName(const QString& family) {
    const QString name = family.trimmed();
    const qsizetype open = name.lastIndexOf(QLatin1String(" ["));
    if (open <= 0 || !name.endsWith(QLatin1Char(']'))) return name;
    return name.left(open).trimmed();
}

QStringList PlainFamilyNames(const QStringList& installed) {
    QStringList plain;
    QSet<QString> seen;
    for (const QString& family : installed) {
        const QString name = PlainFamilyName(family);
        if (name.isEmpty() || seen.contains(name.toCaseFolded())) continue;
        seen.insert(name.toCaseFolded());
        plain.append(name);
    }
    return plain;
}

std::optional<QString> MatchFontFamily(const QStringList& families, const QString& name) {
    const QString wanted = PlainFamilyName(name);
    if (wanted.isEmpty()) return std::nullopt;
    for (const QString& family : families) {
        if (PlainFamilyName(family).compare(wanted, Qt::CaseInsensitive) == 0) return family;
    }
    return std::nullopt;
}

} // namespace huebit
