#include "palettes/palette_text.h"
#include "palettes/swatch_strip.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

TEST(PaletteText, StripColorsLeaveEmptySlotsOut) {
    SwatchStrip strip;
    EXPECT_TRUE(StripColors(strip).empty());
    strip.push(RGB(1, 2, 3));
    strip.push(RGB(4, 5, 6));
    strip.setSlot(5, RGB(7, 8, 9));
    EXPECT_EQ(StripColors(strip), (std::vector<Color>{RGB(4, 5, 6), RGB(1, 2, 3), RGB(7, 8, 9)}));
}

TEST(PaletteText, RecognisesCssColourTexts) {
    const struct {
        const char* text;
        bool css;
    } cases[] = {
        {"#8857F9", true},
        {"#8857f9", true},
        {"RGB(1,2,3)", true},
        {"rgb(1 2 3 / 50%)", true},
        {"hsl(120 50% 50%)", true},
        {"oklch(0.5 0.1 120)", true},
        {"color(display-p3 1 0 0)", true},
        {"8857F9", false},
        {"0x8857F9", false},
        {"$00F95788", false},
        {"Hex={88,57,F9}", false},
        {"#8857F9 x", false},
        {"rgb(1,2,3", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCssColorText(c.text), c.css) << c.text;
}

TEST(PaletteText, CssPropertiesUseTheActiveNotationOnlyWhenItIsCss) {
    const std::vector<Color> colors{RGB(0x88, 0x57, 0xF9), RGB(0, 10, 255)};
    const struct {
        const char* entry;
        const char* expected;
    } cases[] = {
        {"#hRhGhB - HTML", ":root {\n  --huebit-1: #8857F9;\n  --huebit-2: #000AFF;\n}\n"},
        {"RGB(dR,dG,dB) - Windows",
         ":root {\n  --huebit-1: RGB(136,87,249);\n  --huebit-2: RGB(0,10,255);\n}\n"},
        {"0xhRhGhB - Flash", ":root {\n  --huebit-1: #8857F9;\n  --huebit-2: #000AFF;\n}\n"},
        {"$00hBhGhR - Delphi", ":root {\n  --huebit-1: #8857F9;\n  --huebit-2: #000AFF;\n}\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WriteCssProperties(colors, c.entry), c.expected) << c.entry;
    EXPECT_EQ(WriteCssProperties({}, "#hRhGhB - HTML"), ":root {\n}\n");
}

TEST(PaletteText, PlainListIsOneColourPerLineInTheActiveNotation) {
    const std::vector<Color> colors{RGB(0x88, 0x57, 0xF9), RGB(0, 10, 255)};
    EXPECT_EQ(WritePlainList(colors, "$00hBhGhR - Delphi"), "$00F95788\n$00FF0A00\n");
    EXPECT_EQ(WritePlainList(colors, "H=dH S=dS V=dV"), "H=258 S=65 V=98\nH=238 S=100 V=100\n");
    EXPECT_EQ(WritePlainList({}, "#hRhGhB"), "");
}

} // namespace
