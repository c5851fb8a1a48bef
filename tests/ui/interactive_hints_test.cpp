// The status line with real pointer moves and clicks: the automatic hint, the option that
// switches it and the page descriptions.
#include "core/ui_texts.h"
#include "palettes/palette_picking.h"
#include "ui/app_look.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/interactive_hints.h"
#include "ui/pixel_buffer_view.h"
#include "ui/refine_pages.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/window_appearance.h"
#include "ui/window_options_group.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

using namespace huebit;

namespace {

struct Shown {
    Shown() {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) qFatal("window not exposed");
        w.ShowPage(0);
        QTest::qWait(20);
    }
    QString status() const { return w.statusBar()->currentMessage(); }
    WindowOptionsGroup& options() { return *w.settingsPage()->options; }
    THuebit w;
};

// Clicks a tab as the user does, on the tab bar.
void clickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

} // namespace

class InteractiveHintsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void pointerOverAPaletteShowsItsColour();
    void explicitTextsStayOverElementsWithoutAHint();
    void doubleClickOnTheLineTogglesTheOption();
    void switchedOffTheLineAndIndicatorStayPut();
    void componentsOptionGovernsTheNotationChoice();
    void settingsSubPagesDescribeThemselvesOnlyWhenChosen();
    void noToolTipEverPopsUp();
    void aLongTextEndsInAnEllipsisButIsReadWhole();
};

void InteractiveHintsTest::pointerOverAPaletteShowsItsColour() {
    Shown s;
    PixelBufferView* tiles = s.w.selectionPage()->aPalImage1;
    QTest::mouseMove(tiles, {1, 0});
    const QString want = PointerColorText(
        s.w.uiTexts()[7], s.w.palettePicking().Element(PaletteId::Tile).pixel(1, 0), true, false);
    QTRY_COMPARE(s.status(), want);
    QVERIFY(want.startsWith(QStringLiteral("Цветовые оттенки ( r=")));
    // The status text is a label inside the bar, which assistive technologies read.
    QCOMPARE(s.w.statusBar()->textLabel()->accessibleName(), want);
    QCOMPARE(s.w.statusBar()->accessibleDescription(), want);
    // A bar rewrites its hint as the pointer moves; the line follows.
    ComponentBar* red = s.w.selectionPage()->editors->rgbBars[0];
    QTest::mouseMove(red, {95, 5});
    QTRY_VERIFY(s.status().startsWith(QStringLiteral("Красная компонента RGB 0-255\\136\\")));
}

void InteractiveHintsTest::explicitTextsStayOverElementsWithoutAHint() {
    Shown s;
    SelectionPage* page = s.w.selectionPage();
    QTest::mouseMove(page->aPalImage1, {10, 10});
    QTRY_VERIFY(s.status().startsWith(QStringLiteral("Цветовые оттенки")));
    // A tab of a page control that has no hint: the page's description, which stays while the
    // pointer goes over other elements without a hint.
    clickTab(page->PageControl2, 1);
    QCOMPARE(page->PageControl2->currentIndex(), 1);
    QTRY_COMPARE(s.status(), s.w.uiTexts()[3]);
    QTest::mouseMove(page->PageControl2->tabBar(),
                     page->PageControl2->tabBar()->tabRect(0).center());
    QTest::mouseMove(page, {370, 200}); // the page's bare background
    QTest::qWait(30);
    QCOMPARE(s.status(), s.w.uiTexts()[3]);
    // An element with a hint takes the line again.
    QTest::mouseMove(page->Panel4, {20, 20});
    QTRY_COMPARE(s.status(), QStringLiteral("Пример использования цвета"));
    // The refinement set and the editors describe their pages too.
    clickTab(page->editors, 1);
    QTRY_COMPARE(s.status(), s.w.uiTexts()[36]);
    clickTab(page->refinePages, 2);
    QTRY_COMPARE(s.status(), s.w.uiTexts()[34]);
    clickTab(s.w.pages(), 2);
    QTRY_COMPARE(s.status(), s.w.uiTexts()[27]);
}

void InteractiveHintsTest::doubleClickOnTheLineTogglesTheOption() {
    Shown s;
    QCheckBox* option = s.options().CheckBox1;
    StatusLine* line = s.w.statusBar();
    QVERIFY(option->isChecked());
    QTest::mouseDClick(line, Qt::LeftButton, {}, {100, 10});
    QVERIFY(!option->isChecked());
    QVERIFY(!s.w.hintOptions().interactiveHints);
    QCOMPARE(s.status(), s.w.uiTexts()[15]);
    QTest::mouseDClick(line->textLabel(), Qt::LeftButton, {}, {30, 5}); // on the text itself
    QVERIFY(option->isChecked());
    QVERIFY(s.w.hintOptions().interactiveHints);
    QCOMPARE(s.status(), s.w.uiTexts()[14]);
    // A click on the box runs the same.
    QTest::mouseClick(option, Qt::LeftButton, {}, {6, option->height() / 2});
    QVERIFY(!option->isChecked());
    QCOMPARE(s.status(), s.w.uiTexts()[15]);
}

