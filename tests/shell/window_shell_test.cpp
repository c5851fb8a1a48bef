#include "fake_shell_window.h"
#include "shell/fake_tray_icon.h"
#include "shell/window_shell.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {

// A freshly created window (full size, fading in from 0) with its tray icon asked for.
struct Shell : ::testing::Test {
    ShellState state;
    ShellOptions options;
    FakeShellWindow window;
    FakeTrayIcon tray;
    WindowShell shell{state, options, window, tray};

    Shell() {
        tray.show();
        tray.availabilityChanged = [this](bool there) { shell.TrayAvailabilityChanged(there); };
    }

    void fadeToTheEnd() {
        for (int i = 0; i < 100 && window.fading; ++i)
            shell.FadeTick();
    }
    void pointerAt(QPoint p) {
        window.mouse = p;
        shell.HoverPoll();
    }
    bool mini() const { return window.frame.size() == QSize(34, 23) && window.miniPicture; }
};

} // namespace

TEST_F(Shell, FirstStartRestsAsATranslucentMiniWindow) {
    shell.PanelCreated(); // "start in the mini-window" is on by default
    EXPECT_TRUE(mini());
    EXPECT_FALSE(window.shrinkIcon);
    EXPECT_TRUE(window.hoverPolling);
    EXPECT_FALSE(window.taskbarHidden);
    fadeToTheEnd();
    EXPECT_EQ(window.alpha, 127);
    EXPECT_TRUE(window.taskbarHidden); // the tray icon stands for the program now
}

TEST_F(Shell, FadeInEndsAtTheTransparencyOfTheMiniWindow) {
    for (const auto& [v, rest] : {std::pair{0, 255}, {128, 127}, {255, 0}}) {
        ShellState s;
        ShellOptions o;
        o.transparency = v;
        FakeShellWindow w;
        WindowShell sh(s, o, w, tray);
        sh.PanelCreated();
        for (int i = 0; i < 100 && w.fading; ++i)
            sh.FadeTick();
        EXPECT_EQ(w.alpha, rest) << v;
        // Leaving the hover view returns to the same opacity.
        w.mouse = {10, 10};
        sh.HoverPoll();
        EXPECT_EQ(w.alpha, 255) << v;
        w.mouse = {500, 500};
        sh.HoverPoll();
        EXPECT_EQ(w.alpha, rest) << v;
    }
}

TEST_F(Shell, WithoutATrayTheTaskbarEntryStaysAndHidingMinimises) {
    tray.trayThere = false;
    fadeToTheEnd();
    EXPECT_EQ(window.alpha, 255);
    EXPECT_FALSE(window.taskbarHidden);
    shell.ToggleHidden();
    EXPECT_TRUE(window.minimised);
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(state.windowShown);
    // A tray turns up: the icon is there and the tray icon stands for the program again.
    tray.setTray(true);
    EXPECT_TRUE(window.taskbarHidden);
    shell.ToggleHidden();
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(state.windowShown);
    // The tray goes while the window is hidden in it: the window comes back.
    tray.setTray(false);
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(state.windowShown);
    EXPECT_FALSE(window.taskbarHidden);
}

TEST_F(Shell, HoverViewOpensOnTheScreenPageAndShrinksAgain) {
    shell.PanelCreated();
    fadeToTheEnd();
    pointerAt({34, 23}); // the far corner counts as inside
    EXPECT_EQ(window.frame.size(), QSize(404, 507));
    EXPECT_FALSE(window.miniPicture);
    EXPECT_FALSE(window.shrinkIcon); // a temporary view: still the mini-window mode
    EXPECT_EQ(window.alpha, 255);
    EXPECT_EQ(window.log, (QStringList{"front", "topmost", "capture on 1"}));
    window.log.clear();
    pointerAt({300, 300}); // inside the open view: nothing more happens
    EXPECT_TRUE(window.log.isEmpty());
    EXPECT_EQ(window.frame.width(), 404);
    pointerAt({405, 300});
    EXPECT_TRUE(mini());
    EXPECT_EQ(window.alpha, 127);
    // Without the page options the view keeps its page and captures nothing.
    options.openOnScreenPage = false;
    options.stayOnTop = false;
    window.page = 2;
    pointerAt({1, 1});
    EXPECT_EQ(window.page, 2);
    EXPECT_EQ(window.log, QStringList{"front"});
}

TEST_F(Shell, AnOpenDialogOrMenuKeepsTheHoverViewOpen) {
    shell.PanelCreated();
    pointerAt({5, 5});
    state.dialogOpen = true;
    pointerAt({800, 600});
    EXPECT_EQ(window.frame.width(), 404);
    state.dialogOpen = false;
    window.popup = true; // a menu opened in the view
    pointerAt({800, 600});
    EXPECT_EQ(window.frame.width(), 404);
    window.popup = false;
    pointerAt({800, 600});
    EXPECT_TRUE(mini());
}

