// Real mouse events on the palette views, strips and matching colours.
#include "ui/app_look.h"
#include "ui/color_drag_drop.h"
#include "ui/color_swatch.h"
#include "ui/huebit_window.h"
#include "ui/pixel_buffer_view.h"
#include "ui/qt_color.h"
#include "ui/refine_pages.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "widget_events.h"

#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace huebit;
using huebit::test::sendMouse;

namespace {

int history(const ColorModel& m) {
    int n = 0;
    while (n < 20 && m.PreviousColors().slotColor(n) != EmptySlotColor)
        ++n;
    return n;
}

class AnsweringDialog : public ColorDialog {
public:
    std::optional<Color> pick(Color) override { return RGB(10, 20, 30); }
};

class AnsweringFileDialog : public FileDialog {
public:
    QString path;
    std::optional<FileChoice> askSave(const QString&, const QStringList&) override {
        return FileChoice{path, 0};
    }
    std::optional<FileChoice> askOpen(const QString&, const QStringList&) override {
        return FileChoice{path, 0};
    }
};

QAction* menuItem(QWidget& w, const char* name) {
    auto* menu = w.findChild<QMenu*>("PopupMenu2");
    return menu ? menu->findChild<QAction*>(name) : nullptr;
}

} // namespace

class PalettesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void viewsShowTheirBufferAsItIsWhenPainted();
    void rightDragEditsTheTextColourAndRecordsOnRelease();
    void modifierDragOnlyRewritesTheStatusText();
    void previousColourSlotsArePressable();
    void matchingSwatchTakesTheComplement();
    void winPageAppliesTheDialogColourAndReturns();
    void paletteMenuOpensBesideTheStrip();
    void paletteMenuSavesAndOpensGimpPalettes();
    void windowTakesColourTextAndPaletteDrops();
    void dragOutOfAStripCarriesTheColourAndItsText();
};

void PalettesTest::viewsShowTheirBufferAsItIsWhenPainted() {
    PixelBuffer buffer(3, 2, RGB(10, 20, 30));
    PixelBufferView view(QStringLiteral("view"), buffer, nullptr);
    QCOMPARE(view.grab().toImage().pixel(2, 1), qRgb(10, 20, 30));
    // Changed twice before the next paint: the last state shows, every pixel of it.
    buffer.fill(RGB(1, 2, 3));
    view.refresh();
    buffer.setPixel(2, 1, RGB(200, 100, 50));
    view.refresh();
    const QImage shown = view.grab().toImage();
    QCOMPARE(shown.pixel(0, 0), qRgb(1, 2, 3));
    QCOMPARE(shown.pixel(2, 1), qRgb(200, 100, 50));
    // Painted again without a change: the same picture.
    QCOMPARE(view.grab().toImage(), shown);
}

