#include "app/display_check.h"

namespace huebit {

namespace {

// Qt's platform names may carry options after a colon ("offscreen:fontengine=freetype").
QStringList platformNames(const QString& list) {
    QStringList names;
    for (const QString& part : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        names << part.section(QLatin1Char(':'), 0, 0).trimmed();
    }
    return names;
}

// The value after a Qt option such as -platform or --display, or nothing.
std::optional<QString> optionValue(const QStringList& arguments, QLatin1StringView option) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QStringView arg = arguments[i];
        if (arg.startsWith(QLatin1String("--"))) arg = arg.mid(1);
        if (arg == option) return arguments[i + 1];
    }
    return std::nullopt;
}

bool isWayland(const QString& platform) {
    return platform.startsWith(QLatin1String("wayland"));
}

// The platform Qt tries first, as Qt 6 picks it when nobody named one.
QString firstPlatform(const DisplaySession& s) {
    if (!s.platforms.isEmpty()) return s.platforms.first();
    return s.waylandSession && !s.waylandDisplay.isEmpty() ? QStringLiteral("wayland")
                                                           : QStringLiteral("xcb");
}

const char* visualName(int visualClass) {
    static const char* const names[] = {"StaticGray",  "GrayScale", "StaticColor",
                                        "PseudoColor", "TrueColor", "DirectColor"};
    return visualClass >= 0 && visualClass < 6 ? names[visualClass] : "unknown";
}

} // namespace

DisplaySession ReadDisplaySession(const QStringList& arguments,
                                  const std::function<QString(const char*)>& env) {
    DisplaySession s;
    s.platforms = platformNames(
        optionValue(arguments, QLatin1String("-platform")).value_or(env("QT_QPA_PLATFORM")));
    s.x11Display = optionValue(arguments, QLatin1String("-display")).value_or(env("DISPLAY"));
    s.waylandDisplay = env("WAYLAND_DISPLAY");
    s.waylandSession = env("XDG_SESSION_TYPE") == QLatin1String("wayland");
    return s;
}

bool UsesX11(const DisplaySession& s) {
    return firstPlatform(s) == QLatin1String("xcb") && !s.x11Display.isEmpty();
}

QString DisplayProblem(const DisplaySession& s, const std::optional<X11Screen>& screen) {
    // Platforms that draw without a display server (offscreen, vnc, eglfs …) need none.
    for (const QString& p : s.platforms) {
        if (p != QLatin1String("xcb") && !isWayland(p)) return {};
    }
    const bool x11 = !s.x11Display.isEmpty();
    const bool wayland = !s.waylandDisplay.isEmpty();
    if (!x11 && !wayland) {
        return QStringLiteral("Huebit needs a graphical session: no display found");
    }
    if (!UsesX11(s)) return {};
    if (!screen) {
        // Qt falls back to Wayland by itself when it was named as well.
        const bool fallback = wayland && (s.platforms.isEmpty() || s.platforms.size() > 1);
        if (fallback) return {};
        return QStringLiteral("Huebit needs a graphical session: cannot open display %1")
            .arg(s.x11Display);
    }
    const bool trueColour = screen->visualClass == 4 || screen->visualClass == 5;
    if (!trueColour || screen->depth < 15) {
        return QStringLiteral("Huebit needs a true-colour screen of 15 bits or more: display %1 "
                              "shows %2-bit %3")
            .arg(s.x11Display)
            .arg(screen->depth)
            .arg(QLatin1String(visualName(screen->visualClass)));
    }
    return {};
}

} // namespace huebit
