// The settings file applied to the real window through its operations, and collected back.
#include "settings/settings_file.h"
#include "settings/settings_walk.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/pixel_buffer_view.h"
#include "ui/qt_color.h"
#include "ui/sample_view.h"
#include "ui/image_button.h"
#include "ui/refine_pages.h"
#include "ui/selection_page.h"
#include "ui/sample_text_page.h"
#include "ui/lazy_page.h"
#include "ui/settings_page.h"
#include "ui/text_line.h"
#include "ui/title_strip.h"
#include "ui/indicator_mode_group.h"
#include "ui/status_line.h"
#include "ui/color_swatch.h"
#include "output/status_hints.h"
#include "ui/window_options_group.h"
#include "ui/window_page_options.h"
#include "ui/window_settings.h"
#include "ui/color_indicator.h"
#include "core/ui_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace huebit;
namespace L = SettingsLine;

namespace {

// A file with something unusual in every setting the window already acts on.
SettingsRecord craftedRecord() {
    SettingsRecord r;
    r.windowPos = {33, 44};
    r.palettePage = 1;
    r.target = ColorTarget::Text;
    r.sampleBackground = RGB(10, 20, 30);
    r.sampleTextColor = RGB(200, 100, 50);
    r.hints.interactiveHints = false;
    r.hints.hsvNotation = true;
    for (int i = 0; i < 20; ++i) r.userPalette[i] = RGB(12 * i, 255 - i, 3 * i);
    r.previousColors[0] = RGB(200, 100, 50); // the colour the load makes current is the newest
    r.previousColors[1] = RGB(1, 2, 3);
    r.templates = {"A dR", "B hR", "C dG", "D hG", "E dB", "F hB"};
    r.templateIndex = 4;
    r.sampleText = QStringLiteral("Образец");
    r.editorPage = 1;
    r.auxPage = 2;
    r.floatingPanel = {10, 20, 100, 50};
    r.sample = {30, 40, true, false, true};
    r.shell.openOnHover = false;
    r.shell.stayOnTop = false;
    r.shell.transparency = 77;
    r.shell.openOnScreenPage = false;
    r.shell.largeIndicator = true;
    r.shell.fontName = "Serif";
    return r;
}

class Files {
public:
    Files() : load(dir.filePath("in/Huebit.cnf")), save(dir.filePath("out/Huebit.cnf")) {}
    SettingsLocation location() const { return {load, save}; }
    void write(const SettingsBuffer& b) const { QVERIFY(SaveSettingsFile(load, b).isEmpty()); }
    SettingsBuffer saved() const { return LoadSettingsFile(save).value_or(SettingsBuffer()); }

    QTemporaryDir dir;
    QString load, save;
};

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void craftedFileReachesTheWindow();
    void closingWritesWhatWasLoaded();
    void hiddenSampleTextComesBackHidden();
    void withoutAFileEveryDefaultHolds();
    void closeQueryRunsOnceWhateverEndsTheProgram();
    void floatingPanelTakesItsLines();
    void anUnwritableLocationDoesNotStopTheClose();
    void theWinPageIsNeverKept();
    void optionsChangedBeforeTheirPageIsMadeShowWhenItIs();
};

