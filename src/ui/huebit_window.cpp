#include "ui/huebit_window.h"

#include "app/app_identity.h"
#include "core/readable_text.h"
#include "settings/settings_file.h"
#include "ui/window_settings.h"

#include "palettes/gradient.h"
#include "ui/about_page.h"
#include "ui/col_panel.h"
#include "ui/color_indicator.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/decoration.h"
#include "ui/element_hint.h"
#include "ui/element_walk.h"
#include "ui/first_paint.h"
#include "ui/lazy_page.h"
#include "ui/image_button.h"
#include "ui/indicator_wiring.h"
#include "ui/color_drag_drop.h"
#include "ui/palette_exchange_wiring.h"
#include "ui/palette_wiring.h"
#include "ui/sample_wiring.h"
#include "ui/qt_color.h"
#include "screen/x11_shm_capture.h"
#include "ui/screen_page.h"
#include "ui/screen_wiring.h"
#include "ui/selection_page.h"
#include "ui/selection_wiring.h"
#include "ui/text_line.h"
#include "ui/settings_page.h"
#include "ui/shell_driver.h"
#include "ui/interactive_hints.h"
#include "ui/modal_dialogs.h"
#include "ui/status_line.h"
#include "ui/web_page.h"
#include "ui/window_appearance.h"
#include "ui/title_strip.h"
#include "ui/window_options_group.h"
#include "ui/window_keys.h"
#include "ui/window_opacity.h"
#include "ui/window_page_options.h"
#include "ui/window_pick.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace huebit {

THuebit::THuebit(SettingsLocation settings, QWidget* parent, const QString& startLanguage,
                 const std::function<void()>& beforeControls)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_settingsLocation(std::move(settings)), m_startLanguage(startLanguage) {
    setObjectName(QStringLiteral("Huebit"));
    setWindowTitle(QStringLiteral(" Huebit"));
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(EmptySlotColor));
    setPalette(pal);

    m_screenRefresh.setCapture(MakeScreenCapture());
    // The native window is made before the server is asked for the screen copy: making it asks
    // the server questions, which would wait behind the copy.
    winId();
    AskForOpacityProperty();
    // Nothing of the program is on the screen yet: the server copies it while the window is
    // built, and the creation sequence takes that copy at its place. Any question to the server
    // waits behind the copy, so the start asks its questions before this (see main).
    m_screenRefresh.PrepareCreationCopy();
    // Nothing above needs a font; the controls below are measured in theirs.
    if (beforeControls) beforeControls();
    m_titleStrip = new TitleStrip(this);
    buildPages();
    buildStatusStrip();
    m_appearance = new WindowAppearance(*this, m_uiTexts, m_shellOptions);
    // A large interface font grows the window rather than cutting captions; each font is fitted
    // to the layout's size first, so a smaller font gets the layout back.
    connect(m_appearance, &WindowAppearance::fontChanging, this, [this] {
        setFullClientSize({ClientWidth, ClientHeight});
    });
    connect(m_appearance, &WindowAppearance::fontChanged, this, [this] { FitClientToFont(); });
    // The named colours' lines are shown in the interface language.
    connect(m_appearance, &WindowAppearance::languageChanged, this,
            [this] { m_selection->webPage->refresh(m_namedColors); });
    wire();
    wireKeys();
    // The layout is complete: the font and the language file walk these elements from now on.
    m_appearance->CollectElements();
    FormCreate();
    m_selection->refresh(std::exchange(m_changedWhileCreating, 0u));
    m_creating = false;
    // Closed while a message box of the creation was open: the close runs now that it can.
    if (m_closeWhenCreated)
        QMetaObject::invokeMethod(this, &THuebit::RequestClose, Qt::QueuedConnection);
}

