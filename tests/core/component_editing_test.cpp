#include "core/component_editing.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

class ComponentEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&editing, &ComponentEditing::statusMessage,
                         [this](const QString& m) { messages.append(m); });
        model.ClearPreviousColors();
        model.SetSampleTextColor(DefaultSampleTextColor);
        model.ApplyColor(StartColor, coNormal);
        model.SetStartupDone(true);
    }

    const QString& text(ComponentField f) const { return model.Texts()[f]; }
    void type(ComponentField f, const char* t) { editing.FieldEdited(f, QString::fromUtf8(t)); }
    int history() const {
        int n = 0;
        while (n < 20 && model.PreviousColors().slotColor(n) != EmptySlotColor) ++n;
        return n;
    }

    ColorModel model;
    UiTexts texts;
    ComponentEditing editing{model, texts};
    QStringList messages;
};

} // namespace

TEST_F(ComponentEditingTest, RgbBarClickDragAndRelease) {
    editing.BarDown(Bar::Red, 189, Qt::LeftButton);
    EXPECT_EQ(GetRValue(model.LastColor()), 254); // the last pixel a click can reach
    EXPECT_EQ(history(), 2);
    editing.BarMove(Bar::Red, 400, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(model.Bars().red, 190);
    EXPECT_EQ(GetRValue(model.LastColor()), 255);
    EXPECT_EQ(history(), 2); // live, not recorded
    editing.BarUp(Bar::Red, 400, Qt::LeftButton); // where the drag left it: nothing new
    EXPECT_EQ(history(), 2);
    editing.BarUp(Bar::Red, -30, Qt::LeftButton);
    EXPECT_EQ(GetRValue(model.LastColor()), 0);
    EXPECT_EQ(history(), 3);
    editing.BarMaximum(Bar::Green);
    EXPECT_EQ(GetGValue(model.LastColor()), 255);
    editing.BarMinimum(Bar::Green);
    EXPECT_EQ(GetGValue(model.LastColor()), 0);
}

TEST_F(ComponentEditingTest, OnlyTheLeftButtonAloneDrags) {
    const Color before = model.LastColor();
    editing.BarDown(Bar::Blue, 10, Qt::RightButton);
    editing.BarMove(Bar::Blue, 10, Qt::RightButton, Qt::NoModifier);
    editing.BarMove(Bar::Blue, 10, Qt::LeftButton, Qt::ShiftModifier);
    editing.BarMove(Bar::Blue, 10, Qt::LeftButton, Qt::ControlModifier);
    editing.BarMove(Bar::Blue, 10, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    editing.BarUp(Bar::Blue, 10, Qt::RightButton);
    EXPECT_EQ(model.LastColor(), before);
    // A keypad modifier is not one of Shift, Ctrl and Alt.
    editing.BarMove(Bar::Blue, 10, Qt::LeftButton, Qt::KeypadModifier);
    EXPECT_EQ(GetBValue(model.LastColor()), 13);
}

TEST_F(ComponentEditingTest, BarHintsShowHeldValueAndValueUnderPointer) {
    editing.BarMove(Bar::Red, 149, Qt::NoButton, Qt::NoModifier); // Round(149*255/190) = 200
    EXPECT_EQ(editing.BarHint(Bar::Red), QStringLiteral("Красная компонента RGB 0-255\\136\\200"));
    editing.BarMove(Bar::Hue, 243, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(editing.BarHint(Bar::Hue), QStringLiteral("Тон HSV 0-360\\258\\360"));
    editing.BarMove(Bar::Val, 0, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(editing.BarHint(Bar::Val), QStringLiteral("Яркость HSV 0-100\\98\\0"));
}

TEST_F(ComponentEditingTest, HsvBarsKeepWhatTheUserSet) {
    editing.BarDown(Bar::Hue, 0, Qt::LeftButton);
    EXPECT_EQ(model.Bars().hue, 0);
    EXPECT_EQ(text(ComponentField::Hue), "0");
    const Rgb want = HsvToRgb(0, BarFraction(model.Bars().sat, 243), BarFraction(model.Bars().val, 243));
    EXPECT_EQ(model.LastColor(), RGB(want.r, want.g, want.b));
    editing.BarMove(Bar::Sat, 500, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(model.Bars().sat, 243);
    EXPECT_EQ(text(ComponentField::Sat), "100");
    EXPECT_EQ(model.Bars().hue, 0); // not recomputed from the RGB side
}

TEST_F(ComponentEditingTest, DecimalAndHexFields) {
    type(ComponentField::DecRed, "300");
    editing.EnterDecimal();
    EXPECT_EQ(GetRValue(model.LastColor()), 255);
    EXPECT_EQ(text(ComponentField::DecRed), "255");
    type(ComponentField::DecRed, "300"); // already 255: nothing changes, the typed text stays
    editing.EnterDecimal();
    EXPECT_EQ(text(ComponentField::DecRed), "300");
    type(ComponentField::DecRed, "-5");
    editing.EnterDecimal();
    EXPECT_EQ(GetRValue(model.LastColor()), 0);
    type(ComponentField::HexRed, "1f");
    editing.EnterHex();
    EXPECT_EQ(GetRValue(model.LastColor()), 31);
    EXPECT_EQ(text(ComponentField::HexRed), "1F");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ComponentEditingTest, UnreadableFieldsFailWithTheStatusText) {
    const Color before = model.LastColor();
    type(ComponentField::HexRed, "1G");
    editing.EnterHex();
    EXPECT_EQ(model.LastColor(), before);
    EXPECT_EQ(text(ComponentField::HexRed), "1G");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Не удалось установить цвет");
    // A bad blue field fails Enter in the green field too.
    type(ComponentField::DecGreen, "10");
    type(ComponentField::DecBlue, "x");
    editing.EnterDecimal();
    EXPECT_EQ(model.LastColor(), before);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(ComponentEditingTest, HsvFieldsAreCorrectedThenApplied) {
    type(ComponentField::Hue, "400");
    type(ComponentField::Sat, "150");
    type(ComponentField::Val, "60");
    editing.ApplyHsvEdits();
    EXPECT_EQ(text(ComponentField::Hue), "360");
    EXPECT_EQ(text(ComponentField::Sat), "100");
    EXPECT_EQ(text(ComponentField::Val), "60");
    EXPECT_EQ(model.LastColor(), RGB(152, 0, 0));
    EXPECT_EQ(model.Bars().hue, 243);
    EXPECT_EQ(model.Bars().sat, 243);
    EXPECT_EQ(model.Bars().val, 146); // Round(60 * 243 / 100) = Round(145.8)

    type(ComponentField::Hue, "0");
    type(ComponentField::Sat, "0");
    editing.ApplyHsvEdits();
    EXPECT_EQ(model.LastColor(), RGB(152, 152, 152));

    type(ComponentField::Hue, "-20");
    type(ComponentField::Sat, "abc");
    editing.ApplyHsvEdits();
    EXPECT_EQ(text(ComponentField::Hue), "0"); // the correction before the failing read stays
    EXPECT_EQ(model.LastColor(), RGB(152, 152, 152));
    ASSERT_EQ(messages.size(), 1);
}

TEST_F(ComponentEditingTest, SwatchesAndGreysTargetByButton) {
    // Right button on the red swatch: text target, the text colour becomes current, then its red.
    editing.SwatchDown(0, Qt::RightButton);
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, RGB(255, 0, 0));
    EXPECT_EQ(model.SampleState().background, StartColor);
    editing.SwatchDown(1, Qt::MiddleButton); // no target change, green of the current colour
    EXPECT_EQ(model.SampleState().text, RGB(0, 0, 0));
    editing.SwatchDown(2, Qt::LeftButton);
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.SampleState().background, RGB(0, 0, 249));
    // The grey comes from the bar, which reads 2 back as 1.
    model.ApplyColor(RGB(2, 6, 10), coNormal);
    editing.GreyDown(0, Qt::LeftButton);
    EXPECT_EQ(model.LastColor(), RGB(1, 1, 1));
}

struct TypedCase {
    const char* entry;
    const char* typed;
    Color want;
};

TEST_F(ComponentEditingTest, TypedColoursInEachNotation) {
    const TypedCase cases[] = {
        {"RGB(dR,dG,dB) - Windows", "RGB(255,000,128)", RGB(255, 0, 128)},
        {"#hRhGhB - HTML", "#00ff80", RGB(0, 255, 128)},
        {"$00hBhGhR - Delphi", "$0000FF00", RGB(0, 255, 0)},
        {"hRhGhB - PhotoShop", "0A0B0C", RGB(10, 11, 12)},
        {"H=dH S=dS V=dV", "H=000 S=000 V=060", RGB(152, 152, 152)},
    };
    for (const auto& c : cases) {
        model.SetActiveTemplateText(QString::fromUtf8(c.entry));
        editing.EnterTypedColor(QString::fromUtf8(c.typed));
        EXPECT_EQ(model.LastColor(), c.want) << c.entry;
    }
    EXPECT_TRUE(messages.isEmpty());
}

// The template walk's own failures; the texts are not CSS colours, which would be read as CSS.
TEST_F(ComponentEditingTest, TypedColourFailuresAndMixedKinds) {
    model.SetActiveTemplateText("C(dR,dG,dB) - Windows-like");
    const Color before = model.LastColor();
    editing.EnterTypedColor("C(5,87,249)"); // unpadded: red receives "5,8"
    EXPECT_EQ(model.LastColor(), before);
    EXPECT_EQ(text(ComponentField::DecRed), "5,8");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Не удалось установить цвет");

    model.SetActiveTemplateText("dR hG");
    model.ApplyColor(RGB(10, 20, 30), coNormal);
    editing.EnterTypedColor("200 FF");
    EXPECT_EQ(model.LastColor(), RGB(10, 255, 30)); // only the hexadecimal fields apply
    model.SetActiveTemplateText("no placeholders");
    editing.EnterTypedColor("anything");
    EXPECT_EQ(model.LastColor(), RGB(10, 255, 30));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(ComponentEditingTest, SubmittingTheCurrentColourKeepsTheTypedTexts) {
    model.SetActiveTemplateText("C(dR,dG,dB) - Windows-like");
    editing.EnterTypedColor("C(136,087,249)");
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(text(ComponentField::DecGreen), "087");
    model.RenderColorText(false);
    EXPECT_EQ(model.TextLine(), "C(136,087,249)");
}

// A CSS colour is read as CSS before any template walk, whatever the active template; what was
// dropped or mapped is said, and malformed CSS still goes to the walk and its own failure.
TEST_F(ComponentEditingTest, TypedCssColours) {
    model.SetActiveTemplateText("RGB(dR,dG,dB) - Windows");
    editing.EnterTypedColor("RGB(5,87,249)"); // the walk would fail on "5,8"
    EXPECT_EQ(model.LastColor(), RGB(5, 87, 249));
    EXPECT_TRUE(messages.isEmpty());
    model.SetActiveTemplateText("#hRhGhB - HTML");
    editing.EnterTypedColor(" oklch(59.8% 0.229 291.9) ");
    EXPECT_EQ(model.LastColor(), RGB(0x88, 0x57, 0xF9));
    editing.EnterTypedColor("oklch(70% 0.4 30 / 0.5)");
    EXPECT_EQ(model.LastColor(), RGB(0xFF, 0x58, 0x43));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Цвет вне sRGB приведён к ближайшему; прозрачность отброшена");
    const Color before = model.LastColor();
    editing.EnterTypedColor("hsl(1 2)");
    EXPECT_EQ(model.LastColor(), before);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], "Не удалось установить цвет");
}
