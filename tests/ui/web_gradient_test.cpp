// Real mouse and key events on the "Web " page and the gradient page.
#include "palettes/gradient.h"
#include "palettes/named_colors.h"
#include "ui/app_look.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/image_view.h"
#include "ui/indicator_mode_group.h"
#include "ui/pixel_buffer_view.h"
#include "ui/qt_color.h"
#include "ui/refine_pages.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/web_page.h"
#include "widget_events.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace huebit;
using huebit::test::sendMouse;

namespace {

constexpr Color White = RGB(255, 255, 255);
constexpr Color AliceBlue = RGB(0xF0, 0xF8, 0xFF);

QPoint cell(int c, int r) {
    return {12 * c + 6, 12 * r + 6};
}

QRgb shownPixel(QWidget* w, QPoint at) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(at);
}

// Every control of a page lies wholly inside it, and no two overlap.
void expectLaidOut(QWidget* page) {
    const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QVERIFY(!children.isEmpty());
    for (QWidget* c : children) {
        if (!c->isVisibleTo(page)) continue;
        QVERIFY2(page->rect().contains(c->geometry()),
                 qPrintable(c->objectName() + " sticks out of " + page->objectName()));
        QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        QVERIFY2(c->sizeHint().width() <= c->width() || qobject_cast<QComboBox*>(c) ||
                     qobject_cast<ImageView*>(c),
                 qPrintable(c->objectName() + " is too narrow for its text"));
        for (QWidget* other : children) {
            if (other != c && other->isVisibleTo(page))
                QVERIFY2(!c->geometry().intersects(other->geometry()),
                         qPrintable(c->objectName() + " overlaps " + other->objectName()));
        }
    }
}

// Two controls of `page` that overlap, or one that sticks out of it; empty when none.
QString crowded(const QWidget* page) {
    const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* c : children) {
        if (!page->rect().contains(c->geometry())) return c->objectName() + " sticks out";
        for (const QWidget* other : children) {
            if (other != c && c->geometry().intersects(other->geometry()))
                return c->objectName() + " overlaps " + other->objectName();
        }
    }
    return {};
}

} // namespace

class WebGradientTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void startsInColourOrderWithNothingSelected();
    void gridPressDragAndRelease();
    void choicesAndCopyButton();
    void selectorKeysApplyTheLine();
    void pointerReadoutOverTheGrid();
    void gradientControls();
    void pagesAreLaidOutWhole();
    void theWebPageAsksForTheHeightItsRowsTake();
    void exclusiveChoicesAreRadioButtonsToAssistiveTechnology();
};

void WebGradientTest::startsInColourOrderWithNothingSelected() {
    THuebit w;
    MakeAllPages(&w);
    WebPage* web = w.selectionPage()->webPage;
    QVERIFY(web->orderButtons[0]->isChecked());
    QCOMPARE(web->namedColorBox->count(), 140);
    QCOMPARE(web->namedColorBox->currentIndex(), -1);
    QVERIFY(!web->namedColorBox->isEditable());
    QCOMPARE(web->namedColorBox->statusTip(), QStringLiteral("Именованные безопасные цвета"));
    QCOMPARE(web->orderButtons[2]->statusTip(), QStringLiteral("Сортировать по русскому названию"));
    QCOMPARE(shownPixel(web->aPalImage4, cell(19, 6)), ToQRgb(White));
}