void THuebit::buildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 23, ClientWidth, 483 - 23);
    // FitClientToFont chooses its tabs after every font change, with the pages laid out.
    LeaveTabsToWindow(PageControl1);
    m_selection = new SelectionPage(m_model, m_paletteImages);
    m_screen = new ScreenPage;
    m_settings = new SettingsPage(m_model);
    m_about = new AboutPage;
    PageControl1->addTab(m_selection, QStringLiteral("Подбор "));
    PageControl1->addTab(m_screen, QStringLiteral("Экран "));
    PageControl1->addTab(m_settings, QStringLiteral("Настройка "));
    PageControl1->addTab(m_about, QStringLiteral("О программе "));
}

void THuebit::buildStatusStrip() {
    StatusBar1 = new StatusLine(this);
    StatusBar1->setGeometry(0, 483, 380, 24);
    Image5 = new ImageButton(QStringLiteral("Image5"), QStringLiteral("О программе"),
                             "about_icon.png", this);
    Image5->setGeometry(384, 487, 16, 16);
    Image17 =
        new ImageButton(QStringLiteral("Image17"), QStringLiteral("Помощь"), "help_icon.png", this);
    Image17->setGeometry(364, 487, 16, 16);
    Image17->hide();
    Panel56 = new ColorSwatch(QStringLiteral("Panel56"),
                              QStringLiteral("Текущий поисковый цвет (дв.щелч.: подбор наложением)"),
                              this);
    Panel55 = new QWidget(this);
    Panel55->setObjectName(QStringLiteral("Panel55"));
    MarkAsPanel(Panel55);
    Panel55->setGeometry(0, 483, 34, 24);
    m_colorIndicator = new ColorIndicator(*Panel56, *Panel55, *StatusBar1, *PageControl1,
                                          m_hintOptions, m_palettePicking, m_model);
    connect(m_colorIndicator, &ColorIndicator::formChanged, this,
            [this](bool large) { m_shellOptions.largeIndicator = large; });
}

// Each page says what it needs of the page area it shares with the others; the window grows by
// what the neediest lacks, and the page tabs must fit in one row.
void THuebit::FitClientToFont() {
    // The pages are laid out once the window is shown; until then their measures mean nothing.
    if (!isVisible()) {
        m_fitOnShow = true;
        return;
    }
    m_fitOnShow = false;
    // Hidden pages hold the measures of the font they were last shown in until asked afresh.
    for (QWidget* w : PageControl1->findChildren<QWidget*>())
        w->updateGeometry();
    for (QLayout* l : PageControl1->findChildren<QLayout*>())
        l->invalidate();
    // The pages have placed their controls for the font by now: the tabs are chosen again by
    // what the pages need, and the room is the one the tabs chosen leave.
    FitTabs(PageControl1);
    const QSize full(m_shell.fullClientWidth, m_shell.fullClientHeight);
    const QSize room = PageArea(PageControl1);
    int width = std::max(room.width(), PageControl1->tabBar()->sizeHint().width() -
                                           (PageControl1->width() - room.width()));
    for (int i = 0; i < PageControl1->count(); ++i)
        width = std::max(width, PageControl1->widget(i)->minimumSizeHint().width());
    int height = room.height();
    for (int i = 0; i < PageControl1->count(); ++i) {
        const QWidget* page = PageControl1->widget(i);
        if (page->hasHeightForWidth()) height = std::max(height, page->heightForWidth(width));
    }
    // The status text's line, with the bar's margins.
    const QLabel* text = StatusBar1->textLabel();
    const int line = std::max(text->fontMetrics().height(), text->sizeHint().height());
    const int strip = std::max(StripHeight, line + 5);
    const int stripGrowth = strip - (full.height() - PageControl1->geometry().bottom() - 1);
    setFullClientSize(full + QSize(width, height + stripGrowth) - room, strip);
}

