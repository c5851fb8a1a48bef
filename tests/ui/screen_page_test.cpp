// The screen page's readouts and magnifier captions, laid out at the default and larger fonts.
#include "screen/screen_picker.h"
#include "ui/app_look.h"
#include "ui/color_swatch.h"
#include "ui/huebit_window.h"
#include "ui/image_view.h"
#include "ui/screen_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using namespace huebit;

namespace {

QRect inGroup(const ScreenPage& page, const QWidget* w) {
    return QRect(w->mapTo(page.colorGroup, QPoint(0, 0)), w->size());
}

QStringList texts(const std::array<QLabel*, 3>& labels) {
    QStringList out;
    for (const QLabel* l : labels)
        out << l->text();
    return out;
}

// Shows the screen page of a window built under `font`, readouts at their widest.
struct Shown {
    explicit Shown(const QFont& font) : saved(QApplication::font()) {
        QApplication::setFont(font);
        window = std::make_unique<THuebit>();
        window->ShowPage(1);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->screenPicker().HoverUpdate(RGB(255, 255, 255));
        window->screenPicker().SetPickedColor(RGB(255, 255, 255));
        QApplication::processEvents(); // the readouts re-flow on their new texts
    }
    ~Shown() { QApplication::setFont(saved); }
    ScreenPage& page() const { return *window->screenPage(); }

    QFont saved;
    std::unique_ptr<THuebit> window;
};

} // namespace

class ScreenPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void readoutsReadNamesUntilTheFirstUpdate();
    void readoutsAreNeverCutNorUnderTheSwatch_data();
    void readoutsAreNeverCutNorUnderTheSwatch();
    void magnifierCaptionsFitAtTheDefaultFont_data();
    void magnifierCaptionsFitAtTheDefaultFont();
};

void ScreenPageTest::readoutsReadNamesUntilTheFirstUpdate() {
    THuebit w;
    ScreenPage& page = *w.screenPage();
    const QStringList names = {"R=", "G=", "B="};
    QCOMPARE(texts(page.hoverLabels), names);
    QCOMPARE(texts(page.pickedLabels), names);
    QCOMPARE(page.Panel61->color(), ScreenPicker::Silver);
    w.screenPicker().SetPickedColor(RGB(192, 7, 255));
    QCOMPARE(texts(page.pickedLabels), QStringList({"R= 192", "G= 7", "B= 255"}));
    QCOMPARE(texts(page.hoverLabels), names);
}

void ScreenPageTest::readoutsAreNeverCutNorUnderTheSwatch_data() {
    QTest::addColumn<QFont>("font");
    QFont font = QApplication::font();
    QTest::newRow("default") << font;
    font.setPointSize(9);
    QTest::newRow("9 pt") << font;
    font.setPointSize(12);
    QTest::newRow("12 pt") << font;
}

void ScreenPageTest::readoutsAreNeverCutNorUnderTheSwatch() {
    QFETCH(QFont, font);
    const Shown shown(font);
    const ScreenPage& page = shown.page();
    const std::pair<const std::array<QLabel*, 3>*, const ColorSwatch*> groups[] = {
        {&page.hoverLabels, page.Panel61}, {&page.pickedLabels, page.Panel62}};
    for (const auto& [labels, swatch] : groups) {
        const QRect group = swatch->parentWidget()->rect().adjusted(1, 1, -1, -1);
        QVERIFY(swatch->width() >= 12);
        for (const QLabel* l : *labels) {
            QVERIFY2(l->text().endsWith(" 255"), qPrintable(l->text()));
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
            QVERIFY2(l->height() >= l->sizeHint().height(), qPrintable(l->text()));
            QVERIFY2(!l->geometry().intersects(swatch->geometry()), qPrintable(l->text()));
            QVERIFY2(group.contains(l->geometry()), qPrintable(l->text()));
        }
    }
}

void ScreenPageTest::magnifierCaptionsFitAtTheDefaultFont_data() {
    QTest::addColumn<QFont>("font");
    QFont font = QApplication::font();
    QTest::newRow("default") << font;
    font.setPointSize(9);
    QTest::newRow("9 pt") << font;
}

// Everything right of the large view stays inside the group, and no caption is cut or covered.
void ScreenPageTest::magnifierCaptionsFitAtTheDefaultFont() {
    QFETCH(QFont, font);
    const Shown shown(font);
    const ScreenPage& page = shown.page();
    const QRect inside = page.colorGroup->rect().adjusted(1, 1, -1, -1);
    QList<QWidget*> placed = {page.Panel61, page.Panel62, page.SpinEdit1, page.SpinEdit2,
                              page.Image16->parentWidget()};
    for (QLabel* l : page.colorGroup->findChildren<QLabel*>()) {
        if (l->isHidden()) continue; // the units beside the edits have no room and stay hidden
        QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
        placed.append(l);
    }
    for (QWidget* w : placed) {
        QVERIFY2(inside.contains(inGroup(page, w)), qPrintable(w->objectName()));
        for (QWidget* other : placed) {
            if (other != w) QVERIFY(!inGroup(page, w).intersects(inGroup(page, other)));
        }
    }
    // At the layout's font the edits keep their places.
    if (QTest::currentDataTag() == QByteArray("default")) {
        QCOMPARE(inGroup(page, page.Image16->parentWidget()).topLeft(), QPoint(177, 76));
        QCOMPARE(inGroup(page, page.SpinEdit1).y(), 88);
        QCOMPARE(inGroup(page, page.SpinEdit2).y(), 111);
    }
}

QTEST_MAIN(ScreenPageTest)
#include "screen_page_test.moc"
