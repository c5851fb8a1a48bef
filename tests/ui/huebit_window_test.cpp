// The main window's views mirror the model, on the offscreen platform.
#include "palettes/refine_palette.h"
#include "ui/app_look.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/image_button.h"
#include "ui/pixel_buffer_view.h"
#include "ui/qt_color.h"
#include "ui/refine_pages.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "ui/text_line.h"
#include "ui/title_strip.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMouseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace huebit;

namespace {

QImage viewImage(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void expectImageShowsBuffer(QWidget* view, const PixelBuffer& want) {
    const QImage shown = viewImage(view);
    QCOMPARE(shown.size(), QSize(want.width(), want.height()));
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            QCOMPARE(shown.pixel(x, y), ToQRgb(want.pixel(x, y)));
}

} // namespace

class HuebitWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void windowConstants();
    void theFontWaitComesAfterTheNativeWindowAndBeforeAnyControl();
    void titleStripLayout();
    void viewsShowTheStartColour();
    void viewsFollowApplyColor();
    void targetSwitchAndSampleFollowTheModel();
    void appliedColourTakesTheFocusFromAField();
    void everyControlIsNamedAndHasNoTooltip();
    void hintsGoToTheStatusLine();
    void fadesInAndClosesThroughTheFade();
    void aboutPage();
    void onlyUncoveredPointsDragTheWindow();
};

void HuebitWindowTest::windowConstants() {
    THuebit w;
    MakeAllPages(&w);
    QCOMPARE(w.windowTitle(), QStringLiteral(" Huebit"));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.size(), QSize(404, 507));
    QCOMPARE(w.pos(), QPoint(0, 0));
    QCOMPARE(w.opacity(), 0);
    QTabWidget* pages = w.pages();
    QCOMPARE(pages->count(), 4);
    const QStringList names = {"Подбор ", "Экран ", "Настройка ", "О программе "};
    for (int i = 0; i < 4; ++i) QCOMPARE(pages->tabText(i), names[i]);
    QCOMPARE(w.statusBar()->geometry(), QRect(0, 483, 380, 24));
    auto* about = w.findChild<ImageButton*>("Image5");
    QVERIFY(about && !about->isHidden());
    auto* help = w.findChild<ImageButton*>("Image17");
    QVERIFY(help && help->isHidden());
    auto* indicator = w.findChild<ColorSwatch*>("Panel56");
    QCOMPARE(indicator->geometry(), QRect(4, 474, 29, 29));
}

// main waits for the font thread in this hook: the native window and the screen copy's request
// come before it, and no control is made before the fonts are there.
void HuebitWindowTest::theFontWaitComesAfterTheNativeWindowAndBeforeAnyControl() {
    const qsizetype before = QApplication::allWidgets().size();
    int calls = 0;
    qsizetype widgetsThen = -1;
    bool nativeThen = false;
    THuebit w({}, nullptr, {}, [&] {
        ++calls;
        widgetsThen = QApplication::allWidgets().size();
        for (QWidget* widget : QApplication::allWidgets()) {
            if (qobject_cast<THuebit*>(widget)) nativeThen = widget->internalWinId() != 0;
        }
    });
    QCOMPARE(calls, 1);
    QCOMPARE(widgetsThen, before + 1); // the window alone
    QVERIFY(nativeThen);
    QVERIFY(w.findChild<QTabWidget*>("PageControl1")); // the controls follow
}

void HuebitWindowTest::titleStripLayout() {
    THuebit w;
    MakeAllPages(&w);
    struct Place {
        const char* name;
        QRect rect;
        const char* hint;
    };
    const Place places[] = {
        {"Image8", {0, 0, 405, 26}, ""},          {"Image20", {32, 7, 60, 8}, ""},
        {"Image7", {9, 3, 16, 16}, "Huebit"},     {"Image11", {332, 4, 14, 14}, "Свернуть"},
        {"CheckBox4", {352, 4, 11, 11}, "Открывать при наведении"},
        {"Image12", {365, 4, 14, 14}, "Уменьшить"}, {"Image10", {385, 4, 14, 14}, "Закрыть"},
        {"Image9", {0, 0, 34, 23}, ""},
    };
    for (const Place& p : places) {
        auto* element = w.titleStrip()->findChild<QWidget*>(p.name);
        QVERIFY2(element, p.name);
        QCOMPARE(element->geometry(), p.rect);
        if (*p.hint) QCOMPARE(element->statusTip(), QString::fromUtf8(p.hint));
    }
    QVERIFY(w.titleStrip()->CheckBox4->isChecked());
    QVERIFY(w.titleStrip()->Image9->isHidden());
}