void InteractiveHintsTest::switchedOffTheLineAndIndicatorStayPut() {
    Shown s;
    s.options().CheckBox1->setChecked(false);
    const QString off = s.w.uiTexts()[15];
    QCOMPARE(s.status(), off);
    SelectionPage* page = s.w.selectionPage();
    QTest::mouseMove(page->aPalImage1, {10, 10});
    QTest::mouseMove(page->editors->rgbBars[1], {50, 5});
    clickTab(page->PageControl2, 1);
    clickTab(page->editors, 1);
    QTest::mouseMove(page, {370, 200});
    QTest::qWait(30);
    QCOMPARE(s.status(), off);
    // The sample has no readout of its own: the indicator follows it only with the hint on.
    const Color indicator = s.w.palettePicking().IndicatorColor();
    QTest::mouseMove(page->Panel4, {30, 20});
    QTest::qWait(30);
    QCOMPARE(s.w.palettePicking().IndicatorColor(), indicator);
    // On again: the line says so, and keeps saying it until the pointer meets another hint.
    s.options().CheckBox1->setChecked(true);
    QCOMPARE(s.status(), s.w.uiTexts()[14]);
    QTest::mouseMove(page->Panel4, {40, 20});
    QTest::qWait(30);
    QCOMPARE(s.status(), s.w.uiTexts()[14]);
    QTest::mouseMove(page->Image2, {290, 5}); // an empty place
    QTRY_COMPARE(s.status(), s.w.uiTexts()[12]);
}

void InteractiveHintsTest::componentsOptionGovernsTheNotationChoice() {
    Shown s;
    WindowOptionsGroup& g = s.options();
    const auto state = [&g] {
        return QList<bool>{g.CheckBox7->isEnabled(), g.RadioButton9->isEnabled(),
                           g.RadioButton10->isEnabled()};
    };
    QCOMPARE(state(), (QList<bool>{true, true, true}));
    g.CheckBox1->setChecked(false); // components set, yet the choice closes with the hint
    QCOMPARE(state(), (QList<bool>{false, false, false}));
    g.CheckBox1->setChecked(true);
    QCOMPARE(state(), (QList<bool>{true, true, true}));
    g.CheckBox7->setChecked(false);
    QCOMPARE(state(), (QList<bool>{true, false, false}));
    g.CheckBox1->setChecked(false);
    g.CheckBox1->setChecked(true);
    QCOMPARE(state(), (QList<bool>{true, false, false})); // stays closed
    g.CheckBox7->setChecked(true);
    QCOMPARE(state(), (QList<bool>{true, true, true}));
}

void InteractiveHintsTest::settingsSubPagesDescribeThemselvesOnlyWhenChosen() {
    Shown s;
    s.w.ShowPage(2);
    QTabWidget* sub = s.w.settingsPage()->PageControl5;
    for (int index : {1, 2, 0}) {
        clickTab(sub, index);
        QTRY_COMPARE(s.status(), s.w.uiTexts()[29 + index]);
    }
    s.w.statusBar()->showMessage(QStringLiteral("x"));
    s.w.settingsPage()->ShowSubPage(2); // the program's own switch
    QCOMPARE(s.status(), QStringLiteral("x"));
}

void InteractiveHintsTest::noToolTipEverPopsUp() {
    Shown s;
    QWidget* sample = s.w.selectionPage()->Panel4;
    sample->setToolTip(QStringLiteral("tip")); // even a widget that has one
    QHelpEvent help(QEvent::ToolTip, {10, 10}, sample->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(sample, &help);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());
}

void InteractiveHintsTest::aLongTextEndsInAnEllipsisButIsReadWhole() {
    Shown s;
    s.w.appearance().SetFontSize(14);
    s.options().CheckBox1->setChecked(false);
    const QString off = s.w.uiTexts()[15];
    QLabel* label = s.w.statusBar()->textLabel();
    QCOMPARE(label->accessibleName(), off);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    s.w.statusBar()->showMessage(s.w.uiTexts()[29]); // a text with room: shown whole
    QCOMPARE(label->text(), s.w.uiTexts()[29]);
}

QTEST_MAIN(InteractiveHintsTest)
#include "interactive_hints_test.moc"
