#include "core/css_color_reader.h"

#include "core/css_notation.h"

#include <gtest/gtest.h>

namespace huebit {
namespace {

struct Good {
    const char* text;
    Color want;
    bool alphaDropped, mapped;
};

TEST(CssColorReader, ReadsEveryForm) {
    const Color sample = RGB(0x88, 0x57, 0xF9);
    const Good cases[] = {
        {"#8857f9", sample, false, false},
        {"  #8857F9 ", sample, false, false},
        {"#FFF", RGB(255, 255, 255), false, false},
        {"#f00c", RGB(255, 0, 0), true, false},
        {"#8857F980", sample, true, false},
        {"#8857F9ff", sample, false, false},
        {"rgb(136, 87, 249)", sample, false, false},
        {"RGB(136 87 249)", sample, false, false},
        {"rgba(136,87,249,0.5)", sample, true, false},
        {"rgb(136 87 249 / 50%)", sample, true, false},
        {"rgb(53.3% 34.1% 97.6%)", sample, false, false},
        {"rgb(300 -5 0)", RGB(255, 0, 0), false, false},
        {"hsl(120deg 100% 50%)", RGB(0, 255, 0), false, false},
        {"hsl(0.5turn 100% 50%)", RGB(0, 255, 255), false, false},
        {"hsl(200grad 100% 50%)", RGB(0, 255, 255), false, false},
        {"hsl(3.14159265rad 100% 50%)", RGB(0, 255, 255), false, false},
        {"hsla(240, 100%, 50%, 0.3)", RGB(0, 0, 255), true, false},
        {"hsl(none 0% 50%)", RGB(128, 128, 128), false, false},
        {"hwb(0 0% 0%)", RGB(255, 0, 0), false, false},
        {"hwb(90 60% 60%)", RGB(128, 128, 128), false, false},
        // The readout of our own {oklch} token, as typed from the example.
        {"oklch(59.8% 0.229 291.9)", sample, false, false},
        {"oklch(0.598 0.229 291.9)", sample, false, false},
        {"oklch(70% 0.4 30)", RGB(0xFF, 0x58, 0x43), false, true},
        {"oklch(120% 0.1 30)", RGB(255, 255, 255), false, true},
        {"color(srgb 1 0 0)", RGB(255, 0, 0), false, false},
        {"color(srgb 100% 0% 0% / 0.2)", RGB(255, 0, 0), true, false},
        {"color(srgb-linear 0.5 0.5 0.5)", RGB(188, 188, 188), false, false},
        {"RebeccaPurple", RGB(0x66, 0x33, 0x99), false, false},
        {"GREY", RGB(128, 128, 128), false, false},
        {"darkslategrey", RGB(0x2F, 0x4F, 0x4F), false, false},
        {"aliceblue", RGB(0xF0, 0xF8, 0xFF), false, false},
    };
    for (const Good& g : cases) {
        const auto r = ReadCssColor(QString::fromUtf8(g.text));
        ASSERT_TRUE(r) << g.text;
        EXPECT_EQ(r->colour, g.want) << g.text;
        EXPECT_EQ(r->alphaDropped, g.alphaDropped) << g.text;
        EXPECT_EQ(r->mapped, g.mapped) << g.text;
    }
    // Display-p3's pure red lies outside sRGB: mapped, and still a full red.
    const auto p3 = ReadCssColor(QStringLiteral("color(display-p3 1 0 0)"));
    ASSERT_TRUE(p3);
    EXPECT_TRUE(p3->mapped);
    EXPECT_EQ(GetRValue(p3->colour), 255);
}

TEST(CssColorReader, MalformedIsNotCss) {
    const char* bad[] = {"hsl(1 2)",
                         "oklch(50% x 3)",
                         "rgb(1,2 3)",
                         "lab(1, 2, 3)",
                         "#12345",
                         "#ggg",
                         "#+12",
                         "rgb(1 2 3 4)",
                         "hsl(10% 5% 5%)",
                         "color(foo 1 2 3)",
                         "rgb()",
                         "rgb(1 2 3 /)",
                         "rgb(none, 0, 0)",
                         "rgb(1 2 3",
                         "rgb((1) 2 3)",
                         "notacolour",
                         "#hRhGhB",
                         "RGB(dR,dG,dB)",
                         "136 87 249",
                         "rgb(1 2 3) x",
                         "hsl(1e999 5% 5%)",
                         ""};
    for (const char* b : bad)
        EXPECT_FALSE(ReadCssColor(QString::fromUtf8(b))) << b;
    EXPECT_FALSE(ReadCssColor(QString(100000, QLatin1Char('#'))));
    EXPECT_FALSE(ReadCssColor(QStringLiteral("rgb(") + QString(100000, QLatin1Char('1')) + ")"));
}

// What the tokens write, the reader takes back to the same colour.
TEST(CssColorReader, ReadsWhatTheTokensWrite) {
    const CssNotation all[] = {CssNotation::Hsl,   CssNotation::Hwb, CssNotation::Oklch,
                               CssNotation::Oklab, CssNotation::Lab, CssNotation::Lch};
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 15)
                for (CssNotation n : all) {
                    const QString t = CssNotationText(n, RGB(r, g, b));
                    const auto read = ReadCssColor(t);
                    ASSERT_TRUE(read) << t.toStdString();
                    EXPECT_EQ(read->colour, RGB(r, g, b)) << t.toStdString();
                    EXPECT_FALSE(read->alphaDropped);
                }
}

} // namespace
} // namespace huebit
