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

TEST(ElementTags, FamilyNamesLoseTheirFoundry) {
    const struct {
        const char* installed;
        const char* plain;
    } cases[] = {
        {"C059 [UKWN]", "C059"},
        {"C059 [urw]", "C059"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"  Nimbus Sans [URW]  ", "Nimbus Sans"},
        {"Foo [A] [B]", "Foo [A]"}, // only the last bracket is the foundry
        {"[UKWN]", "[UKWN]"},       // no family before it: kept as it is
        {"Odd [Name", "Odd [Name"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlainFamilyName(c.installed), QString(c.plain)) << c.installed;
    // One entry per family, in Qt's order, whatever the foundries and their spelling.
    EXPECT_EQ(PlainFamilyNames({"Bitstream Charter", "C059 [UKWN]", "C059 [URW]", "c059",
                                "DejaVu Sans", " [X]", ""}),
              QStringList({"Bitstream Charter", "C059", "DejaVu Sans", "[X]"}));
}

TEST(ElementTags, FontNameMatchesByPlainNameWithoutCase) {
    const QStringList families = {"C059", "DejaVu Sans", "Liberation Serif"};
    const struct {
        const char* stored;
        std::optional<QString> family;
    } cases[] = {
        {"dejavu sans", "DejaVu Sans"},
        {"LIBERATION SERIF", "Liberation Serif"},
        {"C059", "C059"},
        {"c059 [UKWN]", "C059"}, // as a list with foundries wrote it
        {" DejaVu Sans ", "DejaVu Sans"},
        {"", std::nullopt},
        {"Tahoma", std::nullopt},
        {"DejaVu", std::nullopt},
        {"[UKWN]", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFontFamily(families, c.stored), c.family) << c.stored;
    // A list that still carries foundries matches a plain stored name too.
    EXPECT_EQ(MatchFontFamily({"C059 [UKWN]", "C059 [URW]"}, "c059"), QString("C059 [UKWN]"));
}