void THuebit::setFullClientSize(QSize size, int strip) {
    constexpr int Title = 23;
    const int w = size.width();
    const int h = size.height();
    const int top = h - strip; // of the status strip
    const QRect pages(0, Title, w, top - Title);
    if (w == m_shell.fullClientWidth && h == m_shell.fullClientHeight &&
        PageControl1->geometry() == pages)
        return;
    m_shell.fullClientWidth = w;
    m_shell.fullClientHeight = h;
    m_titleStrip->setClientWidth(w);
    PageControl1->setGeometry(pages);
    const int statusLeft = StatusBar1->x();
    StatusBar1->setGeometry(statusLeft, top, w - 24 - statusLeft, strip);
    // The icons stand 4 below the strip's top at the layout's size, and centred on a taller one.
    const int icons = top + (strip - 16) / 2;
    Image5->move(w - 20, icons);
    Image17->move(w - 40, icons);
    Panel55->setGeometry(0, top, Panel55->width(), strip);
    m_colorIndicator->setStripShift(h - ClientHeight);
    // The mini-window keeps its size; it opens to the new one.
    if (!m_shellDriver || !m_shellDriver->rules().miniWindow()) setFixedSize(size);
}

void THuebit::wire() {
    // The creation changes the model many times over: the page shows where it ends, once.
    connect(&m_model, &ColorModel::changed, m_selection, [this](unsigned what) {
        if (m_creating)
            m_changedWhileCreating |= what;
        else
            m_selection->refresh(what);
    });
    connect(&m_model, &ColorModel::focusRequested, this, [this] {
        // A control that cannot take the focus (hidden in the mini-window) is left alone.
        QCheckBox* box = m_titleStrip->CheckBox4;
        if (box->isVisible() && box->isEnabled()) box->setFocus(Qt::OtherFocusReason);
    });
    WireSelectionPage(*m_selection, m_model, m_editing);
    QMenu* paletteMenu =
        WirePalettes({*m_selection, m_model, m_palettePicking, m_swatchPicking, m_namedColors,
                      [this]() -> ColorDialog& { return *m_colorDialog; },
                      [this](const QString& text) { StatusBar1->showMessage(text); }});
    WirePaletteExchange({*paletteMenu, m_paletteExchange,
                         [this]() -> FileDialog& { return *m_fileDialog; },
                         [this](const ExchangeResult& r) { ReportExchange(r); }});
    WireColorDrags(*m_selection, m_model);
    new ColorDropTarget(*this, m_model, [this](const QString& path) {
        ReportExchange(m_paletteExchange.Import(path));
    });
    connect(&m_editing, &ComponentEditing::statusMessage, StatusBar1,
            [this](const QString& text) { StatusBar1->showMessage(text); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_programSwitchesPage) PageControl1Change(index);
    });
    connect(Image5, &ImageButton::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) ShowAbout();
    });
    connect(Image17, &ImageButton::clicked, this, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().filePath("hHuebit.pdf")));
    });
    wireSample();
    wireScreen();
    wireShell();
}

void THuebit::wireShell() {
    m_shellDriver = new ShellDriver({*this, *m_titleStrip, m_shell, m_shellOptions,
                                     [this] { return PageControl1->currentIndex(); },
                                     [this](int index) { ShowPage(index); },
                                     [this] {
                                         // Through the desktop portal a copy may bring up the
                                         // desktop's dialog or flash the screen; opening the
                                         // view by hovering must not do that on its own.
                                         if (!m_screenRefresh.answersLater()) CaptureScreen();
                                     }},
                                    this);
    m_pageOptions = new WindowPageOptions(m_shellOptions, m_hintOptions, m_sampleOptions,
                                          *m_shellDriver, this);
    m_settings->windowPage->whenMade([this] {
        m_appearance->AttachControls(*m_settings->languageGroup, *m_settings->fontGroup);
        m_pageOptions->attach(*m_settings);
    });
    WireIndicatorFollow(*m_selection, *StatusBar1, m_model, m_editing, m_palettePicking,
                        m_screenPicker);
    m_interactiveHints = new InteractiveHints(*StatusBar1, *m_pageOptions, *m_settings,
                                              m_uiTexts, m_hintOptions, this);
    m_interactiveHints->follow(this);
}

