#include "settings/settings_record.h"

#include "core/text_template.h"
#include "core/ui_texts.h"

namespace huebit {

namespace {

QString boolText(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

void putColour(QStringList& lines, int first, Color c) {
    lines[first] = QString::number(GetRValue(c));
    lines[first + 1] = QString::number(GetGValue(c));
    lines[first + 2] = QString::number(GetBValue(c));
}

QString indicatorWord(IndicatorMode mode) {
    switch (mode) {
    case IndicatorMode::Dynamic: return QStringLiteral("din");
    case IndicatorMode::Static: return QStringLiteral("stat");
    case IndicatorMode::Unused: break;
    }
    return QStringLiteral("no");
}

} // namespace

SettingsRecord::SettingsRecord() : templates(FirstStartTemplates()), sampleText(UiTexts::defaultText(0)) {
    userPalette.fill(EmptySlotColor);
    previousColors.fill(EmptySlotColor);
}

SettingsBuffer ToSettingsBuffer(const SettingsRecord& r) {
    namespace L = SettingsLine;
    QStringList lines(SettingsLineCount);
    lines[L::WindowLeft] = QString::number(r.windowPos.x());
    lines[L::WindowTop] = QString::number(r.windowPos.y());
    lines[L::PalettePage] = QString::number(r.palettePage);
    lines[L::Target] = r.target == ColorTarget::Text ? QStringLiteral("2") : QStringLiteral("1");
    lines[L::SampleTextShown] = boolText(r.sampleTextShown);
    putColour(lines, L::SampleBackground, r.sampleBackground);
    putColour(lines, L::SampleTextColor, r.sampleTextColor);
    lines[L::TemplateIndexCopy] = QString::number(r.templateIndex);
    lines[L::InteractiveHints] = boolText(r.hints.interactiveHints);
    for (int i = 0; i < int(r.userPalette.size()); ++i) {
        putColour(lines, L::UserPalette + 3 * i, r.userPalette[i]);
        putColour(lines, L::PreviousColors + 3 * i, r.previousColors[i]);
    }
    for (int i = 0; i < L::TemplateSlots; ++i) {
        lines[L::Templates + i] = i < r.templates.size() ? r.templates[i] : QStringLiteral(" ");
    }
    lines[L::SampleText] = r.sampleText;
    lines[L::TemplateIndex] = QString::number(r.templateIndex);
    lines[L::EditorPageCopy] = QString::number(r.editorPage);
    lines[L::OpenOnHover] = boolText(r.shell.openOnHover);
    lines[L::IndicatorMode] = indicatorWord(r.shell.indicatorMode);
    // AA writes the filler word the line always held, so a file without AAA stays as it was.
    lines[L::ReadableTarget] = r.sample.aaaText ? QStringLiteral("AAA") : QStringLiteral("blanck");
    lines[L::Language] = r.shell.language;
    lines[L::OpenOnScreenPage] = boolText(r.shell.openOnScreenPage);
    lines[L::StartInMiniWindow] = boolText(r.shell.startInMiniWindow);
    lines[L::ComponentsInHint] = boolText(r.hints.componentsInHint);
    lines[L::PalettePageAgain] = QString::number(r.palettePage);
    lines[L::EditorPage] = QString::number(r.editorPage);
    lines[L::AuxPage] = QString::number(r.auxPage);
    lines[L::RefreshOnOpen] = boolText(r.shell.refreshScreenOnOpen);
    lines[L::PanelWidth] = QString::number(r.floatingPanel.width());
    lines[L::PanelHeight] = QString::number(r.floatingPanel.height());
    lines[L::PanelLeft] = QString::number(r.floatingPanel.left());
    lines[L::PanelTop] = QString::number(r.floatingPanel.top());
    lines[L::UseIndicator] = boolText(r.hints.useIndicator);
    lines[L::ComponentsInHintAgain] = boolText(r.hints.componentsInHint);
    lines[L::StayOnTop] = boolText(r.shell.stayOnTop);
    lines[L::RefreshOnOpenAgain] = boolText(r.shell.refreshScreenOnOpen);
    lines[L::HintNotation] = r.hints.hsvNotation ? QStringLiteral("HSV") : QStringLiteral("RGB");
    lines[L::FontSize] = QString::number(r.shell.fontSize);
    lines[L::FontName] = r.shell.fontName;
    lines[L::SampleWidth] = QString::number(r.sample.width);
    lines[L::SampleHeight] = QString::number(r.sample.height);
    lines[L::SampleContour] = boolText(r.sample.contour);
    lines[L::SampleSquare] = boolText(r.sample.square);
    lines[L::Transparency] = QString::number(r.shell.transparency);
    lines[L::LargeIndicator] = boolText(r.shell.largeIndicator);
    return SettingsBuffer(lines);
}

} // namespace huebit