void HuebitWindowTest::viewsShowTheStartColour() {
    THuebit w;
    MakeAllPages(&w);
    SelectionPage* page = w.selectionPage();
    ComponentEditors* e = page->editors;
    const QStringList dec = {"136", "87", "249"}, hex = {"88", "57", "F9"}, hsv = {"258", "65", "98"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(e->decimalEdits[i]->text(), dec[i]);
        QCOMPARE(e->hexEdits[i]->text(), hex[i]);
        QCOMPARE(e->hsvEdits[i]->text(), hsv[i]);
    }
    QCOMPARE(e->rgbBars[0]->fill(), 101);
    QCOMPARE(e->rgbBars[0]->barWidth(), 190);
    QCOMPARE(e->hsvBars[0]->barWidth(), 243);
    QCOMPARE(e->hsvBars[0]->fill(), HueFillFromHue(RgbToHsv(136, 87, 249).hue, 243));
    QCOMPARE(e->swatches[0]->color(), RGB(136, 0, 0));
    QCOMPARE(e->greys[2]->color(), RGB(249, 249, 249));

    QCOMPARE(page->Panel4->size(), QSize(295, 65));
    QCOMPARE(page->Panel4->background(), RGB(136, 87, 249));
    QCOMPARE(page->Panel4->textColor(), RGB(255, 201, 73));
    QCOMPARE(page->Panel4->caption(), QStringLiteral("Цвет текста"));
    QCOMPARE(page->Edit1->text(), QStringLiteral("#8857F9"));
    // A first start: the shipped six, then the CSS notations.
    QCOMPARE(page->ComboBox1->count(), 12);
    QCOMPARE(page->ComboBox1->itemText(5), QStringLiteral("$00hBhGhR - Delphi"));
    QCOMPARE(page->ComboBox1->itemText(6), QStringLiteral("{hsl} - CSS"));
    QCOMPARE(page->ComboBox1->itemText(11), QStringLiteral("{lch} - CSS"));
    QCOMPARE(page->ComboBox1->currentIndex(), 2);
    QVERIFY(page->ComboBox1->isEditable());
    QVERIFY(page->RadioButton1->isChecked());

    PixelBuffer refine(64, 128);
    DrawRefinePalette(refine, StartColor);
    expectImageShowsBuffer(page->refinePages->bPalImage2, refine);
    PixelBuffer strip(10, 128);
    SaturationMarkers markers;
    DrawSaturationStrip(strip, markers, StartColor);
    expectImageShowsBuffer(page->refinePages->Image6, strip);
    QCOMPARE(page->refinePages->Panel19->color(), StartColor);
    QCOMPARE(page->refinePages->Panel19->size(), QSize(5, 5));
    QCOMPARE(page->refinePages->Panel21->y(), markers.grey.top);
    QCOMPARE(page->refinePages->Panel17->color(), StartColor ^ 0x808080u);
    QCOMPARE(page->Image2->size(), QSize(300, 17));
    expectImageShowsBuffer(page->Image2, w.model().PreviousColors().pixels());
}

void HuebitWindowTest::viewsFollowApplyColor() {
    THuebit w;
    MakeAllPages(&w);
    SelectionPage* page = w.selectionPage();
    const Color c = RGB(39, 151, 63);
    w.model().ApplyColor(c, coNormal);
    QCOMPARE(page->editors->decimalEdits[1]->text(), QStringLiteral("151"));
    QCOMPARE(page->editors->hexEdits[2]->text(), QStringLiteral("3F"));
    QCOMPARE(page->Panel4->background(), c);
    QCOMPARE(page->Edit1->text(), QStringLiteral("#27973F"));
    QCOMPARE(viewImage(page->Image2).pixel(2, 2), ToQRgb(c));
    QCOMPARE(viewImage(page->Image2).pixel(17, 2), ToQRgb(StartColor));
    PixelBuffer refine(64, 128);
    DrawRefinePalette(refine, c);
    expectImageShowsBuffer(page->refinePages->bPalImage2, refine);
    QCOMPARE(page->refinePages->Panel12->color(), Complement(c));
}

void HuebitWindowTest::targetSwitchAndSampleFollowTheModel() {
    THuebit w;
    MakeAllPages(&w);
    SelectionPage* page = w.selectionPage();
    w.model().SelectTextTarget();
    QVERIFY(page->RadioButton2->isChecked());
    QVERIFY(!page->RadioButton1->isChecked());
    QCOMPARE(page->Edit1->text(), QStringLiteral("#FFC949"));
    w.model().ApplyColor(RGB(0, 0, 0), coNormal);
    QCOMPARE(page->Panel4->textColor(), RGB(0, 0, 0));
    w.model().ToggleSampleText();
    QVERIFY(page->RadioButton1->isChecked());
    QVERIFY(!page->RadioButton2->isEnabled());
    QVERIFY(page->swapButton->isHidden());
    QVERIFY(page->Panel4->caption().isEmpty());
}

