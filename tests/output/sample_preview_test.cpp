#include "core/color_model.h"
#include "output/sample_text_settings.h"
#include "palettes/palette_picking.h"

#include <gtest/gtest.h>

#include <vector>

using namespace huebit;

namespace {

// A font dialog that answers with a prepared choice and notes what it was opened with.
struct FakeFontDialog : FontDialog {
    std::optional<FontChoice> answer;
    std::vector<FontChoice> openedWith;
    std::vector<bool> dialogOpenWhileShown;
    const ShellState* shell = nullptr;

    std::optional<FontChoice> pick(const FontChoice& initial) override {
        openedWith.push_back(initial);
        dialogOpenWhileShown.push_back(shell->dialogOpen);
        return answer;
    }
};

// The model as start-up leaves it: start colour on the background, "Цвет текста" shown.
class SamplePreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.DrawRefinePalette(InitialRefineColor);
        model.ClearPreviousColors();
        model.ClearUserPalette();
        model.SetSampleTextColor(DefaultSampleTextColor);
        model.ApplyColor(StartColor, coNormal);
        model.SetSampleText(QStringLiteral("Цвет текста"));
        model.SetStartupDone(true);
        dialog.shell = &shell;
    }

    int historyLength() const {
        int n = 0;
        while (n < 20 && model.PreviousColors().slotColor(n) != EmptySlotColor)
            ++n;
        return n;
    }

    ColorModel model;
    ShellState shell;
    SampleTextSettings settings{model, shell};
    FakeFontDialog dialog;
};

} // namespace

TEST_F(SamplePreviewTest, HidingWhileTheTextIsTargetedMakesTheBackgroundCurrent) {
    model.SelectTextTarget();
    ASSERT_EQ(model.LastColor(), DefaultSampleTextColor);
    model.ToggleSampleText();
    const Sample& s = model.SampleState();
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(model.LastColor(), StartColor);
    EXPECT_EQ(model.TextLine(), "#8857F9");
    EXPECT_TRUE(s.caption.isEmpty());
    EXPECT_TRUE(model.FloatingPanel().caption.isEmpty());
    EXPECT_FALSE(s.textSwitchEnabled);
    EXPECT_EQ(historyLength(), 1); // the target switch records nothing

    model.ToggleSampleText(); // showing again keeps the background target
    EXPECT_EQ(model.Target(), ColorTarget::Background);
    EXPECT_EQ(s.caption, "Цвет текста");
    EXPECT_EQ(model.FloatingPanel().caption, "Цвет текста");
    EXPECT_TRUE(s.textSwitchEnabled);
}

TEST_F(SamplePreviewTest, HidingWithTheBackgroundTargetedStillRunsItsSelection) {
    // A matching colour set on the sample leaves the current colour behind; hiding re-applies
    // the background even though that target was already on.
    model.SetSampleColor(ColorTarget::Background, RGB(9, 9, 9));
    model.ToggleSampleText();
    EXPECT_EQ(model.LastColor(), RGB(9, 9, 9));
    EXPECT_EQ(model.TextLine(), "#090909");
}

struct SwapCase {
    const char* name;
    ColorTarget targetBefore;
    Color background, text;
    ColorTarget targetAfter;
};

class SwapTest : public SamplePreviewTest, public ::testing::WithParamInterface<SwapCase> {};

