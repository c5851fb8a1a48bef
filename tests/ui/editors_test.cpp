// Real key and mouse events on the component editors, the template selector and the text line.
#include "ui/app_look.h"
#include "widget_events.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/text_line.h"
#include "ui/title_strip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
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
    void textLineIsPaddedOnlyWhileFocused();
    void typedColourInTheTextLine();
    void templateEditorResetAndApply();
};

void EditorsTest::leftDragOnABarChangesTheColourLive() {
    THuebit w;
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
    ComponentBar* red = w.selectionPage()->editors->rgbBars[0];
    const Color before = w.model().LastColor();
    sendMouse(red, QEvent::MouseButtonPress, {149, 5}, Qt::RightButton, Qt::RightButton);
    sendMouse(red, QEvent::MouseMove, {149, 5}, Qt::NoButton, Qt::RightButton);
    sendMouse(red, QEvent::MouseButtonRelease, {149, 5}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(w.model().LastColor(), before);
    const QString hint = QStringLiteral("Красная компонента RGB 0-255\\136\\200");
    QCOMPARE(red->statusTip(), hint);
    QCOMPARE(w.statusBar()->currentMessage(), hint);
    sendMouse(red, QEvent::MouseMove, {20, 5}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(w.model().LastColor(), before);
}

void EditorsTest::enterInAFieldAppliesAndMovesTheFocusAway() {
    THuebit w;
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
    QTest::mouseClick(w.selectionPage()->editors->maxButtons[0], Qt::LeftButton);
    QCOMPARE(GetRValue(w.model().LastColor()), 255);
    QTest::mouseClick(w.selectionPage()->editors->minButtons[2], Qt::LeftButton);
    QCOMPARE(GetBValue(w.model().LastColor()), 0);
}

void EditorsTest::swatchRightClickTargetsTheText() {
    THuebit w;
    QTest::mouseClick(w.selectionPage()->editors->swatches[0],
                      Qt::RightButton);
    QCOMPARE(w.model().Target(), ColorTarget::Text);
    QCOMPARE(w.model().SampleState().text, RGB(255, 0, 0));
    QVERIFY(w.selectionPage()->RadioButton2->isChecked());
}

void EditorsTest::selectorRendersOnChoiceAndOnEveryKeystroke() {
    THuebit w;
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

void EditorsTest::textLineIsPaddedOnlyWhileFocused() {
    THuebit w;
    showActive(w);
    SelectionPage* page = w.selectionPage();
    page->ComboBox1->setCurrentIndex(0);
    page->Edit1->setFocus();
    QTRY_COMPARE(page->Edit1->text(), QStringLiteral("RGB(136,087,249)"));
    w.titleStrip()->CheckBox4->setFocus();
    QTRY_COMPARE(page->Edit1->text(), QStringLiteral("RGB(136,87,249)"));
}

void EditorsTest::typedColourInTheTextLine() {
    THuebit w;
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
    SettingsPage* settings = w.settingsPage();
    QCOMPARE(settings->PageControl5->tabText(0), QStringLiteral("Окно"));
    QCOMPARE(settings->PageControl5->tabText(1), QStringLiteral("Шаблоны "));
    QCOMPARE(settings->PageControl5->tabText(2), QStringLiteral("Пример "));
    QCOMPARE(settings->Memo2->toPlainText().split('\n').size(), 6);
    settings->Memo2->setPlainText("dR\n\nhG - two");
    QTest::mouseClick(settings->SpeedButton10, Qt::LeftButton); // reset drops the edit
    QCOMPARE(settings->Memo2->toPlainText().split('\n').size(), 6);
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

QTEST_MAIN(EditorsTest)
#include "editors_test.moc"
