// Another start of the program asks the window forward: it comes back from minimized, and not
// once closing has begun (that start then runs itself).
#include "ui/huebit_window.h"

#include <QCloseEvent>
#include <QtTest>

using namespace huebit;

class BringForwardTest : public QObject {
    Q_OBJECT
private slots:
    void comesBackFromMinimized() {
        THuebit w;
        w.show();
        w.setWindowState(Qt::WindowMinimized);
        QVERIFY(w.BringForward());
        QVERIFY(!w.isMinimized());
        QVERIFY(w.isVisible());
    }

    void refusesOnceClosingHasBegun() {
        THuebit fading;
        fading.show();
        fading.StartClosing();
        QVERIFY(!fading.BringForward());

        THuebit closed;
        closed.show();
        closed.close();
        QVERIFY(!closed.BringForward());
        QVERIFY2(!closed.isVisible(), "a closed window came back");
    }
};

QTEST_MAIN(BringForwardTest)
#include "bring_forward_test.moc"
