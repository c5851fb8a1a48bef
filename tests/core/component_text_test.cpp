#include "core/component_text.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(ComponentText, EveryComponentSurvivesDecimalAndHexText) {
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(ReadDecimalText(DecimalText(v)), v);
        EXPECT_EQ(ReadHexText(HexText(v)), v);
        EXPECT_EQ(ReadHexText(HexText(v).toLower()), v);
        EXPECT_EQ(HexText(v).size(), 2);
    }
    EXPECT_EQ(HexText(10), "0A");
    EXPECT_EQ(HexText(255), "FF");
    EXPECT_EQ(HexText(0), "00");
    EXPECT_EQ(DecimalText(7), "7");
}

TEST(ComponentText, SharedReaderAcceptsItsForms) {
    const std::pair<const char*, int> accepted[] = {
        {"7", 7},          {"  7", 7},      {"+7", 7},       {"-5", -5},     {"300", 300},
        {"$1F", 31},       {"x1f", 31},     {"X1F", 31},     {"0x1F", 31},   {"0X1f", 31},
        {"-$10", -16},     {" -0x10", -16}, {"087", 87},     {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},   {"$7FFFFFFF", 2147483647},
    };
    for (auto [text, want] : accepted) EXPECT_EQ(ReadInteger(QString::fromUtf8(text)), want) << text;
}

TEST(ComponentText, SharedReaderRejectsEverythingElse) {
    const char* rejected[] = {"",   " ",   "7 ",  "1G", "-",   "$",  "0x", "x",  "1 2", "7a",
                              "--1", "+-1", "2147483648", "-2147483649", "$80000000", "99999999999",
                              "1.5", "\t7", "$-5"};
    for (const char* text : rejected) EXPECT_FALSE(ReadInteger(QString::fromUtf8(text))) << text;
}

TEST(ComponentText, HexReaderTakesDigitsOnly) {
    EXPECT_EQ(ReadHexText("ff"), 255);
    EXPECT_EQ(ReadHexText("1f"), 31);
    EXPECT_FALSE(ReadHexText(" 7"));
    EXPECT_EQ(ReadDecimalText(" 7"), 7);
    EXPECT_FALSE(ReadHexText("7 "));
    EXPECT_FALSE(ReadDecimalText("7 "));
    EXPECT_FALSE(ReadHexText("-5"));
    EXPECT_FALSE(ReadHexText("0x1"));
    EXPECT_FALSE(ReadHexText("1G"));
    EXPECT_FALSE(ReadHexText(""));
}
