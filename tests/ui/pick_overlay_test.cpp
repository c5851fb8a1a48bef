// The pick overlay turns real Qt events into the session's moves and ends exactly once: keys
// step the pointer, the wheel steps the square, Enter/Space/left pick, Escape/right cancel.
#include "screen/screen_capture.h"
#include "ui/pick_overlay.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

using namespace huebit;

namespace {

// Pixel (x, y) is (x, y, 7): every pixel tells where it is.
QImage positions() {
    QImage img(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x, y, 7));
    return img;
}

void moveTo(QWidget& w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, w.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

void wheel(QWidget& w, int delta) {
    QWheelEvent e(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

// A copy the server keeps but cannot show (no handle, as off X11): it is read whole once.
class UnshownCopy : public HeldCopy {
public:
    QSize size() const override { return {64, 48}; }
    QImage take() override {
        ++takes;
        return positions();
    }
    QImage read(QRect area) override {
        ++reads;
        return positions().copy(area);
    }
    int takes = 0;
    int reads = 0;
};

} // namespace

class PickOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void keysAndWheelMoveTheSession() {
        PickOverlay o(positions(), 1, QStringLiteral("#hRhGhB"));
        o.setGeometry(0, 0, 64, 48);
        o.show();
        moveTo(o, {30, 20});
        QCOMPARE(o.session().pointer(), QPoint(30, 20));
        QTest::keyClick(&o, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(o.session().pointer(), QPoint(20, 20));
        QTest::keyClick(&o, Qt::Key_Down);
        QTest::keyClick(&o, Qt::Key_Right);
        QCOMPARE(o.session().pointer(), QPoint(21, 21));
        QTest::keyClick(&o, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(o.session().pointer(), QPoint(21, 11));
        wheel(o, 120);
        QCOMPARE(o.session().diameter(), 3);
        wheel(o, 60); // half a notch waits for its other half
        QCOMPARE(o.session().diameter(), 3);
        wheel(o, 60);
        QCOMPARE(o.session().diameter(), 5);
        wheel(o, -480);
        QCOMPARE(o.session().diameter(), 1);
        // The loupe keeps clear of the pointer's pixel even on this small screen's edge.
        QVERIFY(QRect(0, 0, 64, 48).intersects(o.loupeRect()));
    }

    void picksOnceWithEnterSpaceOrLeft_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Return") << 0;
        QTest::newRow("Space") << 1;
        QTest::newRow("left button") << 2;
    }
    void picksOnceWithEnterSpaceOrLeft() {
        QFETCH(int, how);
        PickOverlay o(positions(), 1, QStringLiteral("#hRhGhB"));
        o.setGeometry(0, 0, 64, 48);
        o.show();
        QSignalSpy picked(&o, &PickOverlay::picked);
        QSignalSpy cancelled(&o, &PickOverlay::cancelled);
        moveTo(o, {12, 34});
        if (how == 0) QTest::keyClick(&o, Qt::Key_Return);
        if (how == 1) QTest::keyClick(&o, Qt::Key_Space);
        if (how == 2) QTest::mouseClick(&o, Qt::LeftButton, {}, QPoint(12, 34));
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).value<Color>(), RGB(12, 34, 7));
        QTest::keyClick(&o, Qt::Key_Return); // over: nothing more
        QTest::keyClick(&o, Qt::Key_Escape);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(cancelled.count(), 0);
    }

    void heldCopyTheServerCannotShowIsDrawnFromItsPixels() {
        const auto held = std::make_shared<UnshownCopy>();
        PickOverlay o(held, 1, QStringLiteral("#hRhGhB"));
        o.start();
        QCOMPARE(held->takes, 1);
        QCOMPARE(o.session().screen().size(), QSize(64, 48));
        QSignalSpy picked(&o, &PickOverlay::picked);
        moveTo(o, {12, 34});
        QTest::keyClick(&o, Qt::Key_Return);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).value<Color>(), RGB(12, 34, 7));
        QCOMPARE(held->takes, 1);
    }

    void escapeOrRightButtonCancels() {
        for (const bool key : {true, false}) {
            PickOverlay o(positions(), 1, QStringLiteral("#hRhGhB"));
            o.setGeometry(0, 0, 64, 48);
            o.show();
            QSignalSpy picked(&o, &PickOverlay::picked);
            QSignalSpy cancelled(&o, &PickOverlay::cancelled);
            if (key)
                QTest::keyClick(&o, Qt::Key_Escape);
            else
                QTest::mouseClick(&o, Qt::RightButton, {}, QPoint(3, 3));
            QCOMPARE(cancelled.count(), 1);
            QCOMPARE(picked.count(), 0);
            QVERIFY(!o.isVisible());
        }
    }
};

QTEST_MAIN(PickOverlayTest)
#include "pick_overlay_test.moc"
