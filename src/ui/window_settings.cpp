#include "ui/window_settings.h"

#include "ui/col_panel.h"
#include "ui/color_indicator.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/refine_pages.h"
#include "ui/sample_text_page.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/title_strip.h"
#include "ui/window_appearance.h"
#include "ui/window_page_options.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

namespace huebit {

namespace {

// A page chosen by the program, not the user: the page's change handler (status text, the
// colour dialog of the "Win " page) does not run. An index that names no page changes nothing.
void selectPage(QTabWidget* pages, int index) {
    if (index < 0 || index >= pages->count()) return;
    const QSignalBlocker blocker(pages);
    pages->setCurrentIndex(index);
}

// The settings sub-page "Окно": each option changes as a click on its control changes it.
WindowPageOptions& options(THuebit& w) { return w.pageOptions(); }

} // namespace

void WindowSettings::setWindowLeft(int x) { w.move(x, w.y()); }
void WindowSettings::setWindowTop(int y) { w.move(w.x(), y); }
void WindowSettings::selectPalettePage(int i) { selectPage(w.selectionPage()->PageControl2, i); }
void WindowSettings::selectTextTarget() { w.model().SelectTextTarget(); }

void WindowSettings::hideSampleText() {
    if (w.model().SampleState().textSwitchEnabled) w.model().ToggleSampleText();
}

void WindowSettings::setSampleBackground(Color c) {
    w.model().SetSampleColor(ColorTarget::Background, c);
}
void WindowSettings::setSampleTextColor(Color c) { w.model().SetSampleColor(ColorTarget::Text, c); }
void WindowSettings::switchOffInteractiveHints() { options(w).setInteractiveHints(false); }
void WindowSettings::paintUserPaletteSlot(int slot, Color c) {
    w.model().PaintUserPaletteSlot(slot, c);
}
void WindowSettings::paintPreviousColorSlot(int slot, Color c) {
    w.model().PaintPreviousColorSlot(slot, c);
}
void WindowSettings::setTemplates(const QStringList& entries) { w.model().RestoreTemplates(entries); }

void WindowSettings::applyTargetColor() {
    const Sample& s = w.model().SampleState();
    w.model().ApplyColor(w.model().Target() == ColorTarget::Background ? s.background : s.text,
                         coNormal);
}

void WindowSettings::setSampleText(const QString& text) { w.model().SetSampleText(text); }
void WindowSettings::selectTemplate(int index) { w.model().SelectTemplate(index); }
void WindowSettings::renderColorText() { w.model().RenderColorText(false); }
void WindowSettings::clearSampleCaption() { w.model().ClearSampleCaption(); }
// Only the check mark: restoring the option does not switch the window's size.
void WindowSettings::setOpenOnHover(bool on) { w.titleStrip()->CheckBox4->setChecked(on); }
void WindowSettings::setIndicatorMode(IndicatorMode mode) { options(w).setIndicatorMode(mode); }
void WindowSettings::setReadableTextAaa(bool on) {
    // The box takes the option when its sub-page is made.
    w.sampleOptions().aaaText = on;
    if (SampleTextPage* page = w.settingsPage()->samplePage; page->made())
        page->aaaBox->setChecked(on);
}
void WindowSettings::selectLanguage(const QString& name) { w.appearance().RestoreLanguage(name); }
void WindowSettings::setOpenOnScreenPage(bool on) { options(w).setOpenOnScreenPage(on); }
void WindowSettings::setStartInMiniWindow(bool on) { options(w).setStartInMiniWindow(on); }
void WindowSettings::setComponentsInHint(bool on) { options(w).setComponentsInHint(on); }
void WindowSettings::selectEditorPage(int i) { selectPage(w.selectionPage()->editors, i); }
void WindowSettings::selectAuxPage(int i) { selectPage(w.selectionPage()->refinePages, i); }
void WindowSettings::setRefreshScreenOnOpen(bool on) { options(w).setRefreshScreenOnOpen(on); }
void WindowSettings::setUseIndicator(bool on) { options(w).setUseIndicator(on); }
void WindowSettings::setStayOnTop(bool on) { options(w).setStayOnTop(on); }
void WindowSettings::setHsvInHint(bool hsv) { options(w).setHsvNotation(hsv); }
void WindowSettings::setFontSize(int points) { w.appearance().SetFontSize(points); }
void WindowSettings::setFontName(const QString& name) { w.appearance().SelectFontName(name); }
void WindowSettings::setSampleWidth(int pixels) { options(w).setSampleWidth(pixels); }
void WindowSettings::setSampleHeight(int pixels) { options(w).setSampleHeight(pixels); }
void WindowSettings::setSampleContour(bool on) { options(w).setSampleContour(on); }
void WindowSettings::setSampleSquare(bool on) { options(w).setSampleSquare(on); }
void WindowSettings::setTransparency(int value) { options(w).setTransparency(value); }
void WindowSettings::setLargeIndicator() { w.colorIndicator().SetLarge(true); }

SettingsRecord CollectWindowSettings(const THuebit& w) {
    SettingsRecord r;
    const ColorModel& m = w.model();
    const SelectionPage* page = w.selectionPage();
    r.windowPos = w.pos();
    // The "Win " page shows only while its colour dialog is open (a close can come then, from a
    // signal); the dialog always returns to the first page, so that is the page to keep.
    constexpr int WinPage = 3;
    r.palettePage = page->PageControl2->currentIndex();
    if (r.palettePage == WinPage) r.palettePage = 0;
    r.target = m.Target();
    r.sampleTextShown = m.SampleState().textSwitchEnabled;
    r.sampleBackground = m.SampleState().background;
    r.sampleTextColor = m.SampleState().text;
    r.hints = w.hintOptions();
    // The strips keep their colours only as pixels.
    for (int i = 0; i < SwatchStrip::SlotCount; ++i) {
        r.userPalette[i] = m.UserPalette().slotColor(i);
        r.previousColors[i] = m.PreviousColors().slotColor(i);
    }
    r.templates = m.Templates().entries();
    r.templateIndex = m.Templates().selected();
    r.sampleText = m.SampleState().sampleText;
    r.editorPage = page->editors->currentIndex();
    r.auxPage = page->refinePages->currentIndex();
    if (const TColPanel* panel = w.colPanel()) r.floatingPanel = panel->geometry();
    r.sample = w.sampleOptions();
    r.shell = w.shellOptions();
    r.shell.largeIndicator = w.colorIndicator().isLarge();
    return r;
}

} // namespace huebit
