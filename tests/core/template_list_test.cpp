#include "core/color_model.h"
#include "core/template_list.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(TemplateList, DefaultsWithTheThirdSelected) {
    TemplateList t;
    ASSERT_EQ(t.entries().size(), 6);
    EXPECT_EQ(t.entries()[0], "RGB(dR,dG,dB) - Windows");
    EXPECT_EQ(t.entries()[5], "$00hBhGhR - Delphi");
    EXPECT_EQ(t.selected(), 2);
    EXPECT_EQ(t.activeEntry(), "#hRhGhB - HTML");
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
