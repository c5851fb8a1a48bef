#include "core/color_model.h"
#include "palettes/gradient.h"

#include <gtest/gtest.h>

#include <vector>

using namespace huebit;

namespace {

// The model as start-up leaves it, with counters on its notifications.
class ColorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&model, &ColorModel::focusRequested, [this] { ++focusRequests; });
        QObject::connect(&model, &ColorModel::changed, [this](unsigned w) { changes.push_back(w); });
        model.DrawRefinePalette(InitialRefineColor);
        model.ClearPreviousColors();
        model.ClearUserPalette();
        model.SetSampleTextColor(DefaultSampleTextColor);
        model.ApplyColor(StartColor, coNormal);
        model.SetStartupDone(true);
        focusRequests = 0;
        changes.clear();
    }

    int historyLength() const {
        int n = 0;
        while (n < 20 && model.PreviousColors().slotColor(n) != EmptySlotColor) ++n;
        return n;
    }

    ColorModel model;
    int focusRequests = 0;
    std::vector<unsigned> changes;
};

} // namespace

TEST_F(ColorModelTest, StartColourFillsEveryView) {
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(model.SampleState().background, StartColor);
    EXPECT_EQ(model.SampleState().text, RGB(255, 201, 73));
    const ComponentTexts& t = model.Texts();
    EXPECT_EQ(t[ComponentField::DecRed], "136");
    EXPECT_EQ(t[ComponentField::DecGreen], "87");
    EXPECT_EQ(t[ComponentField::DecBlue], "249");
    EXPECT_EQ(t[ComponentField::HexRed], "88");
    EXPECT_EQ(t[ComponentField::HexGreen], "57");
    EXPECT_EQ(t[ComponentField::HexBlue], "F9");
    EXPECT_EQ(t[ComponentField::Hue], "258");
    EXPECT_EQ(t[ComponentField::Sat], "65");
    EXPECT_EQ(t[ComponentField::Val], "98");
    EXPECT_EQ(model.Bars().red, 101);   // Round(136 * 190 / 255) = Round(101.33)
    EXPECT_EQ(model.Bars().green, 65);  // 64.82
    EXPECT_EQ(model.Bars().blue, 186);  // 185.53
    EXPECT_EQ(model.TextLine(), "#8857F9");
    EXPECT_EQ(model.Swatches().swatch[0], RGB(136, 0, 0));
    EXPECT_EQ(model.Swatches().grey[1], RGB(87, 87, 87));
    EXPECT_EQ(model.Matching().complement, RGB(119, 168, 6));
    EXPECT_EQ(model.Matching().complementPlusGrey, StartColor ^ 0x808080u);
    EXPECT_EQ(model.RefinePalette().pixel(7, 0), RGB(133, 81, 243));
    EXPECT_EQ(model.Markers().current.color, StartColor);
    EXPECT_EQ(model.PreviousColors().slotColor(0), StartColor);
    EXPECT_EQ(historyLength(), 1);
}

TEST_F(ColorModelTest, SameColourSkipsEverythingButStillMovesTheFocus) {
    model.ApplyColor(StartColor, coNormal);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(focusRequests, 1);
    EXPECT_EQ(historyLength(), 1);
}

TEST_F(ColorModelTest, DragChangesEveryViewButTheHistory) {
    model.ApplyColor(RGB(10, 20, 30), coDrag);
    EXPECT_EQ(model.SampleState().background, RGB(10, 20, 30));
    EXPECT_EQ(model.Texts()[ComponentField::DecRed], "10");
    EXPECT_EQ(model.RefinePalette().pixel(7, 0), RGB(7, 14, 24));
    EXPECT_EQ(historyLength(), 1);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_FALSE(changes[0] & ChangedPreviousColors);
    EXPECT_TRUE(changes[0] & ChangedRefinePalette);
    // Releasing where the drag left it adds nothing; a commit one step further does.
    model.ApplyColor(RGB(10, 20, 30), coNormal);
    EXPECT_EQ(historyLength(), 1);
    model.ApplyColor(RGB(11, 20, 30), coNormal);
    EXPECT_EQ(historyLength(), 2);
    EXPECT_EQ(model.PreviousColors().slotColor(0), RGB(11, 20, 30));
}

