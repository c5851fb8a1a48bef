#pragma once
// The settings file applied to the main window and collected from it. Loading walks the file's
// groups (settings/settings_walk.h) and runs, for each stored value, the operation the user's own
// change runs; saving reads the same state back, the swatch strips from their pixels.

#include "settings/settings_record.h"
#include "settings/settings_walk.h"

namespace huebit {

class THuebit;

class WindowSettings final : public SettingsTarget {
public:
    explicit WindowSettings(THuebit& window) : w(window) {}

    void setWindowLeft(int x) override;
    void setWindowTop(int y) override;
    void selectPalettePage(int index) override;
    void selectTextTarget() override;
    void hideSampleText() override;
    void setSampleBackground(Color c) override;
    void setSampleTextColor(Color c) override;
    void switchOffInteractiveHints() override;
    void paintUserPaletteSlot(int slot, Color c) override;
    void paintPreviousColorSlot(int slot, Color c) override;
    void setTemplates(const QStringList& entries) override;
    void applyTargetColor() override;
    void setSampleText(const QString& text) override;
    void selectTemplate(int index) override;
    void renderColorText() override;
    void clearSampleCaption() override;
    void setOpenOnHover(bool on) override;
    void setIndicatorMode(IndicatorMode mode) override;
    void setReadableTextAaa(bool on) override;
    void selectLanguage(const QString& name) override;
    void setOpenOnScreenPage(bool on) override;
    void setStartInMiniWindow(bool on) override;
    void setComponentsInHint(bool on) override;
    void selectEditorPage(int index) override;
    void selectAuxPage(int index) override;
    void setRefreshScreenOnOpen(bool on) override;
    void setUseIndicator(bool on) override;
    void setStayOnTop(bool on) override;
    void setHsvInHint(bool hsv) override;
    void setFontSize(int points) override;
    void setFontName(const QString& name) override;
    void setSampleWidth(int pixels) override;
    void setSampleHeight(int pixels) override;
    void setSampleContour(bool on) override;
    void setSampleSquare(bool on) override;
    void setTransparency(int value) override;
    void setLargeIndicator() override;

private:
    THuebit& w;
};

/// Everything the file keeps, as the window holds it now.
SettingsRecord CollectWindowSettings(const THuebit& window);

} // namespace huebit
