#include "core/readable_text.h"

#include "core/color_model.h"
#include "core/color_spaces.h"
#include "core/contrast.h"

#include <cmath>
#include <gtest/gtest.h>

namespace huebit {
namespace {

long double OkLightness(Color c) {
    return SrgbToOklab(SrgbOf(c)).x;
}
long double OkHue(Color c) {
    return LabToLch(SrgbToOklab(SrgbOf(c))).z;
}

struct Case {
    const char* what;
    Color text, background;
    int target;
    Color want; // 0xFFFFFFFF: any colour that keeps the hue and passes
    bool changed, sameHue, reached;
};

constexpr Color AnyInHue = 0xFFFFFFFF;

TEST(ReadableText, Outcomes) {
    const Color white = RGB(255, 255, 255), black = RGB(0, 0, 0), grey = RGB(0x77, 0x77, 0x77);
    const Case cases[] = {
        // The lightest grey that passes AA on white, as the WCAG literature knows it: 4.54:1.
        {"grey on white", grey, white, ReadableTargetAA, RGB(0x76, 0x76, 0x76), true, true, true},
        {"already passes", black, white, ReadableTargetAA, black, false, true, true},
        // Mid grey: white gives 4.47 and black 4.69, so AAA is out of reach; black is nearer.
        {"AAA on mid grey", RGB(255, 0, 0), grey, ReadableTargetAAA, black, true, false, false},
        {"default sample", RGB(255, 201, 73), RGB(136, 87, 249), ReadableTargetAA, AnyInHue, true,
         true, true},
        // Black gives 4.78 and white 4.39 on the default background: no AAA there.
        {"default sample AAA", RGB(255, 201, 73), RGB(136, 87, 249), ReadableTargetAAA, black, true,
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadableText r = ReadableTextColor(c.text, c.background, c.target);
        if (c.want != AnyInHue) {
            EXPECT_EQ(r.colour, c.want);
        } else {
            EXPECT_NEAR(double(OkHue(r.colour)), double(OkHue(c.text)), 3.0);
        }
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(r.sameHue, c.sameHue);
        EXPECT_EQ(r.reached, c.reached);
        EXPECT_EQ(ContrastRatioHundredths(r.colour, c.background) >= c.target, c.reached);
    }
}

// When both ways reach the target, the nearer one wins: a mid background at the large-text
// target, with text a little darker or a little lighter than the midpoint.
TEST(ReadableText, TakesTheNearerDirection) {
    const Color bg = RGB(0x77, 0x77, 0x77);
    const Color darkish = RGB(0x6A, 0x6A, 0x6A), lightish = RGB(0x90, 0x90, 0x90);
    const ReadableText d = ReadableTextColor(darkish, bg, 300);
    const ReadableText l = ReadableTextColor(lightish, bg, 300);
    EXPECT_LT(OkLightness(d.colour), OkLightness(darkish));
    EXPECT_GT(OkLightness(l.colour), OkLightness(lightish));
    EXPECT_TRUE(d.reached && l.reached);
}

// Lightness moves first: a colour whose chroma sRGB holds at the new lightness keeps it.
TEST(ReadableText, ChromaGivesWayOnlyWhereSrgbForcesIt) {
    const Color text = RGB(0x40, 0x60, 0xA0), bg = RGB(0x30, 0x30, 0x30);
    const ReadableText r = ReadableTextColor(text, bg, ReadableTargetAA);
    ASSERT_TRUE(r.reached);
    const Triple before = LabToLch(SrgbToOklab(SrgbOf(text)));
    const Triple after = LabToLch(SrgbToOklab(SrgbOf(r.colour)));
    EXPECT_GT(after.x, before.x);
    EXPECT_NEAR(double(after.y), double(before.y), 0.01);
}

// Over many pairs: what reaches the target passes it, keeps the text's OKLCH hue, and no colour
// of that hue that passes lies nearer the text (a scan of lightness both ways, chroma kept where
// sRGB holds it, finds none nearer than one step of the search's scale and a byte's rounding).
TEST(ReadableText, NearestPassingColourOfTheHue) {
    unsigned seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return Color(seed >> 8 & 0xFFFFFF);
    };
    for (int i = 0; i < 80; ++i) {
        const Color text = next(), background = next();
        const int target = i % 2 ? ReadableTargetAA : 300;
        SCOPED_TRACE(testing::Message() << std::hex << text << " on " << background);
        const ReadableText r = ReadableTextColor(text, background, target);
        EXPECT_EQ(ContrastRatioHundredths(r.colour, background) >= target, r.reached);
        if (!r.changed || !r.reached) continue;
        const Triple lab = SrgbToOklab(SrgbOf(text));
        const Triple lch = LabToLch(lab), after = LabToLch(SrgbToOklab(SrgbOf(r.colour)));
        if (r.sameHue && lch.y > 0.03L && after.y > 0.03L) {
            const long double turn = std::fabs(after.z - lch.z);
            EXPECT_LT(double(std::fmin(turn, 360 - turn)), 3.0);
        }
        const long double chosen = DeltaEOk(lab, SrgbToOklab(SrgbOf(r.colour)));
        for (int k = 0; k <= 200; ++k) {
            const Color c = ColorOfSrgb(OklchInSrgbByChroma({k / 200.0L, lch.y, lch.z}));
            if (ContrastRatioHundredths(c, background) < target) continue;
            EXPECT_GE(double(DeltaEOk(lab, SrgbToOklab(SrgbOf(c)))), double(chosen) - 0.006)
                << "nearer: " << std::hex << c;
        }
    }
}

// The command on the model: the text becomes the target and takes the colour through
// ApplyColor; hidden text is left alone.
TEST(ReadableText, CommandAppliesToTheText) {
    ColorModel model;
    model.SetSampleText(QStringLiteral("Цвет текста"));
    model.SetSampleColor(ColorTarget::Background, RGB(136, 87, 249));
    model.SetSampleTextColor(RGB(255, 201, 73));
    ASSERT_TRUE(model.SampleState().textVisible());
    const Color background = model.SampleState().background;
    const QString message = MakeSampleTextReadable(model, ReadableTargetAA);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Цвет текста подобран: контраст ")))
        << message.toStdString();
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().background, background);
    EXPECT_EQ(model.LastColor(), model.SampleState().text);
    EXPECT_GE(ContrastRatioHundredths(model.SampleState().text, background), ReadableTargetAA);
    EXPECT_TRUE(MakeSampleTextReadable(model, ReadableTargetAA)
                    .startsWith(QStringLiteral("Текст уже читается")));

    model.ToggleSampleText();
    const Color text = model.SampleState().text;
    EXPECT_EQ(MakeSampleTextReadable(model, ReadableTargetAAA),
              QStringLiteral("Текст примера скрыт: проверять нечего"));
    EXPECT_EQ(model.SampleState().text, text);
}

} // namespace
} // namespace huebit
