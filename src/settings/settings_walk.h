#pragma once
// Loading the settings file: which stored values apply, and in what order. The walk reads the
// lines in fixed groups; an integer line of a group that is empty or not a decimal integer ends
// that group (what it applied so far stays) and the walk goes on with the next group. Each value
// that applies is handed to a SettingsTarget, which runs the operation a user's own change would
// run, side effects included.

#include "core/color.h"
#include "settings/settings_buffer.h"
#include "settings/settings_record.h"

#include <QRect>
#include <optional>

namespace huebit {

/// A decimal integer: optional blanks, an optional sign, ASCII digits, optional blanks, within
/// the range of int. Anything else (empty, "12px", "0x10", "1e3", too large) is not one.
std::optional<int> ParseSettingsInt(QStringView text);

/// The operations a load runs, one per stored value, named after what they do. The walk calls
/// them in the file's group order; a target implements them on the window, or on a record.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;

    virtual void setWindowLeft(int x) = 0;
    virtual void setWindowTop(int y) = 0;
    /// A page index may name no page.
    virtual void selectPalettePage(int index) = 0;
    virtual void selectTextTarget() = 0;
    virtual void hideSampleText() = 0;
    virtual void setSampleBackground(Color c) = 0;
    virtual void setSampleTextColor(Color c) = 0;
    virtual void switchOffInteractiveHints() = 0;
    virtual void paintUserPaletteSlot(int slot, Color c) = 0;
    virtual void paintPreviousColorSlot(int slot, Color c) = 0;
    /// Empties the template list, then appends these entries in order.
    virtual void setTemplates(const QStringList& entries) = 0;
    /// Makes the targeted sample colour current (ApplyColor with coNormal).
    virtual void applyTargetColor() = 0;
    /// Sets the sample caption and SampleText.
    virtual void setSampleText(const QString& text) = 0;
    virtual void selectTemplate(int index) = 0;
    virtual void renderColorText() = 0;
    /// Empties the sample caption again when the stored state had the text hidden.
    virtual void clearSampleCaption() = 0;
    virtual void setOpenOnHover(bool on) = 0;
    virtual void setIndicatorMode(IndicatorMode mode) = 0;
    /// The readable-text command aims at AAA (7:1) rather than AA (4.5:1).
    virtual void setReadableTextAaa(bool on) = 0;
    /// Only called with a name that is not empty.
    virtual void selectLanguage(const QString& name) = 0;
    virtual void setOpenOnScreenPage(bool on) = 0;
    virtual void setStartInMiniWindow(bool on) = 0;
    virtual void setComponentsInHint(bool on) = 0;
    virtual void selectEditorPage(int index) = 0;
    virtual void selectAuxPage(int index) = 0;
    virtual void setRefreshScreenOnOpen(bool on) = 0;
    virtual void setUseIndicator(bool on) = 0;
    virtual void setStayOnTop(bool on) = 0;
    virtual void setHsvInHint(bool hsv) = 0;
    /// Clamped to 1-100.
    virtual void setFontSize(int points) = 0;
    /// Only called with a name that is not empty.
    virtual void setFontName(const QString& name) = 0;
    /// Clamped to 1-100.
    virtual void setSampleWidth(int pixels) = 0;
    virtual void setSampleHeight(int pixels) = 0;
    virtual void setSampleContour(bool on) = 0;
    virtual void setSampleSquare(bool on) = 0;
    /// Clamped to 0-255.
    virtual void setTransparency(int value) = 0;
    virtual void setLargeIndicator() = 0;
};

/// Applies every group of the file, in order. Lines 11 and 165 are never read, and the
/// floating panel's lines 177-180 are left to the panel.
void ApplySettings(const SettingsBuffer& buffer, SettingsTarget& target);

/// Only the window's place, lines 0 and 1 (the first group of the walk). Start-up runs it once
/// more at its end to put the window back where the user left it.
void ApplyWindowPlace(const SettingsBuffer& buffer, SettingsTarget& target);

/// The floating panel's geometry from lines 177-180: width, height, left and top in that order;
/// the first line that is not a decimal integer ends the step and what was set stays.
QRect PanelGeometryFromSettings(const SettingsBuffer& buffer, QRect current);

/// The record a load produces when applied onto `base` (the defaults when there is no file).
/// Steps that act on the window alone (making the colour current, rendering the text line,
/// clearing the caption) change nothing here.
SettingsRecord ReadSettingsRecord(const SettingsBuffer& buffer, SettingsRecord base = {});

} // namespace huebit
