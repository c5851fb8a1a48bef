#pragma once
// Whether this session can show the window at all, decided before Qt starts: without a display
// Qt aborts and advises reinstalling, and on a colour-mapped X screen its X11 back end crashes the
// first time a text field paints its cursor. Either way the user gets one line naming the
// problem instead.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace huebit {

/// What decides where Qt will draw: its platform choice and the display variables.
struct DisplaySession {
    QStringList platforms;       ///< from -platform or QT_QPA_PLATFORM ("wayland;xcb"); empty: Qt's
    QString x11Display;          ///< -display or DISPLAY
    QString waylandDisplay;      ///< WAYLAND_DISPLAY
    bool waylandSession = false; ///< XDG_SESSION_TYPE is "wayland"
};

/// The X screen's default visual, as the server describes it.
struct X11Screen {
    int depth = 0;
    int visualClass = 0; ///< the X protocol's numbering: 4 TrueColor, 5 DirectColor
};

/// The session from the command line (Qt's own -platform and -display, with one or two dashes)
/// and the environment, read through `env`.
DisplaySession ReadDisplaySession(const QStringList& arguments,
                                  const std::function<QString(const char*)>& env);

/// Whether Qt will draw through X11 here, so the X screen is worth a look.
bool UsesX11(const DisplaySession& session);

/// The line to print when the window cannot be shown, or an empty text. `screen` is the X
/// screen found (nothing when no connection could be made), consulted only when UsesX11.
QString DisplayProblem(const DisplaySession& session, const std::optional<X11Screen>& screen);

} // namespace huebit