void THuebit::wireSample() {
    SelectionPage* page = m_selection;
    m_sampleMenu = WireSample({*page, *m_settings, m_model, m_sampleSettings, m_palettePicking,
                               m_sampleOptions,
                               [this]() -> FontDialog& { return *m_fontDialog; },
                               [this] {
                                   if (m_colPanel) m_colPanel->ShowHide();
                               },
                               {[this, page] { m_export.CopyColorText(page->Edit1->text()); },
                                [this] { m_export.CopySampleBitmap(); },
                                [this] { m_export.CopySampleMetafile(); }},
                               [this](int index) { ShowPage(index); },
                               [this](const QString& text) { StatusBar1->showHeldMessage(text); }});
    connect(&m_sampleSettings, &SampleTextSettings::statusMessage, StatusBar1,
            [this](const QString& text) { StatusBar1->showHeldMessage(text); });
}

void THuebit::wireKeys() {
    m_windowPick = new WindowPick(
        {[this] { return m_model.Templates().activeEntry(); },
         [this] { return m_screenPicker.Diameter(); },
         [this](Color c) { m_model.ApplyColor(c, coNormal); }},
        this);
    new WindowKeys(*this, {{WindowKeyCommand::CopyText,
                            [this] { m_export.CopyColorText(m_selection->Edit1->text()); }},
                           {WindowKeyCommand::CopyBitmap, [this] { m_export.CopySampleBitmap(); }},
                           {WindowKeyCommand::CopyVector, [this] { m_export.CopySampleMetafile(); }},
                           {WindowKeyCommand::Pick, [this] { m_windowPick->start(); }},
                           {WindowKeyCommand::Close, [this] { StartClosing(); }},
                           {WindowKeyCommand::Readable, [this] {
                                StatusBar1->showHeldMessage(
                                    MakeSampleTextReadable(m_model, m_sampleOptions.ReadableTarget()));
                            }}});
}

void THuebit::wireScreen() {
    connect(&m_screenRefresh, &ScreenRefresh::windowLeaving, this, [this] { hide(); });
    connect(&m_screenRefresh, &ScreenRefresh::windowReturning, this, [this] {
        resize(m_shell.fullClientWidth, m_shell.fullClientHeight);
        show();
    });
    connect(&m_screenRefresh, &ScreenRefresh::captureFailed, StatusBar1,
            [this](const QString& text) {
                // Why the copy failed; it stays under the passing hints until the next copy.
                StatusBar1->clearMessage();
                StatusBar1->setNotice(text);
            });
    // The page makes its controls when first shown, or once the window has been painted.
    m_screen->whenMade([this] {
        WireScreenPage({*m_screen, m_screenPicker, m_export, [this] { CaptureScreen(); },
                        [this] {
                            m_model.ApplyColor(m_screenPicker.PickedScreenColor(), coNormal);
                            ShowPage(0);
                        },
                        [this] { SaveScreenImage(); }});
    });
    // Entering the screen page captures two ticks later, once the page has been painted.
    m_delayedScreenRefresh.setInterval(10);
    connect(&m_delayedScreenRefresh, &QTimer::timeout, this, [this] {
        if (m_delayedScreenTicks <= 0) {
            ++m_delayedScreenTicks;
            return;
        }
        m_delayedScreenRefresh.stop();
        m_delayedScreenTicks = 0;
        CaptureScreen();
    });
}

// Out of the picture while the copy is made; nothing waits for the windows below to repaint.
void THuebit::CaptureScreen() {
    if (m_screenRefresh.Pending()) return;
    StatusBar1->setNotice(QString());
    m_screenRefresh.Start(isVisible());
}

void THuebit::ReportExchange(const ExchangeResult& result) {
    if (!result.error.isEmpty())
        std::fprintf(stderr, "%s: %s\n", ExecutableName, qPrintable(result.error));
    if (!result.status.isEmpty()) StatusBar1->showMessage(result.status);
}