TEST_P(SwapTest, ColoursChangePlacesAndTheCurrentColourKeepsItsValue) {
    const SwapCase& c = GetParam();
    model.SetSampleColor(ColorTarget::Background, c.background);
    model.SetSampleColor(ColorTarget::Text, c.text);
    model.RunTargetSelection(c.targetBefore);
    const Color current = model.LastColor();
    const QString line = model.TextLine();
    const int history = historyLength();

    model.SwapSampleColors();
    const Sample& s = model.SampleState();
    EXPECT_EQ(s.background, c.text);
    EXPECT_EQ(s.text, c.background);
    EXPECT_EQ(model.Target(), c.targetAfter);
    EXPECT_EQ(model.LastColor(), current);
    EXPECT_EQ(model.TextLine(), line);
    EXPECT_EQ(model.TargetedSampleColor(), current);
    EXPECT_EQ(model.FloatingPanel().face, c.text);
    EXPECT_EQ(model.FloatingPanel().faceText, c.background);
    EXPECT_EQ(historyLength(), history);

    model.SwapSampleColors(); // and back
    EXPECT_EQ(s.background, c.background);
    EXPECT_EQ(s.text, c.text);
    EXPECT_EQ(model.Target(), c.targetBefore);
    EXPECT_EQ(model.LastColor(), current);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, SwapTest,
    ::testing::Values(SwapCase{"BlackTextOnWhite", ColorTarget::Background, RGB(255, 255, 255),
                               RGB(0, 0, 0), ColorTarget::Text},
                      SwapCase{"TextTargeted", ColorTarget::Text, RGB(10, 20, 30), RGB(200, 100, 0),
                               ColorTarget::Background},
                      SwapCase{"EqualColours", ColorTarget::Background, RGB(7, 7, 7), RGB(7, 7, 7),
                               ColorTarget::Text}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SamplePreviewTest, ApplyWithTheTextHiddenStoresTheTextForTheNextShow) {
    model.ToggleSampleText();
    settings.ResetSampleTextSettings();
    settings.SetEditorText("Новый текст");
    settings.ApplySampleTextSettings();
    EXPECT_EQ(model.SampleState().sampleText, "Новый текст");
    EXPECT_TRUE(model.SampleState().caption.isEmpty());
    EXPECT_TRUE(model.FloatingPanel().caption.isEmpty());
    EXPECT_FALSE(model.SampleState().textSwitchEnabled);
    model.ToggleSampleText();
    EXPECT_EQ(model.SampleState().caption, "Новый текст");
    EXPECT_EQ(model.FloatingPanel().caption, "Новый текст");
}

TEST_F(SamplePreviewTest, ApplyingATextTheSettingsFileCannotHoldSaysSo) {
    const struct {
        const char* text;
        bool warned;
    } cases[] = {
        {"Цвет текста", false}, {"€ № «»", false}, {"", false},
        {"готово ✓", true},     {"日本", true},      {"😀", true},
    };
    for (const auto& c : cases) {
        QStringList messages;
        const auto connection = QObject::connect(
            &settings, &SampleTextSettings::statusMessage,
            [&messages](const QString& text) { messages << text; });
        settings.SetEditorText(QString::fromUtf8(c.text));
        settings.ApplySampleTextSettings();
        QObject::disconnect(connection);
        // The text is applied as typed either way; only the file will hold "?".
        EXPECT_EQ(model.SampleState().sampleText, QString::fromUtf8(c.text));
        EXPECT_EQ(messages, c.warned ? QStringList{SampleTextSettings::UnsavableCharactersText()}
                                     : QStringList{})
            << c.text;
    }
}

TEST_F(SamplePreviewTest, AnEmptyTextCountsAsHiddenAndShowingKeepsItEmpty) {
    settings.ResetSampleTextSettings();
    settings.SetEditorText(QString());
    settings.ApplySampleTextSettings();
    EXPECT_FALSE(model.SampleState().textVisible());
    EXPECT_TRUE(model.SampleState().textSwitchEnabled); // only the caption went
    model.SelectTextTarget();
    model.ToggleSampleText(); // the "show" branch: nothing to show, the target stays
    EXPECT_TRUE(model.SampleState().caption.isEmpty());
    EXPECT_TRUE(model.SampleState().textSwitchEnabled);
    EXPECT_EQ(model.Target(), ColorTarget::Text);
}

TEST_F(SamplePreviewTest, FontColourIsAppliedWithoutApplyColor) {
    for (ColorTarget target : {ColorTarget::Background, ColorTarget::Text}) {
        model.RunTargetSelection(target);
        const Color current = model.LastColor();
        const QString line = model.TextLine();
        const int history = historyLength();
        const FontSpec font{
            .family = "DejaVu Serif", .pixelSize = 30, .weight = 700, .italic = true};
        dialog.answer = FontChoice{font, RGB(0, 128, 0) + Color(target == ColorTarget::Text)};
        settings.ResetSampleTextSettings();
        settings.ChooseSampleFont(dialog);
        settings.ApplySampleTextSettings();
        const Sample& s = model.SampleState();
        EXPECT_EQ(s.text, dialog.answer->color);
        EXPECT_EQ(s.font, font);
        EXPECT_EQ(model.FloatingPanel().faceText, dialog.answer->color);
        EXPECT_EQ(model.FloatingPanel().font, font);
        EXPECT_EQ(model.LastColor(), current);
        EXPECT_EQ(model.TextLine(), line);
        EXPECT_EQ(historyLength(), history);
    }
}

TEST_F(SamplePreviewTest, FontDialogOpensOnTheBoxAndOnlyAConfirmedChoiceCounts) {
    settings.ResetSampleTextSettings();
    const FontChoice start{DefaultSampleFont(), DefaultSampleTextColor};
    EXPECT_EQ(settings.Editor().font, start);
    EXPECT_EQ(settings.Editor().text, "Цвет текста");

    dialog.answer.reset(); // cancelled
    settings.ChooseSampleFont(dialog);
    EXPECT_EQ(settings.Editor().font, start);

    const FontChoice chosen{{.family = "DejaVu Sans Mono", .pixelSize = 12, .strikeOut = true},
                            RGB(1, 2, 3)};
    dialog.answer = chosen;
    settings.ChooseSampleFont(dialog);
    settings.ChooseSampleFont(dialog); // opens on the box's font, not the sample's
    EXPECT_EQ(settings.Editor().font, chosen);
    ASSERT_EQ(dialog.openedWith.size(), 3u);
    EXPECT_EQ(dialog.openedWith[0], start);
    EXPECT_EQ(dialog.openedWith[2], chosen);
    EXPECT_EQ(dialog.dialogOpenWhileShown, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(shell.dialogOpen);
    // Nothing reaches the sample until "Применить".
    EXPECT_EQ(model.SampleState().font, DefaultSampleFont());
    EXPECT_EQ(model.SampleState().text, DefaultSampleTextColor);

    settings.ResetSampleTextSettings(); // "  Сброс" takes the sample's font and colour back
    EXPECT_EQ(settings.Editor().font, start);
}

TEST_F(SamplePreviewTest, ResetTakesTheSampleAsItIsNow) {
    model.SwapSampleColors();
    const FontSpec font{.family = "Nimbus Sans", .pixelSize = 14, .styleName = "Bold"};
    model.ApplySampleTextSettings("abc", font, RGB(4, 5, 6));
    settings.SetEditorText("unapplied");
    settings.EditSampleTextSettings();
    EXPECT_EQ(settings.Editor().text, "abc");
    EXPECT_EQ(settings.Editor().font, (FontChoice{font, RGB(4, 5, 6)}));
}

TEST_F(SamplePreviewTest, ShownPanelCopiesTheSample) {
    model.SwapSampleColors();
    model.ApplyColor(RGB(1, 1, 1), coNormal); // the text target is on after the swap
    model.FloatingPanelShown();
    const FloatingPanelState& p = model.FloatingPanel();
    EXPECT_EQ(p.face, DefaultSampleTextColor);
    EXPECT_EQ(p.faceText, RGB(1, 1, 1));
    EXPECT_EQ(p.caption, "Цвет текста");
    model.ToggleSampleText();
    model.FloatingPanelShown();
    EXPECT_TRUE(p.caption.isEmpty());
}

TEST_F(SamplePreviewTest, PointerOverTheSampleShowsTheTargetedColourWhileHintsAreOn) {
    UiTexts texts;
    HintOptions hints;
    PalettePicking picking(model, texts, hints, shell);
    model.SwapSampleColors(); // the text target, holding the start colour
    picking.SampleHovered();
    EXPECT_EQ(picking.IndicatorColor(), StartColor);
    model.SelectBackgroundTarget();
    picking.SampleHovered();
    EXPECT_EQ(picking.IndicatorColor(), DefaultSampleTextColor);
    hints.interactiveHints = false;
    model.SelectTextTarget();
    picking.SampleHovered();
    EXPECT_EQ(picking.IndicatorColor(), DefaultSampleTextColor);
}
