#include "palettes/swatch_picking.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

// A palette whose pixel (x, y) is RGB(x, y, 7), so every position names its colour.
PixelBuffer positionPalette(int w, int h) {
    PixelBuffer p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.setPixel(x, y, RGB(x, y, 7));
    return p;
}

class FakeDialog : public ColorDialog {
public:
    std::optional<Color> answer;
    Color openedOn = 0;
    bool sawDialogOpen = false;
    ShellState* shell = nullptr;
    std::optional<Color> pick(Color initial) override {
        openedOn = initial;
        sawDialogOpen = shell->dialogOpen;
        return answer;
    }
};

class PickingTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.ClearPreviousColors();
        model.ClearUserPalette();
        model.SetSampleTextColor(DefaultSampleTextColor);
        model.ApplyColor(StartColor, coNormal);
        model.SetStartupDone(true);
        picking.AddElement(PaletteId::Tile, tiles, {256, 127}, 7, coDrag, coDrag);
        picking.AddElement(PaletteId::Ring, tiles, {128, 128}, 9, coDrag, coNormal);
        picking.AddElement(PaletteId::Refine, model.RefinePalette(), {64, 128}, 6, coRefineDrag,
                           coRefinePick);
        picking.AddElement(PaletteId::Gradient, model.Gradient().strip, {41, 127}, 24,
                           coGradientDrag, coGradientPick);
        QObject::connect(&picking, &PalettePicking::statusMessage,
                         [this](const QString& m) { messages.append(m); });
    }
    int history() const {
        int n = 0;
        while (n < 20 && model.PreviousColors().slotColor(n) != EmptySlotColor) ++n;
        return n;
    }

    PixelBuffer tiles = positionPalette(256, 128);
    ColorModel model;
    UiTexts texts;
    HintOptions options;
    ShellState shell;
    PalettePicking picking{model, texts, options, shell};
    SwatchPicking swatches{model, texts, options, picking};
    QStringList messages;
};

} // namespace

TEST_F(PickingTest, DragPreviewsAndReleaseRecords) {
    picking.Press(PaletteId::Tile, Qt::LeftButton, 10, 20);
    EXPECT_EQ(model.LastColor(), StartColor); // a press applies nothing
    picking.Move(PaletteId::Tile, Qt::LeftButton, Qt::NoModifier, 11, 20);
    EXPECT_EQ(model.LastColor(), RGB(11, 20, 7));
    EXPECT_EQ(history(), 1);
    picking.Release(PaletteId::Tile, Qt::LeftButton, 11, 20);
    EXPECT_EQ(history(), 2);
    EXPECT_EQ(model.PreviousColors().slotColor(0), RGB(11, 20, 7));
}

TEST_F(PickingTest, ReleaseOutsideCommitsNothing) {
    picking.Move(PaletteId::Tile, Qt::LeftButton, Qt::NoModifier, 5, 5);
    picking.Release(PaletteId::Tile, Qt::LeftButton, 256, 5);
    picking.Release(PaletteId::Tile, Qt::LeftButton, 5, 127); // the tile area is 127 rows high
    picking.Release(PaletteId::Tile, Qt::LeftButton, -1, 5);
    EXPECT_EQ(model.LastColor(), RGB(5, 5, 7));
    EXPECT_EQ(history(), 1);
}

TEST_F(PickingTest, MiddleButtonPressDoesNothingButItsReleaseCommits) {
    picking.Press(PaletteId::Tile, Qt::MiddleButton, 3, 4);
    EXPECT_EQ(model.LastColor(), StartColor);
    picking.Move(PaletteId::Tile, Qt::MiddleButton, Qt::NoModifier, 3, 4);
    EXPECT_EQ(model.LastColor(), StartColor);
    picking.Release(PaletteId::Tile, Qt::MiddleButton, 3, 4);
    EXPECT_EQ(model.SampleState().background, RGB(3, 4, 7));
    EXPECT_EQ(history(), 2);
}

TEST_F(PickingTest, LeftDragWhileTextTargetSwitchesToBackgroundFirst) {
    model.SelectTextTarget();
    picking.Move(PaletteId::Tile, Qt::LeftButton, Qt::NoModifier, 9, 9);
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.SampleState().background, RGB(9, 9, 7));
    EXPECT_EQ(model.SampleState().text, DefaultSampleTextColor);
    picking.Move(PaletteId::Tile, Qt::RightButton, Qt::NoModifier, 1, 2);
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, RGB(1, 2, 7));
}

