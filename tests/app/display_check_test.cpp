#include "app/display_check.h"

#include <gtest/gtest.h>

#include <map>

using namespace huebit;

namespace {

DisplaySession session(const QStringList& args, std::map<std::string, QString> env) {
    return ReadDisplaySession(QStringList{"huebit"} + args,
                              [&env](const char* name) { return env[name]; });
}

constexpr X11Screen TrueColour24{24, 4};

} // namespace

TEST(DisplayCheck, SessionFromQtOptionsAndTheEnvironment) {
    const DisplaySession fromEnv = session({}, {{"QT_QPA_PLATFORM", "wayland;xcb"},
                                                {"DISPLAY", ":1"},
                                                {"WAYLAND_DISPLAY", "wayland-0"},
                                                {"XDG_SESSION_TYPE", "wayland"}});
    EXPECT_EQ(fromEnv.platforms, (QStringList{"wayland", "xcb"}));
    EXPECT_EQ(fromEnv.x11Display, ":1");
    EXPECT_EQ(fromEnv.waylandDisplay, "wayland-0");
    EXPECT_TRUE(fromEnv.waylandSession);
    // Qt's own options win over the environment, with one dash or two; options after a colon
    // are not part of the name.
    const DisplaySession fromArgs =
        session({"--platform", "offscreen:fontengine=freetype", "-display", ":7"},
                {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":1"}});
    EXPECT_EQ(fromArgs.platforms, QStringList{"offscreen"});
    EXPECT_EQ(fromArgs.x11Display, ":7");
}

TEST(DisplayCheck, ProblemsNamedInOneLine) {
    const QString noDisplay = "Huebit needs a graphical session: no display found";
    const struct {
        std::map<std::string, QString> env;
        std::optional<X11Screen> screen;
        QString problem; // empty: the window can be shown
    } cases[] = {
        {{}, std::nullopt, noDisplay},
        {{{"QT_QPA_PLATFORM", "xcb"}}, std::nullopt, noDisplay},
        {{{"QT_QPA_PLATFORM", "wayland"}}, std::nullopt, noDisplay},
        // Platforms that need no display server are left to Qt.
        {{{"QT_QPA_PLATFORM", "offscreen"}}, std::nullopt, ""},
        {{{"QT_QPA_PLATFORM", "vnc"}}, std::nullopt, ""},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt, ""},
        {{{"DISPLAY", ":1"}}, TrueColour24, ""},
        {{{"DISPLAY", ":1"}}, X11Screen{16, 4}, ""},
        {{{"DISPLAY", ":1"}}, X11Screen{24, 5}, ""},
        {{{"DISPLAY", ":1"}},
         X11Screen{8, 3},
         "Huebit needs a true-colour screen of 15 bits or more: display :1 shows 8-bit "
         "PseudoColor"},
        {{{"DISPLAY", ":1"}},
         X11Screen{8, 4},
         "Huebit needs a true-colour screen of 15 bits or more: display :1 shows 8-bit "
         "TrueColor"},
        {{{"DISPLAY", ":1"}},
         X11Screen{24, 0},
         "Huebit needs a true-colour screen of 15 bits or more: display :1 shows 24-bit "
         "StaticGray"},
        {{{"DISPLAY", ":9"}},
         std::nullopt,
         "Huebit needs a graphical session: cannot open display :9"},
        // An unreachable X server is no problem when Qt can fall back to Wayland.
        {{{"DISPLAY", ":9"}, {"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt, ""},
        {{{"DISPLAY", ":9"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "xcb"}},
         std::nullopt,
         "Huebit needs a graphical session: cannot open display :9"},
        // On a Wayland session Qt draws through Wayland; the X screen is not its concern.
        {{{"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}},
         X11Screen{8, 3},
         ""},
    };
    for (const auto& c : cases) {
        const DisplaySession s = session({}, c.env);
        EXPECT_EQ(DisplayProblem(s, c.screen), c.problem)
            << "DISPLAY=" << c.env.count("DISPLAY")
            << " platform=" << s.platforms.join(';').toStdString();
    }
}

TEST(DisplayCheck, TheXScreenIsLookedAtOnlyWhenQtDrawsThroughX11) {
    EXPECT_TRUE(UsesX11(session({}, {{"DISPLAY", ":1"}})));
    EXPECT_TRUE(UsesX11(session({"-platform", "xcb"}, {{"DISPLAY", ":1"}})));
    EXPECT_FALSE(UsesX11(session({}, {})));
    EXPECT_FALSE(UsesX11(session({"-platform", "offscreen"}, {{"DISPLAY", ":1"}})));
    EXPECT_FALSE(UsesX11(session(
        {}, {{"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "w"}, {"XDG_SESSION_TYPE", "wayland"}})));
}