void WebGradientTest::gridPressDragAndRelease() {
    THuebit w;
    MakeAllPages(&w);
    WebPage* web = w.selectionPage()->webPage;
    ImageView* grid = web->aPalImage4;
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell(19, 6));
    QCOMPARE(w.model().SampleState().background, White);
    QCOMPARE(web->namedColorBox->currentText(), QStringLiteral("FFFFFF - White - Белый"));
    QCOMPARE(web->namedColorBox->currentIndex(), 139);

    const Color pressed = ParseNamedColor(w.namedColors().Lines()[7 * 2 + 3]);
    const Color released = ParseNamedColor(w.namedColors().Lines()[7 * 15 + 1]);
    sendMouse(grid, QEvent::MouseButtonPress, cell(2, 3), Qt::RightButton, Qt::RightButton);
    QCOMPARE(w.model().SampleState().text, pressed);
    sendMouse(grid, QEvent::MouseMove, cell(15, 1), Qt::NoButton, Qt::RightButton);
    QCOMPARE(w.model().SampleState().text, released);
    QCOMPARE(web->namedColorBox->currentIndex(), 7 * 2 + 3); // the selector waits for the release
    sendMouse(grid, QEvent::MouseButtonRelease, cell(15, 1), Qt::RightButton, Qt::NoButton);
    QCOMPARE(web->namedColorBox->currentIndex(), 7 * 15 + 1);
    QCOMPARE(w.model().PreviousColors().slotColor(0), pressed);
    QVERIFY(w.selectionPage()->RadioButton2->isChecked());

    // A middle click keeps the target; a drag with Shift only reads out.
    QTest::mouseClick(grid, Qt::MiddleButton, {}, cell(0, 0));
    QCOMPARE(w.model().SampleState().text, RGB(0, 0, 0));
    sendMouse(grid, QEvent::MouseMove, cell(0, 1), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(w.model().LastColor(), RGB(0, 0, 0));
}

void WebGradientTest::choicesAndCopyButton() {
    THuebit w;
    MakeAllPages(&w);
    WebPage* web = w.selectionPage()->webPage;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("untouched"));
    QTest::mouseClick(web->copyNameButton, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("untouched")); // nothing selected yet

    QTest::mouseClick(web->aPalImage4, Qt::LeftButton, {}, cell(5, 5));
    const Color current = w.model().LastColor();
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(web->orderButtons[1], other);
    QCOMPARE(w.namedColors().Order(), NamedColorOrder::ByColor);
    QTest::mouseClick(web->orderButtons[1], Qt::LeftButton);
    QVERIFY(!web->orderButtons[0]->isChecked());
    QCOMPARE(web->namedColorBox->itemText(0),
             QStringLiteral("F0F8FF - AliceBlue - Блекло-голубой"));
    QCOMPARE(web->namedColorBox->currentIndex(), -1);
    QCOMPARE(shownPixel(web->aPalImage4, cell(0, 0)), ToQRgb(AliceBlue));
    QCOMPARE(w.model().LastColor(), current);
    QTest::mouseClick(web->orderButtons[2], Qt::LeftButton);
    QCOMPARE(web->namedColorBox->itemText(0),
             QStringLiteral("7FFFD4 - Aquamarine - Аквамариновый"));

    QTest::mouseClick(web->orderButtons[1], Qt::LeftButton);
    QTest::mouseClick(web->aPalImage4, Qt::LeftButton, {}, cell(0, 0));
    QTest::mouseClick(web->copyNameButton, Qt::RightButton);
    QCOMPARE(clipboard->text(), QStringLiteral("untouched"));
    QTest::mouseClick(web->copyNameButton, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("AliceBlue"));
}

void WebGradientTest::selectorKeysApplyTheLine() {
    THuebit w;
    MakeAllPages(&w);
    QComboBox* box = w.selectionPage()->webPage->namedColorBox;
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(w.model().LastColor(), RGB(0, 0, 0));
    QTest::keyClick(box, Qt::Key_End);
    QCOMPARE(w.model().LastColor(), White);
    QCOMPARE(w.namedColors().SelectedLine(), 139);
}

void WebGradientTest::pointerReadoutOverTheGrid() {
    THuebit w;
    MakeAllPages(&w);
    w.show(); // the status line takes the hint of what lies under the pointer
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.ShowPage(0);
    w.selectionPage()->PageControl2->setCurrentIndex(2);
    ImageView* grid = w.selectionPage()->webPage->aPalImage4;
    sendMouse(grid, QEvent::MouseMove, cell(19, 2), Qt::NoButton, Qt::NoButton);
    QTRY_COMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Безопасные экранные цвета ( r=255 g=255 b=0 )"));
    QCOMPARE(grid->statusTip(), w.statusBar()->currentMessage());
}

