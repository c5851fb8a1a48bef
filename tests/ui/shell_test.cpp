// The window shell on real widgets (offscreen): the title strip's icons and hover option, the
// tray's menu with a fake tray, the options group, the colour indicator and the floating panel.

#include "core/contrast.h"
#include "settings/settings_record.h"
#include "shell/fake_tray_icon.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/color_indicator.h"
#include "ui/color_swatch.h"
#include "ui/contrast_view.h"
#include "ui/huebit_window.h"
#include "ui/image_button.h"
#include "ui/sample_view.h"
#include "ui/lazy_page.h"
#include "ui/settings_page.h"
#include "ui/shell_driver.h"
#include "ui/title_strip.h"
#include "ui/window_options_group.h"
#include "widget_events.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace huebit;
using huebit::test::sendMouse;

namespace {

// The main window with its floating panel and a tray that is there.
struct Program {
    THuebit window;
    TColPanel panel{window.model()};
    FakeTrayIcon* tray = nullptr;
    explicit Program(bool startMini = false) {
        auto fake = std::make_unique<FakeTrayIcon>();
        tray = fake.get();
        window.shellDriver().setTrayIcon(std::move(fake));
        tray->show();
        window.shellOptions().startInMiniWindow = startMini;
        window.setColPanel(&panel);
        window.show();
    }
    TitleStrip* title() { return window.titleStrip(); }
    bool mini() const { return window.size() == QSize(34, 23); }
};

void clickWith(QWidget* w, Qt::MouseButton b, QPoint at = {5, 5}) {
    sendMouse(w, QEvent::MouseButtonPress, at, b, b);
    sendMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}

void doubleClick(QWidget* w, QPoint at = {5, 5}) {
    clickWith(w, Qt::LeftButton, at);
    sendMouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// A move whose screen position is given outright (the widget may move under the pointer).
void moveGlobal(QWidget* w, QPoint global, Qt::MouseButtons buttons) {
    QMouseEvent e(QEvent::MouseMove, QPointF(w->mapFromGlobal(global)), QPointF(global),
                  Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void titleIconsActOnThePrimaryButtonOnly();
    void hoverOptionAndProgramIconSwitchTheMode();
    void trayMenuHidesShowsAndShrinks();
    void withoutATrayHidingMinimises();
    void optionsHoldTheirStateAndThePreviewFollowsTheSlider();
    void indicatorFollowsThePagesAndSwitchesForm();
    void panelButtonsComeOutInTheStripAndResizeKeepsTheCorner();
    void panelFreezeCloseAndDoubleClick();
    void panelShowsContrastWhileThereIsRoom();
    void panelStoredOffScreenShowsOnTheScreen();
};

void ShellTest::titleIconsActOnThePrimaryButtonOnly() {
    Program p;
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        clickWith(p.title()->Image12, b);
        clickWith(p.title()->Image11, b);
        clickWith(p.title()->Image10, b);
    }
    sendMouse(p.title()->Image7, QEvent::MouseButtonDblClick, {5, 5}, Qt::RightButton,
              Qt::RightButton);
    QVERIFY(!p.mini());
    QVERIFY(p.window.isVisible());
    QVERIFY(!p.window.closingFade());
    clickWith(p.title()->Image12, Qt::LeftButton);
    QVERIFY(p.mini());
    QVERIFY(p.title()->Image9->isVisible());
    QVERIFY(p.title()->Image12->isHidden());
    QVERIFY(p.window.shellDriver().hoverPolling());
    doubleClick(p.title()->Image7);
    QCOMPARE(p.window.size(), QSize(404, 507));
    QCOMPARE(p.window.opacity(), 255);
    QVERIFY(!p.window.shellDriver().hoverPolling());
    clickWith(p.title()->Image11, Qt::LeftButton); // a tray is there: hidden
    QVERIFY(!p.window.isVisible());
    QVERIFY(!p.window.shell().windowShown);
    p.tray->primaryClicked();
    QVERIFY(p.window.isVisible());
}

void ShellTest::hoverOptionAndProgramIconSwitchTheMode() {
    Program p(true);
    QVERIFY(p.mini()); // "start in the mini-window" applied at the panel's creation
    doubleClick(p.title()->Image7);
    QVERIFY(!p.mini());
    QCheckBox* hover = p.title()->CheckBox4;
    hover->click(); // cleared: the click's action switches the mode
    QVERIFY(!p.window.shellOptions().openOnHover);
    QVERIFY(p.mini());
    QVERIFY(!p.window.shellDriver().hoverPolling());
    doubleClick(p.title()->Image7);
    hover->click();
    QVERIFY(p.window.shellOptions().openOnHover);
    QVERIFY(p.mini());
    QVERIFY(p.window.shellDriver().hoverPolling());
}

void ShellTest::trayMenuHidesShowsAndShrinks() {
    Program p;
    QMenu* menu = p.window.shellDriver().trayMenu();
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(entries, (QStringList{"Скрыть/показать", "Уменьшить/увеличить", "О программе", "-",
                                   "Закрыть"}));
    menu->actions()[1]->trigger();
    QVERIFY(p.mini());
    menu->actions()[0]->trigger();
    QVERIFY(!p.window.isVisible());
    menu->actions()[2]->trigger(); // About: out of the tray and the mini-window
    QVERIFY(p.window.isVisible());
    QVERIFY(!p.mini());
    QCOMPARE(p.window.pages()->currentIndex(), 3);
    menu->actions()[4]->trigger();
    QVERIFY(p.window.closingFade());
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.isVisible(), 5000);
}

void ShellTest::withoutATrayHidingMinimises() {
    Program p;
    p.tray->trayThere = false;
    clickWith(p.title()->Image11, Qt::LeftButton);
    QVERIFY(p.window.shell().windowShown);
    QVERIFY(p.window.isMinimized());
    QVERIFY(p.window.BringForward());
    QVERIFY(!p.window.isMinimized());
}

void ShellTest::optionsHoldTheirStateAndThePreviewFollowsTheSlider() {
    Program p;
    p.window.settingsPage()->windowPage->make();
    WindowOptionsGroup* g = p.window.settingsPage()->options;
    const struct {
        QCheckBox* box;
        std::function<bool()> option;
    } options[] = {
        {g->CheckBox9, [&] { return p.window.shellOptions().stayOnTop; }},
        {g->CheckBox3, [&] { return p.window.shellOptions().openOnScreenPage; }},
        {g->CheckBox5, [&] { return p.window.shellOptions().startInMiniWindow; }},
        {g->CheckBox8, [&] { return p.window.shellOptions().refreshScreenOnOpen; }},
        {g->CheckBox6, [&] { return p.window.hintOptions().useIndicator; }},
    };
    for (const auto& o : options) {
        QVERIFY2(!o.box->accessibleName().isEmpty(), qPrintable(o.box->objectName()));
        o.box->setChecked(false);
        QVERIFY2(!o.option(), qPrintable(o.box->objectName()));
        o.box->setChecked(true);
        QVERIFY2(o.option(), qPrintable(o.box->objectName()));
    }
    const QSize size = p.window.size();
    const QPoint place = p.window.pos();
    g->CheckBox9->setChecked(false); // stacking changes; place, size and opacity stay
    QCOMPARE(p.window.size(), size);
    QCOMPARE(p.window.pos(), place);
    QTRY_COMPARE(p.window.opacity(), 255);
    g->TrackBar1->setValue(200);
    QCOMPARE(p.window.shellOptions().transparency, 200);
    QCOMPARE(g->Panel57->color(), RGB(55, 55, 55));
    g->TrackBar1->setValue(0);
    QCOMPARE(g->Panel57->color(), RGB(255, 255, 255));
}

void ShellTest::indicatorFollowsThePagesAndSwitchesForm() {
    Program p;
    ColorSwatch* indicator = p.window.indicator();
    p.window.ShowPage(0);
    QTRY_VERIFY(indicator->isVisible());
    QCOMPARE(p.window.statusBar()->x(), 34); // the spacer keeps the text clear of it
    for (int page : {2, 3}) {
        p.window.ShowPage(page);
        QTRY_VERIFY(!indicator->isVisible());
        QCOMPARE(p.window.statusBar()->x(), 0);
    }
    p.window.ShowPage(1);
    QTRY_VERIFY(indicator->isVisible());
    QCOMPARE(indicator->geometry(), QRect(4, 474, 29, 29));
    doubleClick(indicator);
    QCOMPARE(indicator->geometry(), QRect(4, 398, 29, 105));
    QCOMPARE(indicator->frameShape(), QFrame::NoFrame);
    QVERIFY(p.window.colorIndicator().isLarge());
    QVERIFY(p.window.shellOptions().largeIndicator); // as the settings file will keep it
    doubleClick(indicator);
    QCOMPARE(indicator->geometry(), QRect(4, 474, 29, 29));
    // The pointer over it shows the targeted sample colour.
    sendMouse(indicator, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(indicator->color(), p.window.model().TargetedSampleColor());
    // Cleared, the option leaves it as it is on the colour pages.
    p.window.hintOptions().useIndicator = false;
    p.window.ShowPage(0);
    QTest::qWait(300);
    QVERIFY(indicator->isVisible());
}

void ShellTest::panelButtonsComeOutInTheStripAndResizeKeepsTheCorner() {
    Program p;
    TColPanel& panel = p.panel;
    QCOMPARE(panel.geometry(), QRect(220, 582, 247, 73));
    // The offscreen screen is 800 x 600, so the default place is pulled up onto it.
    panel.ShowHide();
    QVERIFY(panel.isVisible());
    const QRect shown = panel.geometry();
    QCOMPARE(shown.size(), QSize(247, 73));
    const QPoint o = shown.topLeft();
    SampleView* face = panel.face();
    sendMouse(face, QEvent::MouseMove, {10, 30}, Qt::NoButton, Qt::NoButton);
    QVERIFY(panel.resizeButton()->isVisible());
    QVERIFY(panel.freezeButton()->isVisible());
    QCOMPARE(panel.sizeReadout()->text(), QStringLiteral("247/73"));
    sendMouse(face, QEvent::MouseMove, {19, 30}, Qt::NoButton, Qt::NoButton);
    QVERIFY(!panel.resizeButton()->isVisible());
    QVERIFY(!panel.sizeReadout()->isVisible());
    sendMouse(face, QEvent::MouseMove, {18, 57}, Qt::NoButton, Qt::NoButton);
    QVERIFY(panel.closeButton()->isVisible());

    QToolButton* resize = panel.resizeButton();
    QPoint at = resize->mapToGlobal(QPoint(8, 8));
    sendMouse(resize, QEvent::MouseButtonPress, {8, 8}, Qt::LeftButton, Qt::LeftButton);
    at += QPoint(40, 20);
    moveGlobal(resize, at, Qt::LeftButton);
    QCOMPARE(panel.geometry(), QRect(o + QPoint(40, 20), QSize(207, 53)));
    QCOMPARE(panel.sizeReadout()->text(), QStringLiteral("207/53"));
    moveGlobal(resize, at + QPoint(10, 0), Qt::RightButton); // another button: no change
    QCOMPARE(panel.geometry(), QRect(o + QPoint(40, 20), QSize(207, 53)));
    moveGlobal(resize, at + QPoint(900, 900), Qt::LeftButton);
    QCOMPARE(panel.geometry(), QRect(o + QPoint(226, 52), QSize(21, 21)));
    QCOMPARE(face->size(), QSize(21, 21));
}

void ShellTest::panelFreezeCloseAndDoubleClick() {
    Program p;
    TColPanel& panel = p.panel;
    panel.ShowHide();
    ColorModel& model = p.window.model();
    QToolButton* freeze = panel.freezeButton();
    clickWith(freeze, Qt::RightButton);
    QVERIFY(!model.FloatingPanel().frozen);
    freeze->click();
    QVERIFY(freeze->font().bold());
    model.ApplyColor(RGB(10, 20, 30), coNormal);
    QVERIFY(panel.face()->background() != RGB(10, 20, 30));
    freeze->click();
    QVERIFY(!freeze->font().bold());
    QCOMPARE(panel.face()->background(), RGB(10, 20, 30));
    freeze->click();
    doubleClick(panel.face()); // hides; the next show starts unfrozen, buttons hidden
    QVERIFY(!panel.isVisible());
    panel.ShowHide();
    QVERIFY(!model.FloatingPanel().frozen);
    QVERIFY(!panel.freezeButton()->isVisible());
    QVERIFY(!panel.sizeReadout()->isVisible());
    panel.closeButton()->click();
    QVERIFY(!panel.isVisible());
    // Shrinking the main window takes the panel along; returning brings it back.
    panel.ShowHide();
    clickWith(p.title()->Image12, Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    doubleClick(p.title()->Image7);
    QVERIFY(panel.isVisible());
}

void ShellTest::panelShowsContrastWhileThereIsRoom() {
    Program p;
    TColPanel& panel = p.panel;
    panel.ShowHide();
    ColorModel& model = p.window.model();
    ContrastView* readout = panel.contrastReadout();
    QVERIFY(readout);
    QCOMPARE(readout->parentWidget(), panel.face());
    const auto shownPair = [&] {
        return ContrastReadout(panel.face()->textColor(), panel.face()->background());
    };
    QCOMPARE(readout->text(), QStringLiteral("2.86:1 · Lc -46.1")); // the default sample
    QVERIFY(readout->isVisible());
    model.ApplyColor(RGB(255, 255, 255), coNormal);
    const QString onWhite = readout->text();
    QCOMPARE(onWhite, shownPair());
    QVERIFY(onWhite != QStringLiteral("2.86:1 · Lc -46.1"));
    panel.freezeButton()->click(); // a frozen face keeps its colours and so its figures
    model.ApplyColor(RGB(0, 0, 0), coNormal);
    QCOMPARE(readout->text(), onWhite);
    panel.freezeButton()->click();
    QCOMPARE(panel.face()->background(), RGB(0, 0, 0));
    QCOMPARE(readout->text(), shownPair());

    // Without room it is hidden, never clipped, over the button strip or over the caption; it
    // comes back when the panel has room again.
    const struct {
        QSize size;
        bool shown;
    } sizes[] = {
        {{247, 73}, true},  {{21, 21}, false}, {{60, 60}, false},  {{160, 24}, false},
        {{400, 24}, true},  {{400, 18}, false}, {{400, 200}, true},
    };
    for (const auto& c : sizes) {
        panel.resize(c.size);
        const QString at = QStringLiteral("%1x%2").arg(c.size.width()).arg(c.size.height());
        QVERIFY2(readout->isVisible() == c.shown, qPrintable(at));
        if (!c.shown) continue;
        QVERIFY2(panel.face()->rect().contains(readout->geometry()), qPrintable(at));
        QVERIFY2(readout->geometry().left() >= 21, qPrintable(at));
        QVERIFY2(readout->size() == readout->sizeHint(), qPrintable(at));
        const QRect caption = panel.face()->fontMetrics().boundingRect(
            panel.face()->contentsRect(), Qt::AlignCenter, panel.face()->caption());
        QVERIFY2(!caption.intersects(readout->geometry()), qPrintable(at));
        QCOMPARE(readout->geometry().bottomRight(),
                 QPoint(c.size.width() - 3, c.size.height() - 3));
    }
}

void ShellTest::panelStoredOffScreenShowsOnTheScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Settings lines 177-180: width, height, left, top.
    const struct {
        const char *width, *height, *left, *top;
    } stored[] = {
        {"247", "73", "5000", "3000"}, // a monitor that is gone
        {"0", "-4", "100", "100"},     // no size at all
        {"-20", "5", "-3000", "-3000"},
        {"5000", "3000", "0", "0"}, // bigger than the screen: its buttons stay on it
    };
    for (const auto& s : stored) {
        QStringList lines(SettingsLineCount);
        lines[SettingsLine::PanelWidth] = QString::fromLatin1(s.width);
        lines[SettingsLine::PanelHeight] = QString::fromLatin1(s.height);
        lines[SettingsLine::PanelLeft] = QString::fromLatin1(s.left);
        lines[SettingsLine::PanelTop] = QString::fromLatin1(s.top);
        ColorModel model;
        TColPanel panel(model, SettingsBuffer(lines));
        panel.ShowHide();
        const QRect g = panel.geometry();
        const QString at =
            QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        QVERIFY2(g.width() >= 21 && g.height() >= 21, qPrintable(at));
        QVERIFY2(screen.contains(QRect(g.topLeft(), QSize(21, 59)).intersected(g)), qPrintable(at));
        QCOMPARE(panel.face()->geometry(), panel.rect());
    }
    // Moved away while the main window hid it, it comes back onto the screen with the window.
    Program p;
    p.panel.ShowHide();
    clickWith(p.title()->Image11, Qt::LeftButton); // a tray is there: hidden, panel too
    QVERIFY(!p.panel.isVisible());
    p.panel.move(-4000, 9000);
    p.tray->primaryClicked();
    QVERIFY(p.panel.isVisible());
    QVERIFY(screen.contains(p.panel.geometry()));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
