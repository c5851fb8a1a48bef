#include "output/recording_clipboard.h"
#include "palettes/named_color_picking.h"
#include "palettes/palette_picking.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

constexpr Color White = RGB(255, 255, 255);

// The centre of the grid cell at column c, row r.
QPoint cell(int c, int r) {
    return {NamedCellSize * c + 6, NamedCellSize * r + 6};
}

class NamedPickingTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.ClearPreviousColors();
        model.SetSampleTextColor(DefaultSampleTextColor);
        model.ApplyColor(StartColor, coNormal);
        model.SetStartupDone(true);
        named.ChooseOrder(NamedColorOrder::ByColor);
        picking.AddElement(PaletteId::NamedGrid, named.Grid(), {240, 84}, 11, coDrag, coNormal);
    }
    int history() const {
        int n = 0;
        while (n < 20 && model.PreviousColors().slotColor(n) != EmptySlotColor)
            ++n;
        return n;
    }
    void press(Qt::MouseButton b, QPoint at) { named.GridPress(b, at.x(), at.y()); }
    void release(Qt::MouseButton b, QPoint at) { named.GridRelease(b, at.x(), at.y()); }
    void drag(Qt::MouseButtons b, QPoint at) {
        picking.Move(PaletteId::NamedGrid, b, Qt::NoModifier, at.x(), at.y());
    }

    ColorModel model;
    RecordingClipboard clipboard;
    NamedColorPicking named{model, clipboard};
    UiTexts texts;
    HintOptions options;
    ShellState shell;
    PalettePicking picking{model, texts, options, shell};
};

} // namespace

TEST_F(NamedPickingTest, PressOnTheLastCellSelectsTheSecondWhiteAndRecordsIt) {
    press(Qt::LeftButton, cell(19, 6));
    EXPECT_EQ(named.SelectedLine(), 139);
    EXPECT_EQ(model.LastColor(), White);
    EXPECT_EQ(model.SampleState().background, White);
    EXPECT_EQ(model.PreviousColors().slotColor(0), White);
    release(Qt::LeftButton, cell(19, 6));
    EXPECT_EQ(history(), 2); // start colour and white, nothing more on release
}

TEST_F(NamedPickingTest, ChoosingAnOrderRedrawsAndForgetsTheSelection) {
    press(Qt::LeftButton, cell(3, 3));
    const Color current = model.LastColor();
    named.ChooseOrder(NamedColorOrder::ByEnglishName);
    EXPECT_EQ(named.SelectedLine(), -1);
    EXPECT_EQ(named.Grid().pixel(0, 0), RGB(0xF0, 0xF8, 0xFF)); // AliceBlue
    EXPECT_EQ(named.Grid().pixel(11, 11), RGB(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(model.LastColor(), current);
}

TEST_F(NamedPickingTest, DragPreviewsAndReleaseSelectsWithoutRecording) {
    press(Qt::LeftButton, cell(0, 0)); // black, recorded
    const int afterPress = history();
    drag(Qt::LeftButton, cell(5, 2));
    drag(Qt::LeftButton, cell(12, 4));
    const Color released = named.Grid().pixel(cell(12, 4).x(), cell(12, 4).y());
    EXPECT_EQ(model.LastColor(), released);
    EXPECT_EQ(named.SelectedLine(), 0) << "the selection does not follow a drag";
    release(Qt::LeftButton, cell(12, 4));
    EXPECT_EQ(named.SelectedLine(), 12 * 7 + 4);
    EXPECT_EQ(model.LastColor(), released);
    EXPECT_EQ(history(), afterPress);
}

TEST_F(NamedPickingTest, ButtonsChooseTheTarget) {
    press(Qt::RightButton, cell(1, 0));
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, ParseNamedColor(named.Lines()[7]));
    EXPECT_EQ(model.SampleState().background, StartColor);
    // Other buttons keep the target and still pick.
    press(Qt::MiddleButton, cell(2, 0));
    EXPECT_EQ(model.Target(), ColorTarget::Text);
    EXPECT_EQ(model.SampleState().text, ParseNamedColor(named.Lines()[14]));
    release(Qt::LeftButton, cell(2, 0));
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.SampleState().background, ParseNamedColor(named.Lines()[14]));
}

TEST_F(NamedPickingTest, PositionsOffTheGridAreIgnored) {
    for (QPoint at : {QPoint(-1, 5), QPoint(5, -1), QPoint(240, 5), QPoint(5, 84)}) {
        press(Qt::RightButton, at);
        release(Qt::RightButton, at);
    }
    named.SelectLine(140);
    named.SelectLine(-1);
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(named.SelectedLine(), -1);
}

TEST_F(NamedPickingTest, CopyTakesTheEnglishNameOfTheSelectedLineOnly) {
    named.CopyColorName();
    EXPECT_EQ(clipboard.writes, 0);
    named.ChooseOrder(NamedColorOrder::ByEnglishName);
    press(Qt::LeftButton, cell(0, 0));
    named.CopyColorName();
    EXPECT_EQ(clipboard.kind, RecordingClipboard::Kind::Text);
    EXPECT_EQ(clipboard.text, "AliceBlue");
    named.ChooseOrder(NamedColorOrder::ByRussianName);
    named.CopyColorName();
    EXPECT_EQ(clipboard.writes, 1);
}

TEST_F(NamedPickingTest, PointerReadoutCarriesTheGridTitle) {
    drag(Qt::NoButton, cell(19, 6));
    EXPECT_EQ(picking.Element(PaletteId::NamedGrid).statusText,
              QStringLiteral("Безопасные экранные цвета ( r=255 g=255 b=255 )"));
    EXPECT_EQ(model.LastColor(), StartColor);
}