void WebGradientTest::gradientControls() {
    THuebit w;
    MakeAllPages(&w);
    RefinePages* r = w.selectionPage()->refinePages;
    w.model().ApplyColor(RGB(0, 0, 0), coNormal);
    QTest::mouseClick(r->gradientStartButton, Qt::RightButton);
    QCOMPARE(w.model().Gradient().start, DefaultGradientStart);
    QTest::mouseClick(r->gradientStartButton, Qt::LeftButton);
    w.model().ApplyColor(RGB(255, 255, 255), coNormal);
    QTest::mouseClick(r->gradientEndButton, Qt::LeftButton);
    QCOMPARE(shownPixel(r->Image3, {40, 0}), qRgb(0, 0, 0));
    QCOMPARE(shownPixel(r->Image3, {0, 126}), qRgb(253, 253, 253));

    QTest::mouseClick(r->CheckBox2, Qt::LeftButton);
    QVERIFY(!r->gradientStartButton->isEnabled());
    w.model().ApplyColor(RGB(9, 9, 9), coNormal);
    QCOMPARE(shownPixel(r->Image3, {0, 0}), qRgb(9, 9, 9));
    QTest::mouseClick(r->CheckBox2, Qt::LeftButton);
    QVERIFY(r->gradientStartButton->isEnabled());
    w.model().ApplyColor(RGB(7, 7, 7), coNormal);
    QCOMPARE(w.model().Gradient().start, RGB(9, 9, 9));
}

// The palette tabs keep the style's taller tabs only while the pages below get what they ask
// for: the page asks for the height at which its rows have closed up on the grid, whatever
// size it was last given.
void WebGradientTest::theWebPageAsksForTheHeightItsRowsTake() {
    WebPage page;
    page.show(); // a hidden page is placed only when shown
    for (const QSize last : {QSize(640, 480), QSize(262, 133)}) {
        page.resize(last);
        const QSize need = page.minimumSizeHint();
        page.resize(need);
        QVERIFY2(crowded(&page).isEmpty(), qPrintable(crowded(&page)));
        page.resize(need - QSize(0, 1));
        QVERIFY(!crowded(&page).isEmpty());
    }
}

void WebGradientTest::pagesAreLaidOutWhole() {
    THuebit w;
    MakeAllPages(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    SelectionPage* page = w.selectionPage();
    page->PageControl2->setCurrentIndex(2);
    page->refinePages->setCurrentIndex(1);
    expectLaidOut(page->webPage);
    expectLaidOut(page->refinePages->widget(1));
}

// A screen reader hears the sort order and the indicator mode as radio buttons, named as before,
// with the chosen one checked; its toggle action chooses.
void WebGradientTest::exclusiveChoicesAreRadioButtonsToAssistiveTechnology() {
    THuebit w;
    MakeAllPages(&w);
    WebPage* web = w.selectionPage()->webPage;
    IndicatorModeGroup* modes = w.settingsPage()->indicatorGroup;
    const struct {
        QAbstractButton* button;
        const char* name;
    } choices[] = {
        {web->orderButtons[0], "Сортировать по цвету"},
        {web->orderButtons[1], "Сортировать по англ. названию"},
        {web->orderButtons[2], "Сортировать по русскому названию"},
        {modes->RadioButton6, "динамический"},
        {modes->RadioButton7, "статический"},
        {modes->RadioButton8, "не использовать"},
    };
    for (const auto& c : choices) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.button);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::RadioButton);
        QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(c.name));
        QVERIFY(a->state().checkable);
        QCOMPARE(bool(a->state().checked), c.button->isChecked());
    }
    QAccessibleInterface* abc = QAccessible::queryAccessibleInterface(web->orderButtons[1]);
    QAccessibleActionInterface* action = abc->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    action->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(w.namedColors().Order(), NamedColorOrder::ByEnglishName);
    QVERIFY(abc->state().checked);
    QVERIFY(!QAccessible::queryAccessibleInterface(web->orderButtons[0])->state().checked);
    // Still the flat tool buttons they were, caption and object name unchanged.
    QCOMPARE(web->orderButtons[2]->text(), QStringLiteral("АБВ"));
    QCOMPARE(web->orderButtons[2]->objectName(), QStringLiteral("OrderByRussianName"));
    QVERIFY(web->orderButtons[2]->autoRaise());
}

QTEST_MAIN(WebGradientTest)
#include "web_gradient_test.moc"
