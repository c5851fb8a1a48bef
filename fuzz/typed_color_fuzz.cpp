// A colour typed into the text line, through the Enter path the program runs (the selector's
// text, the fields, ComponentEditing::EnterTypedColor on a real model), against an independent
// walk of the template and a plain reading of the fields it fills. A text that is a CSS colour
// is read as CSS instead; what it reads must render back, in every notation, to itself.
//
// Input: the selector's text on the first line, the typed text on the second, then up to nine
// component texts the user typed into the fields beforehand (dR dG dB hR hG hB dH dS dV).
#include "core/color_model.h"
#include "core/component_editing.h"
#include "core/component_text.h"
#include "core/css_color_reader.h"
#include "core/css_notation.h"
#include "core/text_template.h"
#include "core/ui_texts.h"
#include "fuzz_support.h"
#include "reference_integer.h"

#include <string>

using namespace huebit;
using namespace huebit::fuzz;

namespace {

enum class Kind { None, Decimal, Hex, Hsv };

struct Expected {
    ComponentTexts fields; // after the walk's writes and any corrections
    Kind kind = Kind::None;
    bool fails = false;
    Color colour = 0;
};

// The template up to the first hyphen, read as a list of tokens: a placeholder takes its width
// of typed characters, any other template character one, and the last template character none.
void walk(const QString& entry, const QString& typed, Expected& e) {
    static const struct {
        const char16_t* name;
        ComponentField field;
        int width;
        Kind kind;
    } placeholders[] = {
        {u"dR", ComponentField::DecRed, 3, Kind::Decimal},
        {u"dG", ComponentField::DecGreen, 3, Kind::Decimal},
        {u"dB", ComponentField::DecBlue, 3, Kind::Decimal},
        {u"hR", ComponentField::HexRed, 2, Kind::Hex},
        {u"hG", ComponentField::HexGreen, 2, Kind::Hex},
        {u"hB", ComponentField::HexBlue, 2, Kind::Hex},
        {u"dH", ComponentField::Hue, 3, Kind::Hsv},
        {u"dS", ComponentField::Sat, 3, Kind::Hsv},
        {u"dV", ComponentField::Val, 3, Kind::Hsv},
    };
    const std::u16string t(reinterpret_cast<const char16_t*>(entry.constData()),
                           std::size_t(entry.indexOf(QLatin1Char('-')) < 0
                                           ? entry.size()
                                           : entry.indexOf(QLatin1Char('-'))));
    std::size_t j = 0;
    for (std::size_t i = 0; i + 1 < t.size();) {
        const std::u16string pair = t.substr(i, 2);
        bool found = false;
        for (const auto& p : placeholders) {
            if (pair != p.name) continue;
            e.fields[p.field] =
                j < std::size_t(typed.size()) ? typed.mid(qsizetype(j), p.width) : QString();
            j += std::size_t(p.width);
            i += 2;
            e.kind = p.kind;
            found = true;
            break;
        }
        if (!found) ++i, ++j;
    }
}

void expectRgb(Expected& e, bool hex) {
    const ComponentField* fields = hex ? HexFields : DecimalFields;
    int value[3];
    for (int k = 0; k < 3; ++k) {
        const QString& text = e.fields[fields[k]];
        const auto v = ReferenceReadInteger(hex ? QLatin1Char('$') + text : text);
        if (!v) {
            e.fails = true;
            return;
        }
        value[k] = ClampByte(*v);
    }
    e.colour = RGB(value[0], value[1], value[2]);
}

// Hue, saturation and value corrected field by field; a field that cannot be read stops there.
void expectHsv(Expected& e) {
    const int limits[] = {360, 100, 100};
    int value[3];
    for (int k = 0; k < 3; ++k) {
        QString& text = e.fields[HsvFields[k]];
        const auto v = ReferenceReadInteger(text);
        if (!v) {
            e.fails = true;
            return;
        }
        if (*v < 0)
            text = QStringLiteral("0");
        else if (*v > limits[k])
            text = QString::number(limits[k]);
        value[k] = *ReferenceReadInteger(text);
    }
    const Rgb c = HsvToRgb(double((long double)value[0] / 360), double((long double)value[1] / 100),
                           double((long double)value[2] / 100));
    e.colour = RGB(c.r, c.g, c.b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = Lines(data, size);
    const QString entry = lines.value(0);
    const QString typed = lines.value(1);

    // One model for the whole run, which is cheaper than building its pictures per input; it is
    // brought back to the start colour with freshly written fields before each input. The
    // refinement origin leaves the pictures alone on the way.
    static ColorModel model;
    static UiTexts uiTexts;
    static ComponentEditing editing(model, uiTexts);
    static int messages = 0;
    static QString lastMessage;
    static const bool connected =
        QObject::connect(&editing, &ComponentEditing::statusMessage, [](const QString& text) {
            lastMessage = text;
            ++messages;
        });
    Check(connected, "status messages are not watched");
    messages = 0;
    lastMessage.clear();
    model.ApplyColor(Complement(StartColor), coRefineDrag);
    model.ApplyColor(StartColor, coRefineDrag);
    model.SetActiveTemplateText(entry);
    for (int k = 0; k < ComponentFieldCount && 2 + k < lines.size(); ++k) {
        editing.FieldEdited(ComponentField(k), lines[2 + k]);
    }

    if (const std::optional<CssColorRead> css = ReadCssColor(typed)) {
        editing.EnterTypedColor(typed);
        Check(model.LastColor() == css->colour, "a CSS colour was not applied");
        const QString note = CssReadNote(*css);
        Check(messages == (note.isEmpty() ? 0 : 1) && lastMessage == note,
              "a CSS reading said something else than its note");
        for (CssNotation n : {CssNotation::Hsl, CssNotation::Hwb, CssNotation::Oklch,
                              CssNotation::Oklab, CssNotation::Lab, CssNotation::Lch}) {
            const auto back = ReadCssColor(CssNotationText(n, css->colour));
            Check(back && back->colour == css->colour && !back->mapped,
                  "a CSS colour does not render back to itself");
        }
        return 0;
    }

    Expected e;
    e.fields = model.Texts();
    const Color before = model.LastColor();
    walk(entry, typed, e);
    if (e.kind == Kind::Decimal) expectRgb(e, false);
    if (e.kind == Kind::Hex) expectRgb(e, true);
    if (e.kind == Kind::Hsv) expectHsv(e);

    editing.EnterTypedColor(typed);

    if (e.kind == Kind::None || e.fails) {
        Check(messages == (e.fails ? 1 : 0), "a failure is reported exactly once");
        Check(!e.fails || lastMessage == uiTexts[1] || lastMessage == uiTexts[23],
              "failure reported with another text");
        Check(model.LastColor() == before, "a failed or empty parse changed the colour");
        Check(model.Texts() == e.fields, "the fields do not hold what the walk copied");
        return 0;
    }
    Check(messages == 0, "a readable text reported a failure");
    Check(model.LastColor() == e.colour, "the colour is not what the fields say");
    if (e.colour == before) {
        // Submitting the current colour leaves the typed texts in the fields.
        Check(model.Texts() == e.fields, "an unchanged colour rewrote the fields");
        return 0;
    }
    const ComponentTexts& now = model.Texts();
    for (int k = 0; k < 3; ++k) {
        const int c = k == 0   ? GetRValue(e.colour)
                      : k == 1 ? GetGValue(e.colour)
                               : GetBValue(e.colour);
        Check(now[DecimalFields[k]] == DecimalText(c) && now[HexFields[k]] == HexText(c),
              "a new colour did not rewrite the RGB fields");
        if (e.kind == Kind::Hsv) {
            Check(now[HsvFields[k]] == e.fields[HsvFields[k]], "HSV fields lost what was typed");
        }
    }
    Check(model.TextLine() == ExpandCssTokens(RenderColorText(entry, now, false), e.colour),
          "the text line does not show the new colour");
    return 0;
}
