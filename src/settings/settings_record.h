#pragma once
// Every value the settings file holds, typed, with the values a run has when there is no file.
// Saving collects one of these from the window and writes it; the line layout is fixed here.

#include "core/color.h"
#include "core/color_origin.h"
#include "output/hint_options.h"
#include "output/sample_options.h"
#include "settings/settings_buffer.h"
#include "settings/shell_options.h"

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <array>

namespace huebit {

/// Line indices of the settings file.
namespace SettingsLine {
constexpr int WindowLeft = 0;
constexpr int WindowTop = 1;
constexpr int PalettePage = 2;
constexpr int Target = 3;          // "1" background, "2" text
constexpr int SampleTextShown = 4;
constexpr int SampleBackground = 5; // red, green, blue on 5-7
constexpr int SampleTextColor = 8;  // 8-10
constexpr int TemplateIndexCopy = 11; // written, never read (line 164 is)
constexpr int InteractiveHints = 12;
constexpr int UserPalette = 13;     // 20 swatches x 3 lines
constexpr int PreviousColors = 73;  // 20 swatches x 3 lines
constexpr int Templates = 133;      // 30 lines
constexpr int SampleText = 163;
constexpr int TemplateIndex = 164;
constexpr int EditorPageCopy = 165; // written, never read (line 174 is)
constexpr int OpenOnHover = 166;
constexpr int IndicatorMode = 167;
constexpr int ReadableTarget = 168; // "AAA" for 7:1, else the old filler word "blanck" (4.5:1)
constexpr int Language = 169;
constexpr int OpenOnScreenPage = 170;
constexpr int StartInMiniWindow = 171;
constexpr int ComponentsInHint = 172;
constexpr int PalettePageAgain = 173;
constexpr int EditorPage = 174;
constexpr int AuxPage = 175;
constexpr int RefreshOnOpen = 176;
constexpr int PanelWidth = 177;
constexpr int PanelHeight = 178;
constexpr int PanelLeft = 179;
constexpr int PanelTop = 180;
constexpr int UseIndicator = 181;
constexpr int ComponentsInHintAgain = 182;
constexpr int StayOnTop = 183;
constexpr int RefreshOnOpenAgain = 184;
constexpr int HintNotation = 185;   // "RGB" or "HSV"
constexpr int FontSize = 186;
constexpr int FontName = 187;
constexpr int SampleWidth = 188;
constexpr int SampleHeight = 189;
constexpr int SampleContour = 190;
constexpr int SampleSquare = 191;
constexpr int Transparency = 192;
constexpr int LargeIndicator = 193;

constexpr int TemplateSlots = 30;
} // namespace SettingsLine

/// Pages of the page controls whose index the file keeps.
constexpr int PalettePageCount = 4; ///< "Черепица ", "Круг ", "Web ", "Win "
constexpr int EditorPageCount = 2;  ///< RGB, HSV
constexpr int AuxPageCount = 3;     ///< refinement, gradient, matching colours

using SwatchColors = std::array<Color, 20>;

struct SettingsRecord {
    SettingsRecord();

    QPoint windowPos{0, 0};
    int palettePage = 0;  ///< 0 tile, 1 ring and flow, 2 web, 3 system
    ColorTarget target = ColorTarget::Background;
    bool sampleTextShown = true;
    Color sampleBackground = RGB(136, 87, 249);
    Color sampleTextColor = RGB(255, 201, 73);
    HintOptions hints;    ///< lines 12, 172/182, 181, 185
    SwatchColors userPalette{};    ///< slot 0 (newest) first
    SwatchColors previousColors{};
    QStringList templates;
    int templateIndex = 2; ///< -1 while the active template was typed rather than chosen
    QString sampleText;
    int editorPage = 0;   ///< 0 RGB, 1 HSV
    int auxPage = 0;      ///< 0 refinement, 1 gradient, 2 matching colours
    QRect floatingPanel{220, 582, 247, 73};
    SampleOptions sample; ///< lines 188-191; the readable-text target on 168
    ShellOptions shell;

    bool operator==(const SettingsRecord&) const = default;
};

/// The 194 lines of the file, in index order. Templates beyond the 30th are not kept; empty
/// places are written as a single blank.
SettingsBuffer ToSettingsBuffer(const SettingsRecord& record);

} // namespace huebit
