// The shared integer reader and the component text readers, against a plain reading of the
// rules, on the input taken both as UTF-8 and byte for byte.
#include "core/color.h"
#include "core/component_text.h"
#include "fuzz_support.h"
#include "reference_integer.h"

using namespace huebit;
using namespace huebit::fuzz;

namespace {

bool onlyHexDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (const QChar c : s) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c >= QLatin1Char('a') && c <= QLatin1Char('f')) &&
            !(c >= QLatin1Char('A') && c <= QLatin1Char('F')))
            return false;
    }
    return true;
}

void checkText(const QString& text) {
    const std::optional<int> read = ReadInteger(text);
    Check(read == ReferenceReadInteger(text), "integer reader differs from the plain rules");
    Check(ReadDecimalText(text) == read, "decimal component text is not the integer reader");

    const std::optional<int> hex = ReadHexText(text);
    Check(hex == ReferenceReadInteger(QLatin1Char('$') + text),
          "hexadecimal component text is not the integer reader after a dollar sign");
    // A sign, a blank or a prefix inside a hexadecimal text fails it.
    if (hex) Check(onlyHexDigits(text), "hexadecimal text read with more than hex digits");

    // A value read and clamped is written back as a text that reads as the same component.
    if (read) {
        const int component = ClampByte(*read);
        Check(ReadDecimalText(DecimalText(component)) == component, "decimal text round trip");
        Check(ReadHexText(HexText(component)) == component, "hexadecimal text round trip");
        Check(HexText(component).size() == 2, "hexadecimal text is not two digits");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkText(Text(data, size));
    checkText(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