TEST_F(Shell, TheHoverCheckBoxSwitchesTheModeAndThePoll) {
    shell.HoverOptionClicked(false); // a click changes the mark, then the mode
    EXPECT_TRUE(mini());
    EXPECT_FALSE(window.hoverPolling);
    shell.HoverOptionClicked(true);
    EXPECT_EQ(window.frame.size(), QSize(404, 507));
    shell.HoverOptionClicked(true);
    EXPECT_TRUE(mini());
    EXPECT_TRUE(window.hoverPolling);
    // The option cleared some other way: the next tick stops the poll.
    options.openOnHover = false;
    shell.HoverPoll();
    EXPECT_FALSE(window.hoverPolling);
    EXPECT_TRUE(window.shrinkIcon);
}

TEST_F(Shell, FloatingPanelHidesWithTheMiniWindowAndComesBack) {
    fadeToTheEnd();
    window.panel = true;
    shell.ToggleMiniWindow();
    EXPECT_FALSE(window.panel);
    pointerAt({3, 3}); // the hover view does not bring it back
    EXPECT_FALSE(window.panel);
    pointerAt({900, 3});
    shell.ToggleMiniWindow();
    EXPECT_TRUE(window.panel);
    EXPECT_EQ(window.alpha, 255);
    // Hiding to the tray takes it along, showing brings it back.
    shell.ToggleHidden();
    EXPECT_FALSE(window.panel);
    shell.ToggleHidden();
    EXPECT_TRUE(window.panel);
}

TEST_F(Shell, HidingTheMiniWindowToTheTrayKeepsIt) {
    shell.PanelCreated();
    fadeToTheEnd();
    shell.ToggleHidden();
    EXPECT_FALSE(window.visible);
    window.mouse = {5, 5}; // over the place it left: nothing opens
    shell.HoverPoll();
    EXPECT_TRUE(mini());
    window.taskbarHidden = false;
    shell.ToggleHidden();
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(mini());
    EXPECT_EQ(window.alpha, 127);
    EXPECT_TRUE(options.openOnHover);
    EXPECT_TRUE(window.taskbarHidden); // hidden again on every show
}

TEST_F(Shell, AnInvisibleMiniWindowShownFromTheTrayOpensFull) {
    options.transparency = 255;
    shell.PanelCreated();
    fadeToTheEnd();
    EXPECT_EQ(window.alpha, 0);
    shell.ToggleHidden();
    shell.ToggleHidden();
    EXPECT_FALSE(options.openOnHover);
    EXPECT_FALSE(window.hoverChecked);
    EXPECT_EQ(window.frame.size(), QSize(404, 507));
    EXPECT_TRUE(window.shrinkIcon);
    EXPECT_EQ(window.alpha, 255);
    // Without the hover option it opens full all the same.
    shell.ToggleMiniWindow();
    window.alpha = 0;
    shell.ToggleHidden();
    shell.ToggleHidden();
    EXPECT_EQ(window.frame.width(), 404);
    // A full window in the middle of its fade-in is not taken for a lost one.
    ShellState s;
    ShellOptions o;
    FakeShellWindow w;
    WindowShell sh(s, o, w, tray);
    sh.FadeTick();
    sh.ToggleHidden();
    sh.ToggleHidden();
    EXPECT_TRUE(o.openOnHover);
    EXPECT_TRUE(w.shrinkIcon);
}

TEST_F(Shell, AboutAndASecondStartComeOutOfTheTrayAndTheMiniWindow) {
    shell.PanelCreated();
    fadeToTheEnd();
    shell.ToggleHidden();
    shell.ShowAbout();
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.frame.width(), 404);
    EXPECT_EQ(window.page, 3);
    shell.ToggleMiniWindow();
    shell.ToggleHidden();
    EXPECT_TRUE(shell.BringForward());
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(window.shrinkIcon);
    shell.StartClosing();
    EXPECT_FALSE(shell.BringForward());
}

TEST_F(Shell, ClosingFadesOutThenCloses) {
    fadeToTheEnd();
    window.panel = true;
    shell.StartClosing();
    EXPECT_FALSE(window.panel);
    int ticks = 0;
    while (!window.closed && ticks < 100) {
        shell.FadeTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 11); // 230 ... 30, 15, then the close
    window.translucent = false;
    window.closed = false;
    shell.FadeTick();
    EXPECT_TRUE(window.closed);
}

TEST_F(Shell, KeepOnScreenMovesOnlyAWindowOffTheScreens) {
    window.frame.moveTopLeft({1010, 100});
    shell.KeepOnScreen();
    EXPECT_EQ(window.frame.topLeft(), QPoint(990, 100));
    window.screenList.push_back(QRect(1024, 0, 1024, 768));
    window.frame.moveTopLeft({1500, 100});
    shell.KeepOnScreen();
    EXPECT_EQ(window.frame.topLeft(), QPoint(1500, 100));
}
