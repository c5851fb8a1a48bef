#include "core/text_template.h"

#include "core/component_text.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

ComponentTexts textsOf(int r, int g, int b, int h, int s, int v) {
    ComponentTexts t;
    t[ComponentField::DecRed] = DecimalText(r);
    t[ComponentField::DecGreen] = DecimalText(g);
    t[ComponentField::DecBlue] = DecimalText(b);
    t[ComponentField::HexRed] = HexText(r);
    t[ComponentField::HexGreen] = HexText(g);
    t[ComponentField::HexBlue] = HexText(b);
    t[ComponentField::Hue] = DecimalText(h);
    t[ComponentField::Sat] = DecimalText(s);
    t[ComponentField::Val] = DecimalText(v);
    return t;
}

struct RenderCase {
    const char* entry;
    const char* unpadded;
    const char* padded;
};

} // namespace

TEST(TextTemplate, RendersTheDefaultEntriesAndEdgeCases) {
    const ComponentTexts t = textsOf(136, 87, 249, 258, 65, 98);
    const RenderCase cases[] = {
        {"RGB(dR,dG,dB) - Windows", "RGB(136,87,249)", "RGB(136,087,249)"},
        {"#hRhGhB - HTML", "#8857F9", "#8857F9"},
        {"$00hBhGhR - Delphi", "$00F95788", "$00F95788"},
        {"Hex={hR,hG,hB} - FrontPage", "Hex={88,57,F9}", "Hex={88,57,F9}"},
        {"hRhGhB - PhotoShop", "8857F9", "8857F9"},
        {"0xhRhGhB - Flash", "0x8857F9", "0x8857F9"},
        {"dRdR", "136dR", "136dR"},
        {"RGB(dR,dG,dB)", "RGB(136,87,249)", "RGB(136,087,249)"},
        {"dR -dG", "136", "136"},
        {"no placeholders - label", "no placeholders", "no placeholders"},
        {"H=dH S=dS V=dV", "H=258 S=65 V=98", "H=258 S=065 V=098"},
        {"dr dg", "dr dg", "dr dg"},
        {"", "", ""},
        {"a-b - c", "a-b", "a-b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RenderColorText(QString::fromUtf8(c.entry), t, false), QString::fromUtf8(c.unpadded))
            << c.entry;
        EXPECT_EQ(RenderColorText(QString::fromUtf8(c.entry), t, true), QString::fromUtf8(c.padded))
            << c.entry;
    }
}

TEST(TextTemplate, ValuesComeFromTheTextsAsTyped) {
    ComponentTexts t = textsOf(5, 0, 10, 0, 0, 4);
    t[ComponentField::DecGreen] = "1234"; // typed, not submitted
    t[ComponentField::DecBlue] = "";
    const QString entry = "RGB(dR,dG,dB) - Windows";
    EXPECT_EQ(RenderColorText(entry, t, false), "RGB(5,1234,)");
    EXPECT_EQ(RenderColorText(entry, t, true), "RGB(005,dG,dB)");
}

// A value inserted earlier never becomes a placeholder for a later one: "d" + "R" only meets
// across an insertion when the inserted text supplies a letter, which decimal values never do.
TEST(TextTemplate, ReplacementsAreSearchedInTheTextSoFar) {
    ComponentTexts t = textsOf(1, 2, 3, 4, 5, 6);
    t[ComponentField::HexRed] = "dG";
    EXPECT_EQ(RenderColorText("hR", t, false), "dG"); // dG was already searched before hR
    t[ComponentField::DecRed] = "hG";
    EXPECT_EQ(RenderColorText("dR", t, false), "02"); // dR became hG, which hG then replaces
}