void PalettesTest::rightDragEditsTheTextColourAndRecordsOnRelease() {
    THuebit w;
    PixelBufferView* refine = w.selectionPage()->refinePages->bPalImage2;
    const ColorModel& m = w.model();
    const int before = history(m);
    // The text colour becomes current first, which redraws the palette around it.
    sendMouse(refine, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    const PixelBuffer drawn = m.RefinePalette();
    sendMouse(refine, QEvent::MouseMove, {20, 40}, Qt::NoButton, Qt::RightButton);
    QCOMPARE(m.SampleState().text, drawn.pixel(20, 40));
    QCOMPARE(m.SampleState().background, StartColor);
    QCOMPARE(history(m), before);
    sendMouse(refine, QEvent::MouseButtonRelease, {20, 40}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(history(m), before + 1);
    QCOMPARE(m.RefinePalette(), drawn);
    QVERIFY(w.selectionPage()->RadioButton2->isChecked());
}

void PalettesTest::modifierDragOnlyRewritesTheStatusText() {
    THuebit w;
    w.show(); // the status line takes the hint of what lies under the pointer
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.ShowPage(0);
    PixelBufferView* refine = w.selectionPage()->refinePages->bPalImage2;
    const Color pixel = w.model().RefinePalette().pixel(0, 0);
    sendMouse(refine, QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(w.model().LastColor(), StartColor);
    const QString want = QStringLiteral("Уточнение цвета ( r=%1 g=%2 b=%3 )")
                             .arg(GetRValue(pixel))
                             .arg(GetGValue(pixel))
                             .arg(GetBValue(pixel));
    QCOMPARE(refine->statusTip(), want);
    QTRY_COMPARE(w.statusBar()->currentMessage(), want);
    QCOMPARE(w.indicator()->color(), pixel);
}

void PalettesTest::previousColourSlotsArePressable() {
    THuebit w;
    w.model().ApplyColor(RGB(1, 2, 3), coNormal);
    PixelBufferView* previous = w.selectionPage()->Image2;
    sendMouse(previous, QEvent::MouseButtonPress, {20, 8}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(w.model().LastColor(), StartColor);
    sendMouse(previous, QEvent::MouseMove, {299, 8}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(previous->statusTip(), QStringLiteral("Предыдущие цвета"));
}

void PalettesTest::matchingSwatchTakesTheComplement() {
    THuebit w;
    QTest::mouseClick(w.selectionPage()->refinePages->Panel15, Qt::LeftButton);
    QCOMPARE(w.model().LastColor(), Complement(StartColor));
}

void PalettesTest::winPageAppliesTheDialogColourAndReturns() {
    THuebit w;
    AnsweringDialog dialog;
    w.setColorDialog(&dialog);
    QTabWidget* palettes = w.selectionPage()->PageControl2;
    palettes->setCurrentIndex(3);
    QCOMPARE(palettes->currentIndex(), 0);
    QCOMPARE(w.model().LastColor(), RGB(10, 20, 30));
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Оттеночная палитра цветов RGB"));
    QVERIFY(!w.shell().dialogOpen);
}

void PalettesTest::paletteMenuOpensBesideTheStrip() {
    THuebit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.selectionPage()->SpeedButton37, Qt::LeftButton);
    auto* menu = w.findChild<QMenu*>("PopupMenu2");
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 7);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Добавить цвет"));
    QVERIFY(menu->actions()[1]->isSeparator());
    QCOMPARE(menu->actions()[2]->text(), QStringLiteral("Очистить палитру"));
    // The file entries come after the menu's own.
    QVERIFY(menu->actions()[3]->isSeparator());
    QCOMPARE(menu->actions()[4]->text(), QStringLiteral("Сохранить палитру в файл..."));
    QCOMPARE(menu->actions()[5]->text(), QStringLiteral("Загрузить палитру GIMP..."));
    QCOMPARE(menu->actions()[6]->text(), QStringLiteral("Сохранить предыдущие цвета в файл..."));
    QCOMPARE(menu->pos(), w.geometry().topLeft() + QPoint(370, 305));
    menu->actions()[0]->trigger();
    QCOMPARE(w.model().UserPalette().slotColor(0), w.model().ColorFromBars());
    menu->close();
}

// The menu entries reach the files through the dialog seam and say what happened.
void PalettesTest::paletteMenuSavesAndOpensGimpPalettes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    THuebit w;
    AnsweringFileDialog files;
    w.setFileDialog(&files);
    ColorModel& m = w.model();
    m.ClearUserPalette();
    m.PaintUserPaletteSlot(0, RGB(0, 0, 128));
    m.PaintUserPaletteSlot(1, RGB(1, 2, 3));
    m.PaintUserPaletteSlot(2, RGB(255, 0, 0));
    const PixelBuffer saved = m.UserPalette().pixels();
    files.path = dir.filePath("strip");
    menuItem(w, "SavePaletteItem")->trigger();
    QCOMPARE(w.statusBar()->currentMessage(),
             QStringLiteral("Сохранено цветов: 3, файл strip.gpl"));
    QFile written(dir.filePath("strip.gpl"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(
        written.readAll().endsWith("  0   0 128\tNavy\n  1   2   3\t#010203\n255   0   0\tRed\n"));

    m.ClearUserPalette();
    files.path = dir.filePath("strip.gpl");
    menuItem(w, "OpenPaletteItem")->trigger();
    QCOMPARE(w.statusBar()->currentMessage(),
             QStringLiteral("Прочитано цветов: 3, пропущено строк: 0"));
    QVERIFY(m.UserPalette().pixels() == saved);

    files.path = dir.path(); // a folder is no palette
    menuItem(w, "OpenPaletteItem")->trigger();
    QCOMPARE(w.statusBar()->currentMessage(),
             QStringLiteral("Не удалось открыть файл ") + QDir(dir.path()).dirName());
    QVERIFY(m.UserPalette().pixels() == saved);

    files.path = dir.filePath("previous.gpl");
    menuItem(w, "SavePreviousItem")->trigger();
    QVERIFY(w.statusBar()->currentMessage().startsWith(QStringLiteral("Сохранено цветов: ")));
    QVERIFY(QFile::exists(files.path));
}

namespace {

// A drag over the window and, when it is taken, the drop; whether the window took it.
bool dropOn(QWidget& w, QMimeData& data) {
    const QPointF at(40, 40);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

} // namespace

void PalettesTest::windowTakesColourTextAndPaletteDrops() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    THuebit w;
    ColorModel& m = w.model();
    m.SelectBackgroundTarget();
    m.ApplyColor(RGB(50, 60, 70), coNormal);

    QMimeData colour;
    colour.setColorData(QColor(1, 2, 3));
    QVERIFY(dropOn(w, colour));
    QCOMPARE(m.LastColor(), RGB(1, 2, 3));
    QCOMPARE(m.SampleState().background, RGB(1, 2, 3));

    m.SelectTextTarget();
    QMimeData text;
    text.setText(QStringLiteral("#0A0B0C\n"));
    QVERIFY(dropOn(w, text));
    QCOMPARE(m.SampleState().text, RGB(10, 11, 12));
    QCOMPARE(m.SampleState().background, RGB(1, 2, 3));

    QFile file(dir.filePath("in.gpl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\nName: in\n200 100 0\tOrange-ish\nnot a colour\n0 0 255\n");
    file.close();
    QMimeData palette;
    palette.setUrls({QUrl::fromLocalFile(file.fileName())});
    QVERIFY(dropOn(w, palette));
    QCOMPARE(m.UserPalette().slotColor(0), RGB(200, 100, 0));
    QCOMPARE(m.UserPalette().slotColor(1), RGB(0, 0, 255));
    QCOMPARE(m.UserPalette().slotColor(2), EmptySlotColor);
    QCOMPARE(w.statusBar()->currentMessage(),
             QStringLiteral("Прочитано цветов: 2, пропущено строк: 1"));

    // Refused, and nothing changes.
    const PixelBuffer strip = m.UserPalette().pixels();
    const Color last = m.LastColor();
    QMimeData image, words, other;
    image.setData("image/png", "\x89PNG");
    words.setText(QStringLiteral("light blue"));
    other.setUrls({QUrl::fromLocalFile(dir.filePath("in.png"))});
    for (QMimeData* refused : {&image, &words, &other})
        QVERIFY(!dropOn(w, *refused));
    QCOMPARE(m.LastColor(), last);
    QVERIFY(m.UserPalette().pixels() == strip);
}

// A press on a filled slot of either strip, or on the sample, and a move past the drag distance
// start a drag that carries the colour and its text in the active notation.
void PalettesTest::dragOutOfAStripCarriesTheColourAndItsText() {
    THuebit w;
    ColorModel& m = w.model();
    m.ClearUserPalette();
    m.PaintUserPaletteSlot(1, RGB(0x88, 0x57, 0xF9));
    SelectionPage* page = w.selectionPage();
    QStringList formats;
    QString text;
    QColor colour;
    int drags = 0;
    for (QWidget* source :
         std::initializer_list<QWidget*>{page->Image1, page->Image2, page->Panel4}) {
        auto* dragSource = source->findChild<ColorDragSource*>();
        QVERIFY(dragSource);
        dragSource->setDragRunner([&](QDrag& drag) {
            ++drags;
            formats = drag.mimeData()->formats();
            text = drag.mimeData()->text();
            colour = drag.mimeData()->colorData().value<QColor>();
        });
    }
    const auto drag = [](QWidget* source, QPoint from, QPoint by) {
        sendMouse(source, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        sendMouse(source, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
        sendMouse(source, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    };
    const int far = QApplication::startDragDistance() + 2;
    const QPoint slot1(SwatchStrip::SlotPitch + 5, 5);

    drag(page->Image1, slot1, {2, 0}); // not far enough
    QCOMPARE(drags, 0);
    drag(page->Image1, slot1, {far, 0});
    QCOMPARE(drags, 1);
    QVERIFY(formats.contains(QStringLiteral("application/x-color")));
    QCOMPARE(text, QStringLiteral("#8857F9"));
    QCOMPARE(colour, QColor(0x88, 0x57, 0xF9));

    drag(page->Image1, {5 * SwatchStrip::SlotPitch + 5, 5}, {0, far}); // an empty slot
    QCOMPARE(drags, 1);
    sendMouse(page->Image1, QEvent::MouseButtonPress, slot1, Qt::RightButton, Qt::RightButton);
    sendMouse(page->Image1, QEvent::MouseMove, slot1 + QPoint(far, 0), Qt::NoButton,
              Qt::RightButton);
    QCOMPARE(drags, 1); // only the primary button drags

    // The press on the user palette made its colour current, so it leads the previous colours.
    m.PaintPreviousColorSlot(1, RGB(1, 2, 3));
    drag(page->Image2, {SwatchStrip::SlotPitch + 5, 5}, {far, far});
    QCOMPARE(drags, 2);
    QCOMPARE(text, QStringLiteral("#010203"));
    m.SelectTextTarget();
    drag(page->Panel4, {10, 10}, {far, 0});
    QCOMPARE(drags, 3);
    QCOMPARE(colour, ToQColor(m.SampleState().text));
}

QTEST_MAIN(PalettesTest)
#include "palettes_test.moc"
