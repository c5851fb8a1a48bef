#include "settings/element_tags.h"

#include <algorithm>

namespace huebit {

std::optional<int> TaggedFontSize(int tag, int base) {
    if (base <= 0 || tag == FixedFontTag || tag == FixedTextTag) return std::nullopt;
    // At base 1 the magnifier's labels would come out at 0 points, which no font has.
    return std::max(MinFontSize, base + tag);
}

std::optional<QString> MatchFontFamily(const QStringList& families, const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    for (const QString& family : families) {
        if (family.compare(name, Qt::CaseInsensitive) == 0) return family;
    }
    return std::nullopt;
}

} // namespace huebit
