#include "platform/x11_startup.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstring>

namespace huebit {

namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

void sendToRoot(xcb_connection_t* c, xcb_window_t root, const xcb_client_message_event_t& event,
                uint32_t mask) {
    xcb_send_event(c, 0, root, mask, reinterpret_cast<const char*>(&event));
}

// Startup-notification messages travel in 20-byte pieces: the first typed
// _NET_STARTUP_INFO_BEGIN, the rest _NET_STARTUP_INFO, the text ending with its NUL.
void sendStartupRemove(xcb_connection_t* c, xcb_window_t root, xcb_window_t from,
                       const QByteArray& id) {
    QByteArray quoted = id;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    QByteArray text = "remove: ID=\"" + quoted + "\"";
    text.append('\0');
    const xcb_atom_t begin = internAtom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = internAtom(c, "_NET_STARTUP_INFO");
    for (qsizetype at = 0; at < text.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, text.constData() + at,
                    size_t(qMin<qsizetype>(20, text.size() - at)));
        sendToRoot(c, root, event, XCB_EVENT_MASK_PROPERTY_CHANGE);
    }
}

} // namespace

void FinishStartupOnX11(QWidget& window, const QByteArray& startupId) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || startupId.isEmpty() || !window.windowHandle()) return;
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const auto win = xcb_window_t(window.winId());

    // Launchers put the time of the user's click at the end of the id ("…_TIME<ms>").
    static const QRegularExpression timePart(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch m = timePart.match(QString::fromLatin1(startupId));
    if (m.hasMatch()) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = win;
        event.type = internAtom(c, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = m.captured(1).toUInt();
        sendToRoot(c, screen->root, event,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
    }
    sendStartupRemove(c, screen->root, win, startupId);
    xcb_flush(c);
}

} // namespace huebit
