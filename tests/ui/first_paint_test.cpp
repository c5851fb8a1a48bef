// Work left until the window is on the screen: it runs after the window's first paint, once,
// also when no exposure ever comes, and not at all once the window is gone; the tray icon is
// such work, and so are the floating panel's parts.
#include "core/color_model.h"
#include "ui/col_panel.h"
#include "ui/first_paint.h"
#include "ui/qt_tray_icon.h"
#include "ui/sample_view.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>
#include <QPointer>
#include <QtTest>
#include <memory>

using namespace huebit;

namespace {

class CountedWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

void spinFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

class FirstPaintTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnceAfterTheFirstPaint();
    void runsWithoutAnExposureOnceTheWaitIsOver();
    void nothingOnceTheWindowIsGone();
    void theTrayIconWaitsForTheWindow();
    void theFloatingPanelsPartsWaitForTheWindowUnlessShown();
};

void FirstPaintTest::runsOnceAfterTheFirstPaint() {
    CountedWindow window;
    window.resize(100, 80);
    window.winId();
    int runs = 0;
    int paintsAtRun = -1;
    AfterFirstPaint(window, [&] {
        ++runs;
        paintsAtRun = window.paints;
    });
    spinFor(50);
    QCOMPARE(runs, 0); // not shown: waits
    window.show();
    QTRY_COMPARE(runs, 1);
    QVERIFY(paintsAtRun >= 1);
    window.hide();
    window.show();
    spinFor(FirstPaintWaitMs + 100);
    QCOMPARE(runs, 1);
    // Asked once the window is up: the next round.
    AfterFirstPaint(window, [&] { ++runs; });
    QTRY_COMPARE_WITH_TIMEOUT(runs, 2, FirstPaintWaitMs / 2);
}

void FirstPaintTest::runsWithoutAnExposureOnceTheWaitIsOver() {
    QWidget window;
    window.winId();
    bool ran = false;
    AfterFirstPaint(window, [&] { ran = true; });
    QTRY_VERIFY_WITH_TIMEOUT(ran, FirstPaintWaitMs * 6);
}

void FirstPaintTest::nothingOnceTheWindowIsGone() {
    auto window = std::make_unique<QWidget>();
    window->winId();
    bool ran = false;
    AfterFirstPaint(*window, [&] { ran = true; });
    window.reset();
    spinFor(FirstPaintWaitMs + 100);
    QVERIFY(!ran);
}

void FirstPaintTest::theTrayIconWaitsForTheWindow() {
    QWidget window;
    window.resize(100, 80);
    window.winId();
    QMenu menu;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    QtTrayIcon tray(QIcon(picture), &menu);
    tray.placeAfterFirstPaintOf(window);
    tray.show();
    QVERIFY(!tray.placed());
    window.show();
    QTRY_VERIFY(tray.placed());

    // Taken away before the window came up: it never appears.
    QWidget second;
    second.winId();
    QtTrayIcon removed(QIcon(picture), &menu);
    removed.placeAfterFirstPaintOf(second);
    removed.show();
    removed.remove();
    second.show();
    spinFor(FirstPaintWaitMs + 100);
    QVERIFY(!removed.placed());
}

void FirstPaintTest::theFloatingPanelsPartsWaitForTheWindowUnlessShown() {
    ColorModel model;
    QWidget window;
    window.resize(100, 80);
    window.winId();
    TColPanel later(model, SettingsBuffer(), &window);
    QVERIFY(!later.partsBuilt());
    model.FloatingPanelShown(); // the face's state moves on while no face exists
    window.show();
    QTRY_VERIFY(later.partsBuilt());
    QCOMPARE(later.face()->background(), model.FloatingPanel().face);

    // Shown before its window is painted: made at once.
    QWidget second;
    second.winId();
    TColPanel early(model, SettingsBuffer(), &second);
    early.ShowHide();
    QVERIFY(early.partsBuilt());
    QVERIFY(early.isVisible());
    QVERIFY(!early.closeButton()->isVisible());
}

QTEST_MAIN(FirstPaintTest)
#include "first_paint_test.moc"
