// Element tags: the sizes each tag takes and the font-name match.
#include "settings/element_tags.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(ElementTags, SizeIsBasePlusTagExceptFixedElements) {
    const struct {
        int tag, base;
        std::optional<int> size;
    } cases[] = {
        {0, 8, 8},
        {1, 8, 9},
        {2, 8, 10},
        {-1, 8, 7},
        {-100, 8, std::nullopt},
        {100, 8, std::nullopt},
        {0, 0, std::nullopt},
        {1, -3, std::nullopt},
        {-1, 1, 1}, // never below one point
        {2, 100, 102},
        {0, 12, 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TaggedFontSize(c.tag, c.base), c.size) << c.tag << " " << c.base;
    }
    EXPECT_TRUE(TakesFontName(100));
    EXPECT_FALSE(TakesFontName(-100));
    EXPECT_FALSE(TakesCaptionLine(100));
    EXPECT_TRUE(TakesCaptionLine(-100));
}

TEST(ElementTags, FontNameMatchesWithoutCase) {
    const QStringList families = {"DejaVu Sans", "Liberation Serif"};
    EXPECT_EQ(MatchFontFamily(families, "dejavu sans"), QString("DejaVu Sans"));
    EXPECT_EQ(MatchFontFamily(families, "LIBERATION SERIF"), QString("Liberation Serif"));
    EXPECT_EQ(MatchFontFamily(families, ""), std::nullopt);
    EXPECT_EQ(MatchFontFamily(families, "Tahoma"), std::nullopt);
    EXPECT_EQ(MatchFontFamily(families, "DejaVu"), std::nullopt);
}