void HuebitWindowTest::appliedColourTakesTheFocusFromAField() {
    THuebit w;
    MakeAllPages(&w);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit* red = w.selectionPage()->editors->decimalEdits[0];
    red->setFocus();
    QTRY_VERIFY(red->hasFocus());
    w.model().ApplyColor(StartColor, coNormal); // even the current colour moves the focus
    QTRY_VERIFY(w.titleStrip()->CheckBox4->hasFocus());
}

void HuebitWindowTest::everyControlIsNamedAndHasNoTooltip() {
    THuebit w;
    MakeAllPages(&w);
    const QList<QWidget*> all = w.findChildren<QWidget*>();
    for (QWidget* c : all) {
        QVERIFY2(c->toolTip().isEmpty(), qPrintable(c->objectName()));
        const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                             qobject_cast<QComboBox*>(c) || qobject_cast<ColorSwatch*>(c) ||
                             qobject_cast<ImageButton*>(c) || qobject_cast<PixelBufferView*>(c);
        if (control && !qobject_cast<QLineEdit*>(c->parentWidget()) && c->parentWidget() &&
            !qobject_cast<QComboBox*>(c->parentWidget())) {
            QVERIFY2(!c->accessibleName().isEmpty() || c->objectName().startsWith("qt_"),
                     qPrintable(c->objectName()));
        }
    }
}

void HuebitWindowTest::hintsGoToTheStatusLine() {
    THuebit w;
    MakeAllPages(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* close = w.titleStrip()->Image10;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), close->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(close, &move);
    QTRY_COMPARE(w.statusBar()->currentMessage(), QStringLiteral("Закрыть"));
    // Qt's own enter and leave tips do not write the line as well.
    QStatusTipEvent tip(QStringLiteral("Свернуть"));
    QApplication::sendEvent(w.titleStrip()->Image11, &tip);
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Закрыть"));
}

void HuebitWindowTest::fadesInAndClosesThroughTheFade() {
    THuebit w;
    MakeAllPages(&w);
    w.show();
    QTRY_COMPARE_WITH_TIMEOUT(w.opacity(), 255, 2000);
    QSignalSpy destroyed(&w, &QObject::destroyed);
    w.StartClosing();
    QVERIFY(w.closingFade());
    QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 2000);
    QCOMPARE(w.opacity(), 15);
    QCOMPARE(w.x(), -500); // the close request moves the window off the screen
}

void HuebitWindowTest::aboutPage() {
    THuebit w;
    MakeAllPages(&w);
    w.ShowAbout();
    QCOMPARE(w.pages()->currentIndex(), 3);
    QWidget* about = w.pages()->widget(3);
    bool hasVersion = false;
    for (QLabel* l : about->findChildren<QLabel*>()) {
        if (l->text() == "version 5.1.2") hasVersion = l->property("tag").toInt() == 100;
    }
    QVERIFY(hasVersion);
    auto* notes = about->findChild<QPlainTextEdit*>("Memo1");
    QVERIFY(notes->isReadOnly());
    const QString text = notes->toPlainText();
    QVERIFY(text.startsWith("5.1.2"));
    QVERIFY(text.endsWith("[+] — новая возможность;\n[*] — изменено;\n[-] — исправлено."));
}

// A left press at `at` of `target` (ignored presses travel up to the window), then a move by
// (30, 20): how far the window went.
QPoint dragBy(THuebit& w, QWidget* target, QPoint at) {
    const QPoint before = w.pos();
    const QPoint global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(global), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(w.mapFromGlobal(global + QPoint(30, 20))),
                     QPointF(global + QPoint(30, 20)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(move.position()),
                        QPointF(global + QPoint(30, 20)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
    return w.pos() - before;
}

void HuebitWindowTest::onlyUncoveredPointsDragTheWindow() {
    THuebit w;
    MakeAllPages(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    SelectionPage* page = w.selectionPage();
    QWidget* tiles = page->aPalImage1->parentWidget();
    QCOMPARE(tiles->childAt(1, 50), nullptr); // one pixel left of the tile palette
    QCOMPARE(page->childAt(269, 80), nullptr); // between the palettes and the refinement pages
    QCOMPARE(w.childAt(402, 495), nullptr);    // the window's own background by the About icon
    QCOMPARE(dragBy(w, tiles, {1, 50}), QPoint(0, 0));
    QCOMPARE(dragBy(w, page, {269, 80}), QPoint(0, 0));
    QCOMPARE(dragBy(w, w.statusBar(), {100, 10}), QPoint(0, 0));
    QCOMPARE(dragBy(w, page->RadioButton2, {2, 2}), QPoint(0, 0));
    QCOMPARE(dragBy(w, w.titleStrip(), {200, 12}), QPoint(30, 20));
    QCOMPARE(dragBy(w, &w, {402, 495}), QPoint(30, 20));
}

QTEST_MAIN(HuebitWindowTest)
#include "huebit_window_test.moc"
