#include "core/color_model.h"
#include "core/template_list.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(TemplateList, DefaultsWithTheThirdSelected) {
    TemplateList t;
    ASSERT_EQ(t.entries().size(), 12);
    EXPECT_EQ(t.entries().mid(0, 6), DefaultTemplates());
    EXPECT_EQ(t.entries()[0], "RGB(dR,dG,dB) - Windows");
    EXPECT_EQ(t.entries()[5], "$00hBhGhR - Delphi");
    EXPECT_EQ(t.selected(), 2);
    EXPECT_EQ(t.activeEntry(), "#hRhGhB - HTML");
}

// The first start's CSS entries, in order after the shipped six, each showing #8857F9 in its
// notation in the text line, with the caption cut off like the shipped entries'.
TEST(TemplateList, FirstStartOffersTheCssNotations) {
    const struct {
        const char* entry;
        const char* shown;
    } css[] = {
        {"{hsl} - CSS", "hsl(258.15 93.1% 65.88%)"},
        {"{hwb} - CSS", "hwb(258.15 34.12% 2.35%)"},
        {"{oklch} - CSS", "oklch(59.804% 0.22851 291.92)"},
        {"{oklab} - CSS", "oklab(59.804% 0.08532 -0.21199)"},
        {"{lab} - CSS", "lab(49.56 48.353 -75.315)"},
        {"{lch} - CSS", "lch(49.56 89.501 302.7)"},
    };
    ColorModel model;
    model.ApplyColor(RGB(0x88, 0x57, 0xF9), coNormal);
    const QStringList& entries = model.Templates().entries();
    ASSERT_EQ(entries.size(), 6 + int(std::size(css)));
    for (int i = 0; i < int(std::size(css)); ++i) {
        EXPECT_EQ(entries[6 + i].toStdString(), css[i].entry);
        model.SelectTemplate(6 + i);
        EXPECT_EQ(model.TextLine().toStdString(), css[i].shown);
    }
    EXPECT_EQ(TemplateList(DefaultTemplates()).entries().size(), 6); // a given list stays as given
}

TEST(TemplateList, ApplySkipsEmptyLinesAndKeepsThePosition) {
    TemplateList t;
    t.applyLines({"dR", "", "hG - x", "dB"});
    EXPECT_EQ(t.entries(), (QStringList{"dR", "hG - x", "dB"}));
    EXPECT_EQ(t.selected(), 2);
    EXPECT_EQ(t.activeEntry(), "dB");
    t.applyLines({"a", ""});
    EXPECT_EQ(t.entries(), QStringList{"a"});
    EXPECT_EQ(t.selected(), -1); // the new list is shorter: nothing selected
    EXPECT_EQ(t.activeEntry(), "dB"); // and the selector keeps showing what it showed
}

TEST(TemplateList, TypedEntryStaysTypedAfterApply) {
    TemplateList t;
    t.setActiveEntry("dR;dG");
    EXPECT_EQ(t.selected(), -1);
    t.applyLines({"x", "y", "z"});
    EXPECT_EQ(t.selected(), -1);
    EXPECT_EQ(t.activeEntry(), "dR;dG");
    t.setActiveEntry("y"); // typing an entry's exact text selects it
    EXPECT_EQ(t.selected(), 1);
}

TEST(TemplateList, EditorHandlesAtMost255Entries) {
    TemplateList t;
    QStringList lines;
    for (int i = 0; i < 300; ++i) lines.append(QString::number(i));
    t.applyLines(lines);
    EXPECT_EQ(t.entries().size(), 255);
    EXPECT_EQ(t.entries().back(), "254");
    EXPECT_EQ(t.editorLines().size(), 255);
}

TEST(TemplateList, ModelRendersOnSelectionAndTypingButNotOnApply) {
    ColorModel model;
    model.ApplyColor(StartColor, coNormal);
    model.SelectTemplate(0);
    EXPECT_EQ(model.TextLine(), "RGB(136,87,249)");
    model.SetActiveTemplateText("dR/dG");
    EXPECT_EQ(model.TextLine(), "136/87");
    model.SelectTemplate(5);
    model.ApplyTemplateLines({"#hRhGhB", "hR", "dR", "dG", "dB", "dV"});
    EXPECT_EQ(model.TextLine(), "$00F95788"); // follows at the next render only
    model.RenderColorText(false);
    EXPECT_EQ(model.TextLine(), "98");
    model.RenderColorText(true);
    EXPECT_EQ(model.TextLine(), "098");
}