TEST_F(ColorModelTest, OriginsSkipTheirSteps) {
    const PixelBuffer refineBefore = model.RefinePalette();
    model.ApplyColor(RGB(1, 2, 3), coRefineDrag);
    EXPECT_EQ(model.RefinePalette(), refineBefore);
    EXPECT_EQ(historyLength(), 1);
    model.ApplyColor(RGB(1, 2, 4), coRefinePick);
    EXPECT_EQ(model.RefinePalette(), refineBefore);
    EXPECT_EQ(historyLength(), 2);

    const QString hueBefore = model.Texts()[ComponentField::Hue];
    const int hueFillBefore = model.Bars().hue;
    model.ApplyColor(RGB(255, 0, 0), coHsvPick);
    EXPECT_EQ(model.Texts()[ComponentField::Hue], hueBefore);
    EXPECT_EQ(model.Bars().hue, hueFillBefore);
    EXPECT_EQ(historyLength(), 3);
    model.ApplyColor(RGB(0, 255, 0), coHsvDrag);
    EXPECT_EQ(model.Texts()[ComponentField::Hue], hueBefore);
    EXPECT_EQ(historyLength(), 3);
    model.ApplyColor(RGB(0, 0, 255), coNormal);
    EXPECT_EQ(model.Texts()[ComponentField::Hue], "240");
}

TEST_F(ColorModelTest, HsvReadoutComesFromTheBarFills) {
    model.ApplyColor(RGB(2, 2, 2), coNormal);
    EXPECT_EQ(model.Texts()[ComponentField::Val], "0");
    EXPECT_EQ(model.Texts()[ComponentField::Hue], "0");
    EXPECT_EQ(model.Texts()[ComponentField::Sat], "0");
    model.ApplyColor(RGB(3, 3, 3), coNormal);
    EXPECT_EQ(model.Texts()[ComponentField::Val], "1");
    model.ApplyColor(RGB(255, 0, 0), coNormal);
    EXPECT_EQ(model.Texts()[ComponentField::Hue], "360");
    EXPECT_EQ(model.Bars().hue, 243);
    EXPECT_EQ(model.Bars().sat, 243);
    EXPECT_EQ(model.Bars().val, 243);
}

TEST_F(ColorModelTest, TargetSwitchMakesTheOtherColourCurrentWithoutHistory) {
    model.SelectTextTarget();
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.LastColor(), RGB(255, 201, 73));
    EXPECT_EQ(model.TextLine(), "#FFC949");
    EXPECT_EQ(historyLength(), 1);
    model.ApplyColor(RGB(0, 0, 0), coNormal); // now edits the text colour
    EXPECT_EQ(model.SampleState().text, RGB(0, 0, 0));
    EXPECT_EQ(model.SampleState().background, StartColor);
    EXPECT_EQ(model.PreviousColors().slotColor(0), RGB(0, 0, 0));
    model.SelectBackgroundTarget();
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(historyLength(), 2);
    // Selecting the target already on does nothing at all.
    changes.clear();
    focusRequests = 0;
    model.SelectBackgroundTarget();
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(focusRequests, 0);
}

TEST_F(ColorModelTest, OneNotificationPerOperation) {
    model.SelectTextTarget();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0] & ChangedTarget);
    EXPECT_TRUE(changes[0] & ChangedSample);
    EXPECT_TRUE(changes[0] & ChangedTextLine);
}

TEST_F(ColorModelTest, PushPreviousColourTestsTheNewestPixel) {
    model.PushPreviousColor();
    EXPECT_EQ(historyLength(), 1);
    model.ApplyColor(RGB(1, 1, 1), coDrag);
    model.PushPreviousColor();
    model.PushPreviousColor();
    EXPECT_EQ(historyLength(), 2);
}

TEST_F(ColorModelTest, GradientAutoSubstitutionDependsOnOrigin) {
    model.SetGradientAutoSubstitution(true);
    model.ApplyColor(RGB(5, 5, 5), coGradientDrag);
    EXPECT_EQ(model.Gradient().start, DefaultGradientStart);
    model.ApplyColor(RGB(6, 6, 6), coGradientPick);
    EXPECT_EQ(model.Gradient().start, DefaultGradientStart);
    model.ApplyColor(RGB(7, 7, 7), coDrag);
    EXPECT_EQ(model.Gradient().start, RGB(7, 7, 7));
    EXPECT_EQ(model.Gradient().strip.pixel(0, 0), RGB(7, 7, 7));
    model.SetGradientAutoSubstitution(false);
    model.ApplyColor(RGB(8, 8, 8), coNormal);
    EXPECT_EQ(model.Gradient().start, RGB(7, 7, 7));
}