TEST_F(PickingTest, ModifiersAndBothButtonsOnlyUpdateTheStatusText) {
    const Color before = model.LastColor();
    for (auto mods : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        picking.Move(PaletteId::Tile, Qt::LeftButton, mods, 7, 15);
    }
    picking.Move(PaletteId::Tile, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 7, 15);
    EXPECT_EQ(model.LastColor(), before);
    EXPECT_EQ(picking.Element(PaletteId::Tile).statusText,
              QStringLiteral("Цветовые оттенки ( r=7 g=15 b=7 )"));
}

TEST_F(PickingTest, PointerReadoutInBothNotations) {
    EXPECT_EQ(PointerColorText("Цветовые оттенки", RGB(7, 15, 7), true, false),
              QStringLiteral("Цветовые оттенки ( r=7 g=15 b=7 )"));
    EXPECT_EQ(PointerColorText("Цветовые оттенки", RGB(7, 15, 7), true, true),
              QStringLiteral("Цветовые оттенки ( h=120 s=53 v=6 )"));
    EXPECT_EQ(PointerColorText("t", RGB(255, 0, 0), true, true), QStringLiteral("t ( h=360 s=100 v=100 )"));
    EXPECT_EQ(PointerColorText("t", RGB(9, 9, 9), true, true), QStringLiteral("t ( h=0 s=0 v=4 )"));
    EXPECT_EQ(PointerColorText("t", RGB(9, 9, 9), false, true), QStringLiteral("t"));
}

TEST_F(PickingTest, HintsOffLeaveStatusTextButIndicatorFollows) {
    options.interactiveHints = false;
    picking.Move(PaletteId::Tile, Qt::NoButton, Qt::NoModifier, 2, 3);
    EXPECT_TRUE(picking.Element(PaletteId::Tile).statusText.isEmpty());
    EXPECT_EQ(picking.IndicatorColor(), RGB(2, 3, 7));
    options.useIndicator = false;
    picking.Move(PaletteId::Tile, Qt::NoButton, Qt::NoModifier, 4, 4);
    EXPECT_EQ(picking.IndicatorColor(), RGB(2, 3, 7));
}

TEST_F(PickingTest, RefinementPaletteStaysStillUnderTheDrag) {
    const PixelBuffer before = model.RefinePalette();
    const Color c = before.pixel(30, 90);
    picking.Move(PaletteId::Refine, Qt::LeftButton, Qt::NoModifier, 30, 90);
    picking.Move(PaletteId::Refine, Qt::LeftButton, Qt::NoModifier, 40, 100);
    picking.Release(PaletteId::Refine, Qt::LeftButton, 30, 90);
    EXPECT_EQ(model.RefinePalette(), before);
    EXPECT_EQ(model.LastColor(), c);
    EXPECT_EQ(history(), 2);
    picking.Release(PaletteId::Tile, Qt::LeftButton, 100, 50);
    EXPECT_NE(model.RefinePalette(), before); // any other palette redraws it
}

TEST_F(PickingTest, GradientPressSetsTheSampleColourAtOnce) {
    model.SelectTextTarget();
    const Color pixel = model.Gradient().strip.pixel(0, 63);
    picking.Press(PaletteId::Gradient, Qt::RightButton, 0, 63);
    EXPECT_EQ(model.SampleState().text, pixel);
    EXPECT_EQ(model.LastColor(), DefaultSampleTextColor); // follows only on drag or release
    picking.Move(PaletteId::Gradient, Qt::NoButton, Qt::NoModifier, 0, 63);
    EXPECT_TRUE(picking.Element(PaletteId::Gradient).statusText.startsWith("Градиент 50%"));
    picking.Move(PaletteId::Gradient, Qt::NoButton, Qt::NoModifier, 0, 126);
    EXPECT_TRUE(picking.Element(PaletteId::Gradient).statusText.startsWith("Градиент 99%"));
}

TEST_F(PickingTest, WinPageOpensTheDialogAndAlwaysReturnsToTheFirstPage) {
    FakeDialog dialog;
    dialog.shell = &shell;
    dialog.answer = RGB(1, 2, 3);
    EXPECT_EQ(picking.PalettePageChanged(3, dialog), 0);
    EXPECT_EQ(dialog.openedOn, StartColor);
    EXPECT_TRUE(dialog.sawDialogOpen);
    EXPECT_FALSE(shell.dialogOpen);
    EXPECT_EQ(model.LastColor(), RGB(1, 2, 3));
    EXPECT_EQ(messages, (QStringList{"Системная палитра Windows", "Оттеночная палитра цветов RGB"}));
    model.SelectTextTarget();
    dialog.answer.reset();
    EXPECT_EQ(picking.PalettePageChanged(3, dialog), 0);
    EXPECT_EQ(dialog.openedOn, DefaultSampleTextColor);
    EXPECT_EQ(model.LastColor(), DefaultSampleTextColor);
    EXPECT_EQ(picking.PalettePageChanged(1, dialog), 1);
    EXPECT_EQ(messages.back(), "Цветовая растяжка RGB");
}