void SettingsWindowTest::craftedFileReachesTheWindow() {
    Files files;
    const SettingsRecord r = craftedRecord();
    files.write(ToSettingsBuffer(r));
    THuebit w(files.location());
    const ColorModel& m = w.model();
    const SelectionPage* page = w.selectionPage();

    QCOMPARE(w.pos(), QPoint(33, 44));
    QCOMPARE(m.Target(), ColorTarget::Text);
    QVERIFY(page->RadioButton2->isChecked());
    QCOMPARE(m.SampleState().background, RGB(10, 20, 30));
    QCOMPARE(m.SampleState().text, RGB(200, 100, 50));
    QCOMPARE(m.LastColor(), RGB(200, 100, 50));
    QCOMPARE(m.SampleState().caption, QStringLiteral("Образец"));
    for (int i = 0; i < 20; ++i) {
        // The whole slot is painted, the gap column beside it keeps the window colour.
        QCOMPARE(m.UserPalette().pixels().pixel(15 * i, 0), r.userPalette[i]);
        QCOMPARE(m.UserPalette().pixels().pixel(15 * i + 13, 16), r.userPalette[i]);
        QCOMPARE(m.UserPalette().pixels().pixel(15 * i + 14, 8), EmptySlotColor);
    }
    QCOMPARE(m.PreviousColors().slotColor(0), RGB(200, 100, 50));
    QCOMPARE(m.PreviousColors().slotColor(1), RGB(1, 2, 3));
    QCOMPARE(m.PreviousColors().slotColor(2), EmptySlotColor);
    QCOMPARE(page->ComboBox1->count(), 6);
    QCOMPARE(page->ComboBox1->currentIndex(), 4);
    QCOMPARE(m.TextLine(), QStringLiteral("E 50"));
    // The page shows the state the creation ended in: the sample, the text line, the strips.
    QCOMPARE(page->Panel4->background(), RGB(10, 20, 30));
    QCOMPARE(page->Panel4->textColor(), RGB(200, 100, 50));
    QCOMPARE(page->Edit1->text(), QStringLiteral("E 50"));
    const QImage strip = page->Image1->grab().toImage();
    QCOMPARE(strip.pixel(15 * 3 + 5, 8), ToQRgb(r.userPalette[3]));
    QCOMPARE(page->PageControl2->currentIndex(), 1);
    QCOMPARE(page->editors->currentIndex(), 1);
    QCOMPARE(page->refinePages->currentIndex(), 2);
    // Hints off: the status line says how to switch them on and ignores element hints.
    QCOMPARE(w.statusBar()->currentMessage(), UiTexts::defaultText(15));
    QStatusTipEvent tip(QStringLiteral("Закрыть"));
    QApplication::sendEvent(w.titleStrip()->Image10, &tip);
    QCOMPARE(w.statusBar()->currentMessage(), UiTexts::defaultText(15));
    QVERIFY(w.hintOptions().hsvNotation);
    // The "Окно" sub-page makes its controls when it first shows: they show what was loaded.
    QVERIFY(!w.settingsPage()->windowPage->made());
    w.settingsPage()->windowPage->make();
    QCOMPARE(w.settingsPage()->SpinEdit4->value(), 30);
    QCOMPARE(w.settingsPage()->SpinEdit5->value(), 40);
    QVERIFY(!w.settingsPage()->SpinEdit5->isEnabled()); // the square option's click action ran
    QVERIFY(!w.settingsPage()->CheckBox10->isChecked());
    QCOMPARE(w.sampleOptions().SampleSize(), QSize(30, 30));
    w.settingsPage()->samplePage->make(); // as when its sub-page first shows
    QVERIFY(w.settingsPage()->samplePage->aaaBox->isChecked());
    QCOMPARE(w.sampleOptions().ReadableTarget(), ReadableTargetAAA);
    QVERIFY(!w.titleStrip()->CheckBox4->isChecked());
    QCOMPARE(w.shellOptions().transparency, 77);
    // The settings page's options show what was loaded, and their actions ran.
    const WindowOptionsGroup* o = w.settingsPage()->options;
    QVERIFY(!o->CheckBox1->isChecked());
    QVERIFY(!o->CheckBox7->isEnabled()); // closed while the hints are off
    QVERIFY(o->RadioButton10->isChecked());
    QVERIFY(!o->CheckBox9->isChecked());
    QVERIFY(!w.shellOptions().stayOnTop);
    QVERIFY(!o->CheckBox3->isChecked());
    QCOMPARE(o->TrackBar1->value(), 77);
    QVERIFY(w.colorIndicator().isLarge());
    QCOMPARE(w.pages()->currentIndex(), 0); // not opened on the screen page
}

void SettingsWindowTest::closingWritesWhatWasLoaded() {
    Files files;
    const SettingsBuffer crafted = ToSettingsBuffer(craftedRecord());
    files.write(crafted);
    {
        THuebit w(files.location());
        TColPanel panel(w.model(), w.settingsBuffer());
        w.setColPanel(&panel);
        w.close();
        QCOMPARE(w.x(), -500);
    }
    const SettingsBuffer saved = files.saved();
    QCOMPARE(saved.size(), SettingsLineCount);
    for (int i = 0; i < SettingsLineCount; ++i) {
        QVERIFY2(saved.line(i) == crafted.line(i),
                 qPrintable(QStringLiteral("line %1: \"%2\", not \"%3\"")
                                .arg(i).arg(saved.line(i), crafted.line(i))));
    }
}

void SettingsWindowTest::hiddenSampleTextComesBackHidden() {
    Files files;
    SettingsRecord r = craftedRecord();
    r.sampleTextShown = false;
    files.write(ToSettingsBuffer(r));
    THuebit w(files.location());
    const ColorModel& m = w.model();
    QVERIFY(!m.SampleState().textSwitchEnabled);
    QVERIFY(m.SampleState().caption.isEmpty());
    QCOMPARE(m.SampleState().sampleText, QStringLiteral("Образец"));
    QCOMPARE(m.Target(), ColorTarget::Background); // hiding the text selected the background
    QCOMPARE(m.LastColor(), RGB(10, 20, 30));
    QVERIFY(!w.selectionPage()->RadioButton2->isEnabled());
    QCOMPARE(CollectWindowSettings(w).sampleTextShown, false);
    QCOMPARE(CollectWindowSettings(w).target, ColorTarget::Background);
}

void SettingsWindowTest::withoutAFileEveryDefaultHolds() {
    Files files;
    THuebit w(files.location());
    SettingsRecord expected;
    expected.previousColors[0] = StartColor; // the start colour is committed at creation
    expected.floatingPanel = SettingsRecord().floatingPanel;
    QVERIFY(CollectWindowSettings(w) == expected);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.settingsBuffer().lines().isEmpty());
    QCOMPARE(w.pos(), QPoint(0, 0));
    w.close();
    QVERIFY(ReadSettingsRecord(files.saved()) == expected);
}