void THuebit::SaveScreenImage() {
    QFileDialog dialog(DialogParent(this), QString(), QString(),
                       QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (ExecWindowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_screenPicker.ScreenImage().save(BmpFileName(chosen), "BMP");
}

// The creation sequence. Steps whose subsystems do not exist yet are left out in place.
void THuebit::FormCreate() {
    m_shell.dialogOpen = false;
    m_shell.miniHeight = 23;
    m_shell.miniWidth = 34;
    m_shell.fullClientHeight = height();
    m_shell.fullClientWidth = width();
    m_uiTexts.reset();
    m_shell.windowShown = true;
    m_shell.closingFade = false;
    m_model.SetStartupDone(false);
    m_shellDriver->start();
    m_model.DrawRefinePalette(InitialRefineColor);
    // The named colours are sorted and drawn when their page makes its controls.
    m_selection->webPage->whenMade([this] { m_namedColors.ChooseOrder(NamedColorOrder::ByColor); });
    m_model.ClearPreviousColors();
    m_model.ClearUserPalette();
    m_model.SetSampleTextColor(DefaultSampleTextColor);
    m_model.ApplyColor(StartColor, coNormal);
    // A first start's language comes before the sample text, which takes its entry 0.
    if (!m_startLanguage.isEmpty()) m_appearance->RestoreLanguage(m_startLanguage);
    m_model.SetSampleText(m_uiTexts[0]);
    LoadSettings();
    m_sampleSettings.ResetSampleTextSettings(); // the parameters box starts as the sample is
    m_model.SetStartupDone(true);
    m_model.SetGradientColors(DefaultGradientStart, DefaultGradientEnd);
    m_model.DrawGradient();
    m_screenRefresh.StartAtCreation();
    if (m_shellOptions.openOnScreenPage) ShowPage(1);
    m_colorIndicator->start();
    // The steps above may have moved the window; put it back where the user left it, from the
    // lines the settings load kept (none without a file: the window then stays).
    WindowSettings target(*this);
    ApplyWindowPlace(m_settingsBuffer, target);
}

void THuebit::setColPanel(TColPanel* panel) {
    m_colPanel = panel;
    m_interactiveHints->follow(panel);
    m_shellDriver->setPanel(panel);
    m_shellDriver->rules().PanelCreated();
    connect(&m_model, &ColorModel::changed, panel, &TColPanel::refresh);
    connect(panel, &TColPanel::contextMenuRequested, m_sampleMenu,
            [this](QPoint at) { m_sampleMenu->popup(at); });
}

void THuebit::LoadSettings() {
    move(0, 0);
    QString refusal;
    const auto stored = LoadSettingsFile(m_settingsLocation.loadPath, &refusal);
    // The start goes on with the defaults; the user learns why the file was passed over.
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "%s: the settings were not read: %s\n", ExecutableName,
                     qPrintable(refusal));
    }
    if (stored) {
        m_settingsBuffer = *stored;
        WindowSettings target(*this);
        m_appearance->HoldFontWalks();
        ApplySettings(m_settingsBuffer, target);
        m_appearance->ReleaseFontWalks();
    }
    // Whether or not a file was read: the stacking follows the option.
    m_shellDriver->setStayOnTop(m_shellOptions.stayOnTop);
}

void THuebit::SaveSettings() {
    if (m_settingsLocation.savePath.isEmpty()) return;
    m_settingsBuffer = ToSettingsBuffer(CollectWindowSettings(*this));
    const QString error = SaveSettingsFile(m_settingsLocation.savePath, m_settingsBuffer);
    // The close goes on regardless; the user learns where the settings could not go.
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: the settings could not be saved to %s: %s\n", ExecutableName,
                     qPrintable(m_settingsLocation.savePath), qPrintable(error));
    }
}

