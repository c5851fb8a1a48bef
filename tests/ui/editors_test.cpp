// Real key and mouse events on the component editors, the template selector and the text line.
#include "core/text_template.h"
#include "ui/app_look.h"
#include "widget_events.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/press_button.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/text_line.h"
#include "ui/title_strip.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QListView>
#include <QAbstractItemView>
#include <QComboBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace huebit;
using huebit::test::sendMouse;

namespace {

void showActive(THuebit& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

class EditorsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void leftDragOnABarChangesTheColourLive();
    void rightDragOnABarOnlyRewritesItsHint();
    void enterInAFieldAppliesAndMovesTheFocusAway();
    void badFieldReportsInTheStatusLine();
    void maxButtonGivesFullComponent();
    void swatchRightClickTargetsTheText();
    void selectorRendersOnChoiceAndOnEveryKeystroke();
    void selectorKeepsCursorSelectionAndUndoWhileTyping();
    void selectorDoesNotCompleteATypedText();
    void choosingTheIndexedEntryAfterTypingSelectsIt();
    void textLineIsPaddedOnlyWhileFocused();
    void textLineContextMenuKeepsTheTypedText();
    void otherPopupsStillCountAsFocusLoss();
    void minMaxButtonsActOnAPressWithAnyButton();
    void longPasteIsReadWhole();
    void typedColourInTheTextLine();
    void templateEditorResetAndApply();
    void selectorListIsMadeWhenItFirstOpens();
    void editorPagesMadeLaterShowTheColourAndAct();
};

void EditorsTest::leftDragOnABarChangesTheColourLive() {
    THuebit w;
    MakeAllPages(&w);
    ComponentBar* red = w.selectionPage()->editors->rgbBars[0];
    sendMouse(red, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(GetRValue(w.model().LastColor()), ComponentFromBarFill(10, 190));
    sendMouse(red, QEvent::MouseMove, {189, 5}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(GetRValue(w.model().LastColor()), 254);
    QCOMPARE(red->fill(), 189);
    sendMouse(red, QEvent::MouseButtonRelease, {300, 5}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(GetRValue(w.model().LastColor()), 255);
    QCOMPARE(w.selectionPage()->editors->decimalEdits[0]->text(), QStringLiteral("255"));
}

void EditorsTest::rightDragOnABarOnlyRewritesItsHint() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    w.ShowPage(0);
    ComponentBar* red = w.selectionPage()->editors->rgbBars[0];
    const Color before = w.model().LastColor();
    sendMouse(red, QEvent::MouseButtonPress, {149, 5}, Qt::RightButton, Qt::RightButton);
    sendMouse(red, QEvent::MouseMove, {149, 5}, Qt::NoButton, Qt::RightButton);
    sendMouse(red, QEvent::MouseButtonRelease, {149, 5}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(w.model().LastColor(), before);
    const QString hint = QStringLiteral("Красная компонента RGB 0-255\\136\\200");
    QCOMPARE(red->statusTip(), hint);
    QTRY_COMPARE(w.statusBar()->currentMessage(), hint); // the hint under the pointer
    sendMouse(red, QEvent::MouseMove, {20, 5}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(w.model().LastColor(), before);
}

void EditorsTest::enterInAFieldAppliesAndMovesTheFocusAway() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    QLineEdit* green = w.selectionPage()->editors->decimalEdits[1];
    green->setFocus();
    QTRY_VERIFY(green->hasFocus());
    green->selectAll();
    QTest::keyClicks(green, "200");
    QTest::keyClick(green, Qt::Key_Return);
    QCOMPARE(w.model().LastColor(), RGB(136, 200, 249));
    QTRY_VERIFY(w.titleStrip()->CheckBox4->hasFocus());
    QVERIFY(!green->hasFocus());
}

void EditorsTest::badFieldReportsInTheStatusLine() {
    THuebit w;
    MakeAllPages(&w);
    QLineEdit* hexRed = w.selectionPage()->editors->hexEdits[0];
    hexRed->selectAll();
    QTest::keyClicks(hexRed, "1G");
    QTest::keyClick(hexRed, Qt::Key_Return);
    QCOMPARE(w.model().LastColor(), StartColor);
    QCOMPARE(hexRed->text(), QStringLiteral("1G"));
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Не удалось установить цвет"));
}

void EditorsTest::maxButtonGivesFullComponent() {
    THuebit w;
    MakeAllPages(&w);
    QTest::mouseClick(w.selectionPage()->editors->maxButtons[0], Qt::LeftButton);
    QCOMPARE(GetRValue(w.model().LastColor()), 255);
    QTest::mouseClick(w.selectionPage()->editors->minButtons[2], Qt::LeftButton);
    QCOMPARE(GetBValue(w.model().LastColor()), 0);
}

void EditorsTest::swatchRightClickTargetsTheText() {
    THuebit w;
    MakeAllPages(&w);
    QTest::mouseClick(w.selectionPage()->editors->swatches[0],
                      Qt::RightButton);
    QCOMPARE(w.model().Target(), ColorTarget::Text);
    QCOMPARE(w.model().SampleState().text, RGB(255, 0, 0));
    QVERIFY(w.selectionPage()->RadioButton2->isChecked());
}

void EditorsTest::selectorRendersOnChoiceAndOnEveryKeystroke() {
    THuebit w;
    MakeAllPages(&w);
    SelectionPage* page = w.selectionPage();
    page->ComboBox1->setCurrentIndex(0);
    QCOMPARE(page->Edit1->text(), QStringLiteral("RGB(136,87,249)"));
    page->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(page->ComboBox1->lineEdit(), "dG");
    QCOMPARE(page->Edit1->text(), QStringLiteral("87"));
    QTest::keyClicks(page->ComboBox1->lineEdit(), "+");
    QCOMPARE(page->Edit1->text(), QStringLiteral("87+"));
    QCOMPARE(w.model().Templates().selected(), -1);
}

void EditorsTest::selectorKeepsCursorSelectionAndUndoWhileTyping() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    QLineEdit* field = page->ComboBox1->lineEdit();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClicks(field, "XY");
    QCOMPARE(field->text(), QStringLiteral("#XYhRhGhB - HTML"));
    QCOMPARE(field->cursorPosition(), 3);
    QCOMPARE(page->Edit1->text(), QStringLiteral("#XY8857F9"));
    // A selection made with the keyboard is replaced by the next key, not lost.
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("hR"));
    QTest::keyClicks(field, "dR");
    QCOMPARE(field->text(), QStringLiteral("#XYdRhGhB - HTML"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#XY13657F9"));
    // The field's own undo steps survive the re-rendering.
    field->undo();
    field->undo();
    QCOMPARE(field->text(), QStringLiteral("#hRhGhB - HTML"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#8857F9"));
    QCOMPARE(w.model().Templates().selected(), 2);
}

void EditorsTest::selectorDoesNotCompleteATypedText() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    QLineEdit* field = page->ComboBox1->lineEdit();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "#");
    QCOMPARE(field->text(), QStringLiteral("#"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#"));
    QTest::keyClicks(field, "hR");
    QCOMPARE(field->text(), QStringLiteral("#hR"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#88"));
}

void EditorsTest::choosingTheIndexedEntryAfterTypingSelectsIt() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    QTest::keyClicks(page->ComboBox1->lineEdit(), "!");
    QCOMPARE(w.model().Templates().selected(), -1);
    // The list still points at the entry the text was typed over; choosing it in the popup
    // (Enter on the highlighted line) selects it again.
    page->ComboBox1->showPopup();
    QAbstractItemView* list = page->ComboBox1->view();
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->currentIndex().row(), 2);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(w.model().Templates().selected(), 2);
    QCOMPARE(page->ComboBox1->currentText(), QStringLiteral("#hRhGhB - HTML"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#8857F9"));
}

void EditorsTest::textLineIsPaddedOnlyWhileFocused() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    page->ComboBox1->setCurrentIndex(0);
    page->Edit1->setFocus();
    QTRY_COMPARE(page->Edit1->text(), QStringLiteral("RGB(136,087,249)"));
    w.titleStrip()->CheckBox4->setFocus();
    QTRY_COMPARE(page->Edit1->text(), QStringLiteral("RGB(136,87,249)"));
}

// Opens the line's own context menu as a right click does, and closes it with Escape.
void openAndEscapeContextMenu(QLineEdit* line) {
    const QPoint at(10, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
    QApplication::sendEvent(line, &event);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void EditorsTest::textLineContextMenuKeepsTheTypedText() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    page->ComboBox1->setCurrentIndex(0);
    TextLine* line = page->Edit1;
    line->setFocus();
    QTRY_COMPARE(line->text(), QStringLiteral("RGB(136,087,249)"));
    line->setCursorPosition(4);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, "010");
    QCOMPARE(line->text(), QStringLiteral("RGB(010,087,249)"));
    openAndEscapeContextMenu(line);
    QTRY_VERIFY(line->hasFocus());
    QCOMPARE(line->text(), QStringLiteral("RGB(010,087,249)"));
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(w.model().LastColor(), RGB(10, 87, 249));
    // A real focus loss afterwards still renders the line unpadded.
    QTRY_COMPARE(line->text(), QStringLiteral("RGB(10,87,249)"));
}

// Only the line's own popups are exempt: another widget's menu is a focus loss as before.
void EditorsTest::otherPopupsStillCountAsFocusLoss() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    TextLine* line = page->Edit1;
    line->setFocus();
    QTRY_COMPARE(line->text(), QStringLiteral("#8857F9"));
    line->setText(QStringLiteral("#ABCDEF"));
    QMenu other(page);
    other.addAction(QStringLiteral("x"));
    other.popup(page->mapToGlobal(QPoint(5, 5)));
    QTRY_VERIFY(QApplication::activePopupWidget() == &other);
    QCOMPARE(line->text(), QStringLiteral("#8857F9"));
    other.close();
}

void EditorsTest::minMaxButtonsActOnAPressWithAnyButton() {
    THuebit w;
    MakeAllPages(&w);
    ComponentEditors* e = w.selectionPage()->editors;
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    for (Qt::MouseButton b : buttons) {
        w.model().ApplyColor(RGB(136, 136, 136), coNormal); // 136 survives the bars' round trip
        sendMouse(e->maxButtons[0], QEvent::MouseButtonPress, {5, 5}, b, b);
        QCOMPARE(GetRValue(w.model().LastColor()), 255); // on the press, before any release
        sendMouse(e->maxButtons[0], QEvent::MouseButtonRelease, {5, 5}, b, Qt::NoButton);
        sendMouse(e->minButtons[1], QEvent::MouseButtonPress, {5, 5}, b, b, Qt::ControlModifier);
        QCOMPARE(GetGValue(w.model().LastColor()), 0);
        sendMouse(e->minButtons[1], QEvent::MouseButtonRelease, {5, 5}, b, Qt::NoButton);
        QCOMPARE(w.model().LastColor(), RGB(255, 0, 136));
        sendMouse(e->maxButtons[4], QEvent::MouseButtonPress, {5, 5}, b, b); // saturation
        QCOMPARE(w.model().Bars().sat, 243);
        sendMouse(e->maxButtons[4], QEvent::MouseButtonRelease, {5, 5}, b, Qt::NoButton);
        sendMouse(e->minButtons[5], QEvent::MouseButtonPress, {5, 5}, b, b); // value
        QCOMPARE(w.model().Bars().val, 0);
        QCOMPARE(w.model().LastColor(), RGB(0, 0, 0));
        sendMouse(e->minButtons[5], QEvent::MouseButtonRelease, {5, 5}, b, Qt::NoButton);
    }
    // A press is one action: the release after it adds no second history entry.
    w.model().ApplyColor(RGB(0, 136, 0), coNormal);
    sendMouse(e->maxButtons[2], QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(e->maxButtons[2], QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.model().PreviousColors().pixels().pixel(2, 2), RGB(0, 136, 255));
    QCOMPARE(w.model().PreviousColors().pixels().pixel(17, 2), RGB(0, 136, 0));
    // The keyboard still presses a focused button.
    e->minButtons[1]->setFocus();
    QTest::keyClick(e->minButtons[1], Qt::Key_Space);
    QCOMPARE(w.model().LastColor(), RGB(0, 0, 255));
}

void EditorsTest::longPasteIsReadWhole() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    const QString digits(100000, QLatin1Char('7'));
    QApplication::clipboard()->setText(digits);
    QElapsedTimer clock;
    clock.start();

    QLineEdit* red = page->editors->decimalEdits[0];
    red->selectAll();
    QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(red->text().size(), 100000);
    QTest::keyClick(red, Qt::Key_Return); // far too large for a number: reported, nothing lost
    QCOMPARE(w.model().LastColor(), StartColor);
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Не удалось установить цвет"));
    QCOMPARE(red->text().size(), 100000);

    QLineEdit* field = page->ComboBox1->lineEdit();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text().size(), 100000);
    QCOMPARE(page->Edit1->text().size(), 100000); // no placeholders: the entry itself
    field->setCursorPosition(0);
    QTest::keyClicks(field, "dG ");
    QCOMPARE(page->Edit1->text(), QStringLiteral("87 ") + digits);

    w.model().ApplyColor(RGB(1, 1, 1), coNormal); // the red field shows a number again
    TextLine* line = page->Edit1;
    line->setFocus();
    QTRY_VERIFY(line->hasFocus());
    line->selectAll();
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text().size(), 100000);
    QTest::keyClick(line, Qt::Key_Return); // "dG " takes the first three sevens: 777 gives 255
    QCOMPARE(w.model().LastColor(), RGB(1, 255, 1));
    QVERIFY2(clock.elapsed() < 20000, "a long paste must not freeze the window");
}

void EditorsTest::typedColourInTheTextLine() {
    THuebit w;
    MakeAllPages(&w);
    showActive(w);
    SelectionPage* page = w.selectionPage();
    page->ComboBox1->setCurrentIndex(0);
    page->Edit1->setFocus();
    QTRY_VERIFY(page->Edit1->hasFocus());
    page->Edit1->selectAll();
    QTest::keyClicks(page->Edit1, "RGB(255,000,128)");
    QTest::keyClick(page->Edit1, Qt::Key_Return);
    QCOMPARE(w.model().LastColor(), RGB(255, 0, 128));
    QTRY_COMPARE(page->Edit1->text(), QStringLiteral("RGB(255,0,128)"));
}

void EditorsTest::templateEditorResetAndApply() {
    THuebit w;
    MakeAllPages(&w);
    SettingsPage* settings = w.settingsPage();
    QCOMPARE(settings->PageControl5->tabText(0), QStringLiteral("Окно"));
    QCOMPARE(settings->PageControl5->tabText(1), QStringLiteral("Шаблоны "));
    QCOMPARE(settings->PageControl5->tabText(2), QStringLiteral("Пример "));
    const QStringList firstStart = FirstStartTemplates();
    settings->PageControl5->setCurrentIndex(1); // as the user opens it
    QCOMPARE(settings->Memo2->toPlainText().split('\n'), firstStart);
    settings->Memo2->setPlainText("dR\n\nhG - two");
    QTest::mouseClick(settings->SpeedButton10, Qt::LeftButton); // reset drops the edit
    QCOMPARE(settings->Memo2->toPlainText().split('\n'), firstStart);
    settings->Memo2->setPlainText("dR\n\nhG - two\n#hRhGhB");
    QTest::mouseClick(settings->SpeedButton7, Qt::LeftButton);
    QComboBox* selector = w.selectionPage()->ComboBox1;
    QCOMPARE(selector->count(), 3);
    QCOMPARE(selector->currentIndex(), 2);
    QCOMPARE(selector->currentText(), QStringLiteral("#hRhGhB"));
    // Showing the settings page resets the editor from the list.
    settings->Memo2->setPlainText("unapplied");
    w.pages()->setCurrentIndex(2);
    QCOMPARE(settings->Memo2->toPlainText(), QStringLiteral("dR\nhG - two\n#hRhGhB"));
}

// The template selector takes typing from the start, but its list is made when it first opens:
// until then an interface font has no list to lay out.
void EditorsTest::selectorListIsMadeWhenItFirstOpens() {
    THuebit w;
    MakeAllPages(&w);
    QComboBox* selector = w.selectionPage()->ComboBox1;
    QVERIFY(selector->isEditable());
    QVERIFY(selector->lineEdit() && !selector->lineEdit()->completer());
    QVERIFY(!selector->findChild<QAbstractItemView*>());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    selector->showPopup();
    auto* list = qobject_cast<QListView*>(selector->view());
    QVERIFY(list && list->uniformItemSizes());
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), selector->count());
    QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    selector->hidePopup();
}

// Each editor page makes its controls when it first shows: it then shows the colour chosen while
// it waited, and its controls act.
void EditorsTest::editorPagesMadeLaterShowTheColourAndAct() {
    THuebit w;
    ComponentEditors* e = w.selectionPage()->editors;
    QVERIFY(!e->rgbPage->made() && !e->hsvPage->made());
    QVERIFY(!e->rgbBars[0] && !e->hsvEdits[0]);
    w.model().ApplyColor(RGB(10, 200, 63), coNormal);
    e->setCurrentIndex(1); // as the user chooses "HSV"
    QVERIFY(e->hsvPage->made() && !e->rgbPage->made());
    QCOMPARE(e->hsvEdits[2]->text(), w.model().Texts()[HsvFields[2]]);
    QTest::mouseClick(e->maxButtons[5], Qt::LeftButton); // value to its maximum
    const Color full = w.model().LastColor();
    e->setCurrentIndex(0);
    QVERIFY(e->rgbPage->made());
    QCOMPARE(e->decimalEdits[1]->text(), w.model().Texts()[DecimalFields[1]]);
    QCOMPARE(e->swatches[0]->color(), w.model().Swatches().swatch[0]);
    QTest::mouseClick(e->minButtons[0], Qt::LeftButton); // red to none
    QCOMPARE(GetRValue(w.model().LastColor()), 0);
    QCOMPARE(GetGValue(w.model().LastColor()), GetGValue(full));
}

QTEST_MAIN(EditorsTest)
#include "editors_test.moc"
