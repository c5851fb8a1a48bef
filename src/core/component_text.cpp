#include "core/component_text.h"

#include <cstdint>
#include <limits>

namespace huebit {

QString DecimalText(int component) { return QString::number(component); }

QString HexText(int component) {
    return QString::number(component, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= '0' && u <= '9') d = u - '0';
    else if (u >= 'a' && u <= 'f') d = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F') d = u - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

std::optional<int> ReadInteger(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16, ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16, ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16, i += 2;
    }
    if (i == n) return std::nullopt;
    // Accumulate the magnitude; anything beyond 2^31 cannot fit either sign.
    const std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        magnitude = magnitude * base + d;
        if (magnitude > limit) return std::nullopt;
    }
    if (!negative && magnitude == limit) return std::nullopt;
    return int(negative ? -magnitude : magnitude);
}

std::optional<int> ReadDecimalText(const QString& text) { return ReadInteger(text); }

std::optional<int> ReadHexText(const QString& text) {
    return ReadInteger(QLatin1Char('$') + text);
}

} // namespace huebit
