#pragma once
// The integer rules read plainly, apart from the program's own reader, so the two can be
// compared: blanks, a sign, a hexadecimal prefix, digits, and the range left to the standard
// library's conversion.

#include <QString>

#include <charconv>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace huebit::fuzz {

inline std::optional<int> ReferenceReadInteger(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    std::u16string_view rest = s.substr(i);
    int base = 10;
    for (std::u16string_view prefix : {u"$", u"x", u"X", u"0x", u"0X"}) {
        if (rest.starts_with(prefix)) {
            base = 16;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    if (rest.empty()) return std::nullopt;
    std::string digits;
    for (const char16_t c : rest) {
        const bool decimal = c >= u'0' && c <= u'9';
        const bool letter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!decimal && !(base == 16 && letter)) return std::nullopt;
        digits.push_back(char(c));
    }
    unsigned long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (magnitude > 1ull << 31) return std::nullopt;
    const long long value =
        negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return int(value);
}

inline std::optional<int> ReferenceReadInteger(const QString& s) {
    return ReferenceReadInteger(std::u16string_view(
        reinterpret_cast<const char16_t*>(s.constData()), std::size_t(s.size())));
}

} // namespace huebit::fuzz