TEST(ColorModelStartup, NothingBeyondTheMainWindowIsTouchedBeforeStartupDone) {
    ColorModel model;
    int focus = 0;
    QObject::connect(&model, &ColorModel::focusRequested, [&] { ++focus; });
    const FloatingPanelState panelBefore = model.FloatingPanel();
    model.ApplyColor(StartColor, coNormal);
    model.SelectTextTarget();
    model.ApplyColor(RGB(1, 2, 3), coNormal);
    EXPECT_EQ(focus, 0);
    EXPECT_EQ(model.FloatingPanel().face, panelBefore.face);
    EXPECT_EQ(model.FloatingPanel().faceText, panelBefore.faceText);
    model.SetStartupDone(true);
    model.ApplyColor(RGB(4, 5, 6), coNormal);
    EXPECT_EQ(focus, 1);
    EXPECT_EQ(model.FloatingPanel().faceText, RGB(4, 5, 6));
    model.SelectBackgroundTarget();
    EXPECT_EQ(model.FloatingPanel().face, StartColor);
    EXPECT_EQ(model.FloatingPanel().readoutText, Complement(StartColor));
}

TEST(ColorModelStartup, FirstBlackApplyDoesNothing) {
    ColorModel model;
    model.ApplyColor(RGB(0, 0, 0), coNormal);
    EXPECT_EQ(model.PreviousColors().slotColor(0), EmptySlotColor);
    EXPECT_TRUE(model.TextLine().isEmpty());
}

TEST_F(ColorModelTest, TextColourShowsAHiddenSampleTextAgain) {
    model.SetSampleText("Цвет текста");
    model.SelectTextTarget();
    model.ToggleSampleText(); // hides: back to the background target
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_FALSE(model.SampleState().textSwitchEnabled);
    EXPECT_TRUE(model.SampleState().caption.isEmpty());
    model.SelectTextTarget(); // a swatch's right button selects it even when disabled
    EXPECT_TRUE(model.SampleState().textSwitchEnabled);
    EXPECT_EQ(model.SampleState().caption, "Цвет текста");
}

TEST_F(ColorModelTest, PanelFollowsOnlyAfterStartup) {
    EXPECT_EQ(model.FloatingPanel().face, 0u); // start-up applied before StartupDone
    model.ApplyColor(RGB(9, 9, 9), coNormal);
    EXPECT_EQ(model.FloatingPanel().face, RGB(9, 9, 9));
}

TEST_F(ColorModelTest, AFrozenPanelKeepsItsColoursButFollowsASwapAndThawsAtOnce) {
    model.FloatingPanelShown();
    model.ToggleFloatingPanelFreeze();
    EXPECT_TRUE(model.FloatingPanel().frozen);
    model.ApplyColor(RGB(9, 9, 9), coNormal);
    model.SelectTextTarget();
    model.ApplyColor(RGB(1, 2, 3), coDrag);
    EXPECT_EQ(model.FloatingPanel().face, StartColor);
    EXPECT_EQ(model.FloatingPanel().faceText, DefaultSampleTextColor);
    model.SwapSampleColors(); // a swap reaches the face, frozen or not
    EXPECT_EQ(model.FloatingPanel().face, RGB(1, 2, 3));
    EXPECT_EQ(model.FloatingPanel().faceText, RGB(9, 9, 9));
    EXPECT_TRUE(model.FloatingPanel().frozen);
    model.ApplyColor(RGB(200, 100, 50), coNormal);
    EXPECT_EQ(model.FloatingPanel().face, RGB(1, 2, 3));
    model.ToggleFloatingPanelFreeze(); // thawing copies the sample again
    EXPECT_FALSE(model.FloatingPanel().frozen);
    EXPECT_EQ(model.FloatingPanel().face, model.SampleState().background);
    EXPECT_EQ(model.FloatingPanel().readoutText, Complement(model.SampleState().background));
    EXPECT_EQ(model.FloatingPanel().faceText, model.SampleState().text);
}
