#pragma once
// The nine component texts: what the fields show, what templates insert and what the
// typed-colour parser writes.

#include <QString>
#include <array>

namespace huebit {

enum class ComponentField { DecRed, DecGreen, DecBlue, HexRed, HexGreen, HexBlue, Hue, Sat, Val };
constexpr int ComponentFieldCount = 9;

class ComponentTexts {
public:
    const QString& operator[](ComponentField f) const { return m_texts[std::size_t(f)]; }
    QString& operator[](ComponentField f) { return m_texts[std::size_t(f)]; }
    bool operator==(const ComponentTexts&) const = default;

private:
    std::array<QString, ComponentFieldCount> m_texts;
};

} // namespace huebit

namespace huebit {

/// The fields of each kind, red / green / blue and hue / saturation / value.
constexpr ComponentField DecimalFields[3] = {ComponentField::DecRed, ComponentField::DecGreen,
                                             ComponentField::DecBlue};
constexpr ComponentField HexFields[3] = {ComponentField::HexRed, ComponentField::HexGreen,
                                         ComponentField::HexBlue};
constexpr ComponentField HsvFields[3] = {ComponentField::Hue, ComponentField::Sat,
                                         ComponentField::Val};

} // namespace huebit
