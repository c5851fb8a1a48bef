// The window's close as the program's end sees it: reported once, hidden or shown; and the
// dialogs that may be open then belong to the window they hold and give way together.
#include "ui/huebit_window.h"
#include "ui/modal_dialogs.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace huebit;

class WindowCloseTest : public QObject {
    Q_OBJECT
private slots:
    // Hidden to the tray the window is closed without going from the screen: the close is
    // reported all the same, and only once however often it is asked for.
    void reportsItsCloseOnceShownOrHidden() {
        for (const bool hidden : {false, true}) {
            THuebit w;
            w.show();
            if (hidden) w.hide();
            QSignalSpy closed(&w, &THuebit::closed);
            w.RequestClose();
            w.RequestClose();
            w.close();
            QCOMPARE(closed.count(), 1);
        }
    }

    // A dialog opened from a dialog belongs to it, both hold only their own windows, and
    // closing the modal windows ends both event loops, the inner one first.
    void nestedDialogsBelongToTheOpenOneAndGiveWayTogether() {
        QWidget window;
        window.show();
        QWidget* innerParent = nullptr;
        Qt::WindowModality innerModality = Qt::NonModal;
        int innerResult = -1;
        QTimer::singleShot(0, [&] {
            QDialog inner(DialogParent(&window));
            innerParent = inner.parentWidget();
            QTimer::singleShot(0, [&] {
                innerModality = inner.windowModality();
                CloseModalWindows();
            });
            innerResult = ExecWindowModal(inner);
        });
        QDialog outer(DialogParent(&window));
        const int outerResult = ExecWindowModal(outer);
        QCOMPARE(outer.parentWidget(), &window);
        QCOMPARE(innerParent, &outer);
        QCOMPARE(innerModality, Qt::WindowModal);
        QCOMPARE(innerResult, int(QDialog::Rejected));
        QCOMPARE(outerResult, int(QDialog::Rejected));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(WindowCloseTest)
#include "window_close_test.moc"