void THuebit::FormActivate() {
    // Repaint the six bars, red to value: inner fill first, then the trough.
    const ComponentEditors* e = m_selection->editors;
    for (ComponentBar* bar : {e->rgbBars[0], e->rgbBars[1], e->rgbBars[2], e->hsvBars[0],
                              e->hsvBars[1], e->hsvBars[2]}) {
        if (bar) bar->update(); // a page not made yet has no bars
    }
}

void THuebit::FormCloseQuery() {
    if (m_closeQueried) return; // after the move below a second save would store x = -500
    m_closeQueried = true;
    SaveSettings();
    move(-500, y());
    m_shellDriver->removeTrayIcon();
}

void THuebit::StartClosing() { m_shellDriver->rules().StartClosing(); }

int THuebit::opacity() const { return m_shellDriver->opacity(); }

void THuebit::RequestClose() {
    if (m_colPanel) m_colPanel->hide();
    close();
}

void THuebit::CommitSettings() {
    if (!m_closeQueried) SaveSettings();
}

void THuebit::CloseQueryOnQuit() { FormCloseQuery(); }

bool THuebit::BringForward() {
    if (m_closed) return false;
    return m_shellDriver->rules().BringForward(); // out of the tray and the mini-window
}

bool THuebit::TakePickedColor(Color c) {
    if (m_closed) return false;
    m_model.ApplyColor(c, coNormal);
    m_model.PushPreviousColor(); // recorded even when it was the current colour already
    return true;
}

ScreenPage* THuebit::screenPage() const {
    m_screen->make();
    return m_screen;
}

void THuebit::ShowAbout() { m_shellDriver->rules().ShowAbout(); }

void THuebit::ShowPage(int index) {
    m_programSwitchesPage = true;
    PageControl1->setCurrentIndex(index);
    m_programSwitchesPage = false;
}

// Runs when the user switches the main pages.
void THuebit::PageControl1Change(int index) {
    if (m_hintOptions.interactiveHints) StatusBar1->showMessage(m_uiTexts[25 + index]);
    if (index == 1) m_delayedScreenRefresh.start();
    if (index == 2) {
        m_settings->ResetTemplateEditor();
        m_sampleSettings.ResetSampleTextSettings();
    }
}

bool THuebit::event(QEvent* event) {
    // Qt's own status tips come on entering and leaving a widget; the automatic hint follows
    // the element under the pointer instead (InteractiveHints).
    if (event->type() == QEvent::StatusTip) return true;
    if (event->type() == QEvent::WindowActivate) FormActivate();
    if (event->type() == QEvent::Show && m_fitOnShow)
        QMetaObject::invokeMethod(this, [this] { FitClientToFont(); }, Qt::QueuedConnection);
    // The pages not shown at first are made once the window is on the screen.
    if (event->type() == QEvent::Show && !m_pagesScheduled) {
        m_pagesScheduled = true;
        AfterFirstPaint(*this, [this] { MakeAllPages(this); });
    }
    return QWidget::event(event);
}

void THuebit::closeEvent(QCloseEvent* event) {
    if (m_creating) {
        // A message box of the creation lets the tray menu's "Закрыть" in. Saving now would
        // store a half-read settings file: the box gives way, the creation ends, and the
        // window closes then.
        m_closeWhenCreated = true;
        event->ignore();
        CloseModalWindows();
        return;
    }
    FormCloseQuery();
    event->accept();
    if (m_closed) return;
    m_closed = true;
    emit closed();
}

void THuebit::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Only points no control covers drag the window, as a title bar would: the title strip and
    // the window's own background. A press a page lets through (a near miss of a palette) stays.
    QWidget* under = childAt(event->position().toPoint());
    if (under && under != m_titleStrip) return;
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    m_manualMove = true;
    m_moveOffset = event->globalPosition().toPoint() - pos();
}

void THuebit::mouseMoveEvent(QMouseEvent* event) {
    if (m_manualMove && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_moveOffset);
    }
}

void THuebit::mouseReleaseEvent(QMouseEvent*) { m_manualMove = false; }

void THuebit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(EmptySlotColor));
}

} // namespace huebit