TEST_F(PickingTest, GreyMarkerAppliesToTheSelectedTarget) {
    model.SelectTextTarget();
    const int y = GreyEquivalent(DefaultSampleTextColor);
    EXPECT_EQ(model.Markers().grey.color, RGB(y, y, y));
    picking.GreyMarkerPressed();
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, RGB(y, y, y));
    EXPECT_EQ(model.SampleState().background, StartColor);
}

TEST_F(PickingTest, StripsApplyFilledSlotsOnly) {
    model.ApplyColor(RGB(1, 1, 1), coNormal);
    swatches.StripPressed(StripId::PreviousColors, Qt::LeftButton, 17, 5); // slot 1: the start colour
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(model.PreviousColors().slotColor(0), StartColor); // recorded again as newest
    const Color before = model.LastColor();
    swatches.StripPressed(StripId::PreviousColors, Qt::LeftButton, 14, 5); // a gap
    swatches.StripPressed(StripId::UserPalette, Qt::LeftButton, 2, 2);     // empty
    EXPECT_EQ(model.LastColor(), before);
    swatches.StripHovered(StripId::UserPalette, 2, 2);
    EXPECT_EQ(swatches.StripStatusText(StripId::UserPalette), QStringLiteral("Пользовательская палитра"));
    swatches.StripHovered(StripId::PreviousColors, 2, 2);
    EXPECT_EQ(swatches.StripStatusText(StripId::PreviousColors),
              QStringLiteral("Предыдущие цвета ( r=136 g=87 b=249 )"));
}

TEST_F(PickingTest, UserPaletteStoresTheBarColour) {
    model.ApplyColor(RGB(2, 0, 0), coNormal);
    model.AddToUserPalette();
    model.AddToUserPalette(); // no duplicate check
    EXPECT_EQ(model.UserPalette().slotColor(0), RGB(1, 0, 0));
    EXPECT_EQ(model.UserPalette().slotColor(1), RGB(1, 0, 0));
    model.ClearUserPalette();
    EXPECT_EQ(model.UserPalette().slotColor(0), EmptySlotColor);
    EXPECT_NE(model.PreviousColors().slotColor(0), EmptySlotColor);
}

TEST_F(PickingTest, WindowColouredSwatchIgnoresPresses) {
    model.ApplyColor(EmptySlotColor, coNormal);
    model.ApplyColor(RGB(5, 5, 5), coNormal);
    swatches.StripPressed(StripId::PreviousColors, Qt::LeftButton, 17, 5);
    EXPECT_EQ(model.LastColor(), RGB(5, 5, 5));
}

TEST_F(PickingTest, MatchingColoursByButtonAndTarget) {
    const Color c = StartColor;
    swatches.MatchingPressed(MatchingSwatch::Main, Qt::LeftButton);
    EXPECT_EQ(model.LastColor(), Complement(c));
    swatches.MatchingPressed(MatchingSwatch::Main, Qt::LeftButton); // swaps back
    EXPECT_EQ(model.LastColor(), c);
    const int recorded = history();
    // Right button while the background is targeted: the text colour becomes k and current,
    // without a history entry.
    swatches.MatchingPressed(MatchingSwatch::MainPlusGrey, Qt::RightButton);
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, PlusGrey(c));
    EXPECT_EQ(model.LastColor(), PlusGrey(c));
    EXPECT_EQ(model.FloatingPanel().faceText, PlusGrey(c));
    EXPECT_EQ(history(), recorded);
    // Left button while the text is targeted: the background becomes k, then is selected.
    const Color k = model.Matching().complementPlusGrey;
    swatches.MatchingPressed(MatchingSwatch::ComplementPlusGrey, Qt::LeftButton);
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.SampleState().background, k);
    EXPECT_EQ(model.LastColor(), k);
    const Color before = model.LastColor();
    swatches.MatchingPressed(MatchingSwatch::Frame, Qt::MiddleButton);
    EXPECT_EQ(model.LastColor(), before);
}
