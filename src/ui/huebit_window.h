#pragma once
// The main window: builds the layout, wires the widgets to the model and runs the window's own
// life (creation sequence, fade, close). The colour logic lives in the model.

#include "core/color_model.h"
#include "core/component_editing.h"
#include "core/shell_state.h"
#include "core/ui_texts.h"
#include "output/clipboard_export.h"
#include "output/hint_options.h"
#include "output/qt_clipboard.h"
#include "palettes/named_color_picking.h"
#include "output/sample_text_settings.h"
#include "palettes/palette_exchange.h"
#include "palettes/palette_images.h"
#include "palettes/swatch_picking.h"
#include "screen/screen_picker.h"
#include "screen/screen_refresh.h"
#include "settings/settings_buffer.h"
#include "settings/settings_location.h"
#include "settings/shell_options.h"
#include "ui/qt_color_dialog.h"
#include "ui/qt_file_dialog.h"
#include "ui/status_line.h"
#include "ui/qt_font_dialog.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;

namespace huebit {

class AboutPage;
class ColorIndicator;
class ColorSwatch;
class ImageButton;
class ScreenPage;
class SelectionPage;
class SettingsPage;
class ShellDriver;
class TColPanel;
class InteractiveHints;
class TitleStrip;
class WindowAppearance;
class WindowPageOptions;
class WindowPick;

class THuebit : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 404;
    static constexpr int ClientHeight = 507;
    static constexpr int StripHeight = 24; ///< the status strip at the bottom

    /// `settings` names the settings file to load at creation and write on close; without one
    /// (tests) every default holds and closing writes nothing.
    /// `startLanguage`: the language file a first start loads before the settings file
    /// (StartLanguage); empty for the built-in texts.
    /// `beforeControls` runs once the native window exists and the server copies the screen,
    /// before the first control is made: the start waits there for the font database that a
    /// second thread reads meanwhile (StartupOverlap).
    explicit THuebit(SettingsLocation settings = {}, QWidget* parent = nullptr,
                     const QString& startLanguage = {},
                     const std::function<void()>& beforeControls = {});

    /// Attaches the floating panel, created right after the main window.
    void setColPanel(TColPanel* panel);

    ColorModel& model() { return m_model; }
    const ColorModel& model() const { return m_model; }
    const UiTexts& uiTexts() const { return m_uiTexts; }
    TitleStrip* titleStrip() const { return m_titleStrip; }
    SelectionPage* selectionPage() const { return m_selection; }
    SettingsPage* settingsPage() const { return m_settings; }
    /// The screen page, its controls made.
    ScreenPage* screenPage() const;
    ComponentEditing& editing() { return m_editing; }
    PalettePicking& palettePicking() { return m_palettePicking; }
    NamedColorPicking& namedColors() { return m_namedColors; }
    HintOptions& hintOptions() { return m_hintOptions; }
    const HintOptions& hintOptions() const { return m_hintOptions; }
    const SampleOptions& sampleOptions() const { return m_sampleOptions; }
    SampleOptions& sampleOptions() { return m_sampleOptions; }
    ShellOptions& shellOptions() { return m_shellOptions; }
    /// The mini-window, hover view, tray, fades and keep-on-screen.
    ShellDriver& shellDriver() { return *m_shellDriver; }
    ColorIndicator& colorIndicator() { return *m_colorIndicator; }
    const ColorIndicator& colorIndicator() const { return *m_colorIndicator; }
    const ShellOptions& shellOptions() const { return m_shellOptions; }
    /// The settings file's lines as last loaded or saved; the floating panel reads its place
    /// from them at its creation.
    const SettingsBuffer& settingsBuffer() const { return m_settingsBuffer; }
    /// The interface font and the language file.
    WindowAppearance& appearance() { return *m_appearance; }
    const ShellState& shell() const { return m_shell; }
    ColorSwatch* indicator() const { return Panel56; }
    ScreenPicker& screenPicker() { return m_screenPicker; }
    /// Replaces the screen copy (tests hand in their own screen).
    void setScreenCapture(std::unique_ptr<ScreenCapture> capture) {
        m_screenRefresh.setCapture(std::move(capture));
    }
    ScreenRefresh& screenRefresh() { return m_screenRefresh; }
    /// "Обновить ": copies the screen with this window kept out of the picture until the copy
    /// is there; ignored while a copy is pending.
    void CaptureScreen();
    void SaveScreenImage();
    /// An export or import outcome: its text in the status line, its error on standard error.
    void ReportExchange(const ExchangeResult& result);
    /// Replaces the platform colour dialog (tests answer it themselves).
    void setColorDialog(ColorDialog* dialog) { m_colorDialog = dialog; }
    /// Replaces the font dialog in the same way.
    void setFontDialog(FontDialog* dialog) { m_fontDialog = dialog; }
    void setFileDialog(FileDialog* dialog) { m_fileDialog = dialog; }
    SampleTextSettings& sampleSettings() { return m_sampleSettings; }
    TColPanel* colPanel() const { return m_colPanel; }
    QTabWidget* pages() const { return PageControl1; }
    StatusLine* statusBar() const { return StatusBar1; }
    /// "Включить интерактивную подсказку" and the automatic hint.
    InteractiveHints& interactiveHints() { return *m_interactiveHints; }
    /// The options of the settings sub-page "Окно", held while its controls are not made.
    WindowPageOptions& pageOptions() { return *m_pageOptions; }
    int opacity() const;
    bool closingFade() const { return m_shell.closingFade; }

