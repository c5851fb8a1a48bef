#include "core/contrast.h"

#include <gtest/gtest.h>

namespace huebit {
namespace {

struct PairCase {
    Color text, background;
    const char* ratio;
    WcagLevels levels;
    const char* lc;
};

// Figures from the WCAG and APCA documents' examples and the default sample.
TEST(Contrast, PublishedPairs) {
    const Color white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    const PairCase cases[] = {
        {RGB(0x77, 0x77, 0x77), white, "4.47:1", {false, true, false, false}, "71.1"},
        {black, white, "21.00:1", {true, true, true, true}, "106.0"},
        {white, black, "21.00:1", {true, true, true, true}, "-107.9"},
        {RGB(255, 201, 73), RGB(136, 87, 249), "2.86:1", {false, false, false, false}, "-46.1"},
        {white, white, "1.00:1", {false, false, false, false}, "0.0"},
        // 4.4999…: rounding would show 4.50 and a pass; truncation shows 4.49 and a fail.
        {RGB(0, 133, 128), white, "4.49:1", {false, true, false, false}, "70.7"},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(ContrastDescription(c.text, c.background).toStdString());
        EXPECT_EQ(ContrastRatioText(c.text, c.background), QString::fromLatin1(c.ratio));
        const WcagLevels l = WcagLevelsOf(c.text, c.background);
        EXPECT_EQ(l.aaNormal, c.levels.aaNormal);
        EXPECT_EQ(l.aaLarge, c.levels.aaLarge);
        EXPECT_EQ(l.aaaNormal, c.levels.aaaNormal);
        EXPECT_EQ(l.aaaLarge, c.levels.aaaLarge);
        EXPECT_EQ(ApcaContrastText(c.text, c.background), QString::fromLatin1(c.lc));
    }
}

// Every grey against white and black: the ratio is symmetric, the shown figure never exceeds
// the real one and is less than a hundredth below it; APCA's sign follows polarity.
TEST(Contrast, GreySweepInvariants) {
    const Color white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    for (int v = 0; v < 256; ++v) {
        const Color g = RGB(v, v, v);
        for (Color other : {white, black}) {
            const long double r = ContrastRatio(g, other);
            EXPECT_EQ(r, ContrastRatio(other, g));
            const long double shown = ContrastRatioHundredths(g, other) / 100.0L;
            EXPECT_LE(shown, r + 1e-9L) << v;
            EXPECT_GT(shown, r - 0.01L) << v;
        }
        EXPECT_GE(ApcaContrast(g, white), 0) << v;
        EXPECT_LE(ApcaContrast(g, black), 0) << v;
    }
}

TEST(Contrast, ReadoutAndDescription) {
    const Color text = RGB(255, 201, 73), bg = RGB(136, 87, 249);
    EXPECT_EQ(ContrastReadout(text, bg), QStringLiteral("2.86:1 · Lc -46.1"));
    const QString d = ContrastDescription(text, bg);
    EXPECT_EQ(d, QStringLiteral("WCAG 2: 2.86:1, AA нет (крупный нет), AAA нет (крупный нет); "
                                "APCA: Lc -46.1; текст #FFC949 на фоне #8857F9"));
    EXPECT_EQ(ContrastDescription(RGB(0x77, 0x77, 0x77), RGB(255, 255, 255)),
              QStringLiteral("WCAG 2: 4.47:1, AA нет (крупный да), AAA нет (крупный нет); "
                             "APCA: Lc 71.1; текст #777777 на фоне #FFFFFF"));
}

} // namespace
} // namespace huebit