void SettingsWindowTest::closeQueryRunsOnceWhateverEndsTheProgram() {
    Files files;
    files.write(ToSettingsBuffer(craftedRecord()));
    THuebit w(files.location());
    w.CommitSettings(); // the session asks first: written, the window stays
    QCOMPARE(files.saved().line(L::WindowLeft), "33");
    QCOMPARE(w.x(), 33);
    w.RequestClose();
    w.CloseQueryOnQuit(); // the quit that follows must not save the off-screen place
    w.CommitSettings();
    QCOMPARE(w.x(), -500);
    QCOMPARE(files.saved().line(L::WindowLeft), "33");
}

void SettingsWindowTest::floatingPanelTakesItsLines() {
    QStringList lines(SettingsLineCount);
    ColorModel model;
    lines[L::PanelWidth] = "100";
    lines[L::PanelHeight] = "50";
    lines[L::PanelLeft] = "10";
    lines[L::PanelTop] = "20";
    TColPanel panel(model, SettingsBuffer(lines));
    QCOMPARE(panel.geometry(), QRect(10, 20, 100, 50));
    lines[L::PanelHeight] = "tall";
    TColPanel half(model, SettingsBuffer(lines));
    QCOMPARE(half.geometry(), QRect(220, 582, 100, 73));
    QVERIFY(!panel.testAttribute(Qt::WA_QuitOnClose));
}

void SettingsWindowTest::anUnwritableLocationDoesNotStopTheClose() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    THuebit w({QString(), dir.filePath("blocker/Huebit.cnf")});
    w.show();
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.x(), -500);
}

void SettingsWindowTest::theWinPageIsNeverKept() {
    THuebit w;
    QTabWidget* palettes = w.selectionPage()->PageControl2;
    const QSignalBlocker blocker(palettes); // as a close finds it while the colour dialog is open
    palettes->setCurrentIndex(3);
    QCOMPARE(CollectWindowSettings(w).palettePage, 0);
    palettes->setCurrentIndex(2);
    QCOMPARE(CollectWindowSettings(w).palettePage, 2);
}

// The "Окно" options change through the same operations whether or not their controls are made
// yet; the controls, made later, show them, held to the controls' ranges, and change them again.
void SettingsWindowTest::optionsChangedBeforeTheirPageIsMadeShowWhenItIs() {
    THuebit w;
    WindowPageOptions& options = w.pageOptions();
    SettingsPage* page = w.settingsPage();
    QVERIFY(!page->windowPage->made());
    options.setStayOnTop(false);
    options.setTransparency(300);
    options.setSampleWidth(0);
    options.setSampleHeight(42);
    options.setSampleSquare(true);
    options.setHsvNotation(true);
    options.setIndicatorMode(IndicatorMode::Unused);
    options.setInteractiveHints(false);
    QCOMPARE(w.statusBar()->currentMessage(), w.uiTexts()[InteractiveHintsTextIndex(false)]);
    // The status line's double click switches the hints back on, the page still not made.
    QTest::mouseDClick(w.statusBar(), Qt::LeftButton, {}, {100, 10});
    QVERIFY(w.hintOptions().interactiveHints);
    QCOMPARE(w.statusBar()->currentMessage(), w.uiTexts()[InteractiveHintsTextIndex(true)]);
    QVERIFY(!w.shellOptions().stayOnTop);
    QCOMPARE(w.shellOptions().transparency, 255);
    QCOMPARE(w.sampleOptions().SampleSize(), QSize(1, 1));
    QCOMPARE(w.sampleOptions().height, 42);
    QVERIFY(!page->windowPage->made());

    page->windowPage->make();
    const WindowOptionsGroup* g = page->options;
    QVERIFY(!g->CheckBox9->isChecked());
    QCOMPARE(g->TrackBar1->value(), 255);
    QCOMPARE(g->Panel57->color(), RGB(0, 0, 0));
    QCOMPARE(page->SpinEdit4->value(), 1);
    QCOMPARE(page->SpinEdit5->value(), 42);
    QVERIFY(page->CheckBox11->isChecked());
    QVERIFY(!page->SpinEdit5->isEnabled());
    QVERIFY(g->RadioButton10->isChecked());
    QVERIFY(g->CheckBox1->isChecked());
    QVERIFY(g->CheckBox7->isEnabled() && g->RadioButton10->isEnabled());
    QVERIFY(page->indicatorGroup->RadioButton8->isChecked());
    // From now on the controls change the options, and the options' changes show on them.
    g->CheckBox9->click();
    QVERIFY(w.shellOptions().stayOnTop);
    page->CheckBox11->click();
    QVERIFY(page->SpinEdit5->isEnabled());
    QCOMPARE(w.sampleOptions().SampleSize(), QSize(1, 42));
    QTest::mouseDClick(w.statusBar(), Qt::LeftButton, {}, {100, 10});
    QVERIFY(!g->CheckBox1->isChecked());
    QVERIFY(!g->CheckBox7->isEnabled() && !g->RadioButton10->isEnabled());
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
