// RenderColorText with a fuzzed entry and fuzzed component texts, against a plain reading of the
// rules; and, for templates the parser can read back, rendered zero-padded then parsed.
//
// Input: the entry on the first line, then up to nine component texts in the order
// dR dG dB hR hG hB dH dS dV, one a line.
#include "core/color.h"
#include "core/component_text.h"
#include "core/text_template.h"
#include "core/typed_color.h"
#include "fuzz_support.h"

#include <array>
#include <map>
#include <string>

using namespace huebit;
using namespace huebit::fuzz;

namespace {

constexpr std::array<const char16_t*, 9> Names = {u"dR", u"dG", u"dB", u"hR", u"hG",
                                                  u"hB", u"dH", u"dS", u"dV"};
constexpr bool isDecimal(std::size_t k) {
    return k < 3 || k >= 6;
}

std::u16string str(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.constData()), std::size_t(s.size())};
}

// The entry cut before its first blank-hyphen pair, then each name's leftmost occurrence in the
// text as it stands replaced, one name after another.
std::u16string referenceRender(const QString& entry, const ComponentTexts& texts, bool zeroPad) {
    std::u16string t = str(entry);
    t = t.substr(0, t.find(u" -"));
    for (std::size_t k = 0; k < Names.size(); ++k) {
        const std::size_t at = t.find(Names[k]);
        if (at == std::u16string::npos) continue;
        std::u16string value = str(texts[ComponentField(k)]);
        if (zeroPad && isDecimal(k)) {
            if (value.empty() || value.size() > 3) continue;
            value.insert(0, 3 - value.size(), u'0');
        }
        t.replace(at, 2, value);
    }
    return t;
}

// The texts ApplyColor would write for a colour.
ComponentTexts textsOf(Color c) {
    ComponentTexts t;
    const int rgb[] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    for (int i = 0; i < 3; ++i) {
        t[DecimalFields[i]] = DecimalText(rgb[i]);
        t[HexFields[i]] = HexText(rgb[i]);
    }
    const HsvReadout hsv = HsvReadoutOf(RgbToHsv(rgb[0], rgb[1], rgb[2]));
    t[ComponentField::Hue] = DecimalText(hsv.h);
    t[ComponentField::Sat] = DecimalText(hsv.s);
    t[ComponentField::Val] = DecimalText(hsv.v);
    return t;
}

// A template the padded form is made for: no hyphen of its own, every "d" and "h" the start of
// a placeholder, and no placeholder twice. The field each placeholder names, in template order.
std::optional<std::vector<ComponentField>> readableLayout(const std::u16string& t) {
    if (t.find(u'-') != std::u16string::npos) return std::nullopt;
    std::vector<ComponentField> order;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != u'd' && t[i] != u'h') continue;
        const std::u16string pair = t.substr(i, 2);
        std::size_t k = 0;
        while (k < Names.size() && pair != Names[k])
            ++k;
        if (k == Names.size()) return std::nullopt;
        for (ComponentField seen : order) {
            if (seen == ComponentField(k)) return std::nullopt;
        }
        order.push_back(ComponentField(k));
        ++i;
    }
    return order;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = Lines(data, size);
    const QString entry = lines.value(0);
    ComponentTexts texts;
    for (int k = 0; k < ComponentFieldCount; ++k)
        texts[ComponentField(k)] = lines.value(1 + k);

    for (const bool zeroPad : {false, true}) {
        const QString shown = RenderColorText(entry, texts, zeroPad);
        Check(str(shown) == referenceRender(entry, texts, zeroPad),
              "rendered text differs from the plain rules");
    }

    // Whatever the parser reads from the padded form of a colour is what the fields held.
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    const ComponentTexts colourTexts = textsOf(hash & 0xFFFFFF);
    const auto layout = readableLayout(str(TemplateForRendering(entry)));
    if (!layout) return 0;
    const TypedColorFields parsed =
        ParseTypedColor(entry, RenderColorText(entry, colourTexts, true));
    Check(parsed.writes.size() == layout->size(), "padded text read back with other fields");
    for (std::size_t n = 0; n < layout->size(); ++n) {
        const ComponentField field = (*layout)[n];
        const QString& value = colourTexts[field];
        const bool decimal = isDecimal(std::size_t(field));
        const QString padded = decimal ? value.rightJustified(3, QLatin1Char('0')) : value;
        Check(parsed.writes[n].first == field && parsed.writes[n].second == padded,
              "padded text does not read back as the fields it was made from");
    }
    return 0;
}
