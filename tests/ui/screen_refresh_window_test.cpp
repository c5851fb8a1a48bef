// The main window around a screen copy that answers later, and pointer positions between pixels
// (as a scale factor delivers them), on the offscreen platform.
#include "ui/app_look.h"
#include "ui/component_bar.h"
#include "ui/huebit_window.h"
#include "ui/interactive_hints.h"
#include "ui/image_view.h"
#include "ui/screen_page.h"
#include "ui/shell_driver.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace huebit;

namespace {

// The desktop portal as the window sees it: it answers when the test says so.
class LaterScreen : public ScreenCapture {
public:
    explicit LaterScreen(QList<CaptureDone>& asked) : m_asked(asked) {}
    void capture(CaptureDone done) override { m_asked.append(std::move(done)); }
    bool answersLater() const override { return true; }

private:
    QList<CaptureDone>& m_asked;
};

QImage plain(QSize size, QRgb c) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void sendAt(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button,
                  type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class ScreenRefreshWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void theWindowWaitsOutOfThePictureAndAsksOnce();
    void aFailureIsSaidAndOutlivesThePassingHint();
    void hoveringOpenMakesNoCopyThatAsksTheDesktop();
    void positionsBetweenPixelsBelongToThePixelThatHoldsThem();
    void aCopyTakenWhileThePageIsHiddenShowsWhenThePageDoes();
};

void ScreenRefreshWindowTest::theWindowWaitsOutOfThePictureAndAsksOnce() {
    THuebit w;
    QList<CaptureDone> asked;
    w.setScreenCapture(std::make_unique<LaterScreen>(asked));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ScreenPage* page = w.screenPage();
    w.ShowPage(1);

    page->refreshButton->click();
    QVERIFY(!w.isVisible());
    QTRY_COMPARE(asked.size(), 1);
    // Another "Обновить ", a page visit's delayed copy: nothing new is asked meanwhile.
    page->refreshButton->click();
    w.CaptureScreen();
    QTest::qWait(50);
    QCOMPARE(asked.size(), 1);

    asked[0]({plain({3840, 1080}, qRgb(10, 20, 30)), CaptureFailure::None});
    QVERIFY(w.isVisible());
    QCOMPARE(w.size(), QSize(THuebit::ClientWidth, THuebit::ClientHeight));
    QCOMPARE(page->Image14->geometry(), QRect(2, 71, 383, 108));
    QCOMPARE(page->Image14->image().pixel(300, 50), qRgb(10, 20, 30));
    QVERIFY(w.statusBar()->notice().isEmpty());

    page->refreshButton->click();
    QTRY_COMPARE(asked.size(), 2);
}

void ScreenRefreshWindowTest::aFailureIsSaidAndOutlivesThePassingHint() {
    THuebit w;
    QList<CaptureDone> asked;
    w.setScreenCapture(std::make_unique<LaterScreen>(asked));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ScreenPage* page = w.screenPage();
    w.ShowPage(1);
    page->refreshButton->click();
    QTRY_COMPARE(asked.size(), 1);
    asked[0]({plain({800, 600}, qRgb(1, 2, 3)), CaptureFailure::None});
    const QImage first = page->Image14->image();

    page->refreshButton->click();
    QTRY_COMPARE(asked.size(), 2);
    asked[1]({{}, CaptureFailure::Cancelled});
    QVERIFY(w.isVisible());
    StatusLine* status = w.statusBar();
    const QString failure = CaptureFailureText(CaptureFailure::Cancelled);
    QCOMPARE(status->notice(), failure);
    QCOMPARE(status->textLabel()->accessibleName(), failure);
    QCOMPARE(page->Image14->image(), first);

    // The hint of the button under the returning pointer does not cover it at once...
    w.interactiveHints().PointerOver(QStringLiteral("Обновить образ экрана"));
    QCOMPARE(status->textLabel()->accessibleName(), failure);
    // ...later hints pass over it and it comes back when they go.
    QTest::qWait(StatusLine::NoticeHoldMs + 100);
    w.interactiveHints().PointerOver(QStringLiteral("Сохранить образ экрана как bmp"));
    QCOMPARE(status->textLabel()->accessibleName(), QStringLiteral("Сохранить образ экрана как bmp"));
    w.interactiveHints().PointerOver(QString());
    QCOMPARE(status->textLabel()->accessibleName(), failure);

    // The next copy starts with a clean line.
    page->refreshButton->click();
    QVERIFY(status->notice().isEmpty());
}

void ScreenRefreshWindowTest::hoveringOpenMakesNoCopyThatAsksTheDesktop() {
    THuebit w;
    QList<CaptureDone> asked;
    w.setScreenCapture(std::make_unique<LaterScreen>(asked));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCursor::setPos(w.geometry().bottomRight() + QPoint(300, 300));
    w.shellDriver().rules().ToggleMiniWindow();
    QCOMPARE(w.width(), w.shell().miniWidth);

    // The pointer comes to rest on the mini-window: the view opens on the screen page, but the
    // picture is only asked for when the user presses "Обновить ".
    QCursor::setPos(w.geometry().center());
    QTRY_COMPARE(w.width(), THuebit::ClientWidth);
    QCOMPARE(w.pages()->currentIndex(), 1);
    QTest::qWait(50);
    QVERIFY(asked.isEmpty());
}

void ScreenRefreshWindowTest::positionsBetweenPixelsBelongToThePixelThatHoldsThem() {
    QWidget parent;
    ImageView view(QStringLiteral("v"), QSize(200, 100), &parent);
    ComponentBar bar(QStringLiteral("b"), QStringLiteral("f"), 190, 0, &parent);
    QSignalSpy pressed(&view, &ImageView::pressed);
    QSignalSpy moved(&view, &ImageView::moved);
    QSignalSpy down(&bar, &ComponentBar::pointerDown);
    const struct {
        QPointF at;
        QPoint pixel;
    } cases[] = {{{100.5, 50.5}, {100, 50}},
                 {{100.0, 50.0}, {100, 50}},
                 {{100.99, 0.75}, {100, 0}},
                 {{-0.5, -0.25}, {-1, -1}}};
    for (const auto& c : cases) {
        sendAt(&view, QEvent::MouseButtonPress, c.at, Qt::LeftButton);
        sendAt(&view, QEvent::MouseMove, c.at, Qt::NoButton);
        sendAt(&bar, QEvent::MouseButtonPress, c.at, Qt::LeftButton);
        QCOMPARE(pressed.takeLast().mid(1), (QVariantList{c.pixel.x(), c.pixel.y()}));
        QCOMPARE(moved.takeLast().mid(2), (QVariantList{c.pixel.x(), c.pixel.y()}));
        QCOMPARE(down.takeLast().at(0).toInt(), c.pixel.x());
    }
}

QTEST_MAIN(ScreenRefreshWindowTest)
// A copy that arrives while another page shows is not reduced for the overview until the screen
// page shows, and then the view has it, with its marker and magnifier working.
void ScreenRefreshWindowTest::aCopyTakenWhileThePageIsHiddenShowsWhenThePageDoes() {
    THuebit w;
    QList<CaptureDone> asked;
    w.setScreenCapture(std::make_unique<LaterScreen>(asked));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.ShowPage(0);
    ScreenPage* page = w.screenPage();
    const QImage before = page->Image14->image();
    w.CaptureScreen();
    QTRY_COMPARE(asked.size(), 1);
    asked[0]({plain({1920, 1080}, qRgb(40, 50, 60)), CaptureFailure::None});
    QVERIFY(w.isVisible());
    QCOMPARE(page->Image14->image(), before);
    const QSize fitted = FitOverview({1920, 1080}, ScreenPicker::LayoutOverview).size();
    QCOMPARE(page->Image14->geometry().size(), fitted); // placed already

    w.ShowPage(1);
    QCOMPARE(page->Image14->image().size(), fitted);
    QCOMPARE(page->Image14->image().pixel(100, 100), qRgb(40, 50, 60));
    sendAt(page->Image14, QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton);
    QCOMPARE(page->Image16->image().pixel(10, 10), qRgb(40, 50, 60));
    QVERIFY(page->Image14->image() != w.screenPicker().CleanOverview()); // the marker is drawn
}

#include "screen_refresh_window_test.moc"
