#include "core/typed_color.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(TypedColor, WalksTemplateAndTextWithFixedWidths) {
    const TypedColorFields f = ParseTypedColor("RGB(dR,dG,dB) - Windows", "RGB(255,000,128)");
    ASSERT_EQ(f.writes.size(), 3u);
    EXPECT_EQ(f.writes[0], std::make_pair(ComponentField::DecRed, QStringLiteral("255")));
    EXPECT_EQ(f.writes[1], std::make_pair(ComponentField::DecGreen, QStringLiteral("000")));
    EXPECT_EQ(f.writes[2], std::make_pair(ComponentField::DecBlue, QStringLiteral("128")));
    EXPECT_EQ(f.lastKind, FieldKind::DecimalRgb);
}

TEST(TypedColor, CutsAtTheFirstHyphenAndToleratesShortText) {
    EXPECT_EQ(TemplateForParsing("#hRhGhB - HTML"), "#hRhGhB ");
    EXPECT_EQ(TemplateForParsing("dR-dG"), "dR");
    const TypedColorFields f = ParseTypedColor("dRdGdB", "12");
    ASSERT_EQ(f.writes.size(), 3u);
    EXPECT_EQ(f.writes[0].second, "12");
    EXPECT_TRUE(f.writes[1].second.isEmpty());
    EXPECT_TRUE(f.writes[2].second.isEmpty());
    EXPECT_EQ(ParseTypedColor("", "x").lastKind, FieldKind::None);
    EXPECT_EQ(ParseTypedColor("d", "x").lastKind, FieldKind::None);
    EXPECT_EQ(ParseTypedColor("plain text", "x").lastKind, FieldKind::None);
}

TEST(TypedColor, TheLastKindDecides) {
    EXPECT_EQ(ParseTypedColor("dR hG", "1 2").lastKind, FieldKind::HexRgb);
    EXPECT_EQ(ParseTypedColor("hR dS", "1 2").lastKind, FieldKind::Hsv);
    EXPECT_EQ(ParseTypedColor("dV dB", "1 2").lastKind, FieldKind::DecimalRgb);
}

// Positions are not wrapped at 255: a long template and text are walked like short ones.
TEST(TypedColor, LongTemplatesAndTextsAreWalkedSafely) {
    const QString pad(300, QLatin1Char('x'));
    const TypedColorFields f = ParseTypedColor(pad + "dRdGdB", pad + "010020030");
    ASSERT_EQ(f.writes.size(), 3u);
    EXPECT_EQ(f.writes[0].second, "010");
    EXPECT_EQ(f.writes[2].second, "030");
    const TypedColorFields beyond = ParseTypedColor(pad + "hR", "short");
    ASSERT_EQ(beyond.writes.size(), 1u);
    EXPECT_TRUE(beyond.writes[0].second.isEmpty());
    const QString huge(100000, QLatin1Char('d'));
    EXPECT_EQ(ParseTypedColor(huge, huge).lastKind, FieldKind::None); // "dd" is no placeholder
}
