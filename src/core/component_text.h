#pragma once
// Text forms of single components and the one integer reader every field uses.

#include <QString>
#include <optional>

namespace huebit {

/// "0" to "255", no leading zeros.
QString DecimalText(int component);
/// Two uppercase hexadecimal digits, "00" to "FF".
QString HexText(int component);

/// Optional leading blanks, an optional sign, then decimal digits or a hexadecimal number
/// introduced by "$", "x", "X", "0x" or "0X"; nothing may follow and the value must fit a
/// signed 32-bit integer. Anything else gives no value.
std::optional<int> ReadInteger(const QString& text);
/// A decimal component text (which may also be written "$1F" or "0x1F").
std::optional<int> ReadDecimalText(const QString& text);
/// A hexadecimal component text: hexadecimal digits only, either case.
std::optional<int> ReadHexText(const QString& text);

} // namespace huebit