    /// The close icon: hide the floating panel and fade out; the fade closes the window.
    void StartClosing();
    /// Another start of the program asks for this window: brings it forward, out of the tray
    /// and out of the mini-window. False once closing has begun (that start then runs itself).
    bool BringForward();
    /// A one-shot pick's colour: it becomes the current colour and the newest previous colour.
    /// False once closing has begun.
    bool TakePickedColor(Color c);
    /// Shows the About page (page 3).
    void ShowAbout();
    /// Switches pages as the program does: the page-change handler does not run.
    void ShowPage(int index);
    /// A request from outside the window to end the program (a termination signal): the close
    /// sequence without the fade, so the settings are written at once.
    void RequestClose();
    /// The desktop session is ending: write the settings now, in case nothing else runs.
    void CommitSettings();
    /// The program is quitting without the window having been closed (the session manager's
    /// last word): the close request runs now, once.
    void CloseQueryOnQuit();
    /// The full window's size for the interface font now: the layout's 404 x 507 while every
    /// page fits it, more where a large font needs more room.
    void FitClientToFont();

signals:
    /// The close sequence has run: the settings are written and the window is gone, whether it
    /// was on the screen or hidden to the tray. The program ends here.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void FormCloseQuery();
    void LoadSettings();
    void SaveSettings();
    void buildPages();
    void buildStatusStrip();
    /// The full window's client size, the pages and the status strip laid out for it.
    void setFullClientSize(QSize size, int strip = StripHeight);
    void wire();
    void PageControl1Change(int index);
    void wireScreen();
    /// Ctrl+C, Ctrl+B, Ctrl+Shift+B, Ctrl+P (pick from the screen) and Ctrl+Q.
    void wireKeys();
    void wireSample();
    void wireShell();

    ColorModel m_model;
    UiTexts m_uiTexts;
    ShellState m_shell;
    HintOptions m_hintOptions;
    PaletteImages m_paletteImages;
    ComponentEditing m_editing{m_model, m_uiTexts};
    PalettePicking m_palettePicking{m_model, m_uiTexts, m_hintOptions, m_shell};
    SwatchPicking m_swatchPicking{m_model, m_uiTexts, m_hintOptions, m_palettePicking};
    SampleOptions m_sampleOptions;
    QtClipboard m_clipboard;
    ClipboardExport m_export{m_model, m_sampleOptions, m_clipboard};
    NamedColorPicking m_namedColors{m_model, m_clipboard};
    ScreenPicker m_screenPicker;
    ScreenRefresh m_screenRefresh{m_screenPicker};
    QTimer m_delayedScreenRefresh;
    int m_delayedScreenTicks = 0;
    QtColorDialog m_qtColorDialog{this};
    ColorDialog* m_colorDialog = &m_qtColorDialog;
    SampleTextSettings m_sampleSettings{m_model, m_shell};
    QtFontDialog m_qtFontDialog{this, m_qtColorDialog};
    FontDialog* m_fontDialog = &m_qtFontDialog;
    QtFileDialog m_qtFileDialog{this};
    FileDialog* m_fileDialog = &m_qtFileDialog;
    PaletteExchange m_paletteExchange{m_model};
    QMenu* m_sampleMenu = nullptr; // shared with the floating panel
    TColPanel* m_colPanel = nullptr;
    bool m_closed = false; // the close request has been answered: nothing brings it back
    bool m_creating = true;          // the constructor runs (a message box may wait in it)
    bool m_closeWhenCreated = false; // asked to close meanwhile
    unsigned m_changedWhileCreating = 0; // what the model changed before the page showed it

    ShellOptions m_shellOptions;
    WindowAppearance* m_appearance = nullptr;
    WindowPick* m_windowPick = nullptr;
    ShellDriver* m_shellDriver = nullptr;
    ColorIndicator* m_colorIndicator = nullptr;
    SettingsLocation m_settingsLocation;
    QString m_startLanguage;
    SettingsBuffer m_settingsBuffer;
    bool m_closeQueried = false; // FormCloseQuery ran: the settings are written, the window gone
    bool m_fitOnShow = false;    // the interface font changed while the window was hidden
    bool m_pagesScheduled = false; // the pages not shown at first are made after the first paint

    TitleStrip* m_titleStrip = nullptr;
    QTabWidget* PageControl1 = nullptr;
    SelectionPage* m_selection = nullptr;
    ScreenPage* m_screen = nullptr;
    SettingsPage* m_settings = nullptr;
    AboutPage* m_about = nullptr;
    bool m_programSwitchesPage = false;
    StatusLine* StatusBar1 = nullptr;
    InteractiveHints* m_interactiveHints = nullptr;
    WindowPageOptions* m_pageOptions = nullptr;
    ImageButton* Image5 = nullptr;  // About icon
    ImageButton* Image17 = nullptr; // help icon, hidden
    ColorSwatch* Panel56 = nullptr; // colour indicator, hidden
    QWidget* Panel55 = nullptr;     // the spacer left of the status text, shown with it

    // A manual move for platforms that refuse the interactive one (no window manager).
    bool m_manualMove = false;
    QPoint m_moveOffset;
};

} // namespace huebit
