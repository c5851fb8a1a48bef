// The status line's rules: automatic hints, the controls the hint option opens, the indicator.
#include "output/status_hints.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(AutoHint, TakesAHintOnlyWhenItDiffersFromTheLastTaken) {
    AutoHint hint;
    // Pointer path: a hinted element, the same again, one without a hint, another without,
    // back to the first.
    const struct {
        const char* under;
        std::optional<QString> taken;
    } path[] = {{"Цветовые оттенки", QStringLiteral("Цветовые оттенки")},
                {"Цветовые оттенки", std::nullopt},
                {"", QString()},
                {"", std::nullopt}, // an explicit text written now would stay
                {"Цветовые оттенки", QStringLiteral("Цветовые оттенки")}};
    for (const auto& step : path) {
        EXPECT_EQ(hint.PointerOver(QString::fromUtf8(step.under)), step.taken) << step.under;
    }
}

TEST(AutoHint, SwitchedOffTheLineChangesOnlyWhenWritten) {
    AutoHint hint;
    hint.SetEnabled(false);
    EXPECT_EQ(hint.PointerOver("a"), std::nullopt);
    EXPECT_EQ(hint.PointerOver("b"), std::nullopt);
    hint.SetEnabled(true);
    // "b" was followed while off: switching on leaves the switch's own text until the pointer
    // moves on.
    EXPECT_EQ(hint.PointerOver("b"), std::nullopt);
    EXPECT_EQ(hint.PointerOver("c"), QString("c"));
}

TEST(HintControls, ChoiceOpenOnlyWithTheHintOnAndComponentsSet) {
    EXPECT_EQ(HintControls(true, true), (HintControlsState{true, true}));
    EXPECT_EQ(HintControls(true, false), (HintControlsState{true, false}));
    EXPECT_EQ(HintControls(false, true), (HintControlsState{false, false}));
    EXPECT_EQ(HintControls(false, false), (HintControlsState{false, false}));
    EXPECT_EQ(InteractiveHintsTextIndex(true), 14);
    EXPECT_EQ(InteractiveHintsTextIndex(false), 15);
}

TEST(IndicatorFollow, ElementsAndTheirColours) {
    ColorModel model;
    model.ApplyColor(RGB(136, 87, 249), coNormal);
    model.SetSampleColor(ColorTarget::Text, RGB(255, 201, 73));
    const Color own = RGB(9, 9, 9);
    const struct {
        const char* element;
        std::optional<Color> colour;
    } cases[] = {
        {"Panel4", RGB(136, 87, 249)},  {"SpeedButton36", RGB(136, 87, 249)},
        {"RPanel", RGB(136, 0, 0)},     {"RdEdit", RGB(136, 0, 0)},
        {"RhEdit", RGB(136, 0, 0)},     {"GdEdit", RGB(0, 87, 0)},
        {"BhEdit", RGB(0, 0, 249)},     {"Panel37", own},
        {"TabSheet1", EmptySlotColor},  {"PageControl3", EmptySlotColor},
        {"StatusBar1", EmptySlotColor}, {"aPalImage1", std::nullopt},
        {"Edit3", std::nullopt},        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto rule = IndicatorFollowFor(QString::fromLatin1(c.element));
        ASSERT_EQ(rule.has_value(), c.colour.has_value()) << c.element;
        if (rule) {
            EXPECT_EQ(IndicatorFollowColor(*rule, model, own), *c.colour) << c.element;
        }
    }
    model.SelectTextTarget();
    EXPECT_EQ(IndicatorFollowColor(IndicatorFollow::TargetedSample, model, own),
              model.SampleState().text);
}
