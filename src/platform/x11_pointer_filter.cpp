#include "platform/x11_pointer_filter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace huebit {

namespace {

// Qt takes the pointer through the X Input extension (version 2) where the server has it. The
// head of its device events as xcb hands them over (the protocol's 32 bytes, then the full
// sequence number xcb adds after them): positions are 16.16 fixed point.
struct XiDeviceEventHead {
    uint8_t responseType;
    uint8_t extension;
    uint16_t sequence;
    uint32_t length;
    uint16_t eventType;
    uint16_t deviceId;
    uint32_t time;
    uint32_t detail;
    uint32_t root;
    uint32_t event;
    uint32_t child;
    uint32_t fullSequence;
    int32_t rootX;
    int32_t rootY;
    int32_t eventX;
    int32_t eventY;
};
constexpr uint16_t XiButtonPress = 4;
constexpr uint16_t XiMotion = 6;

int xinputOpcode(xcb_connection_t* c) {
    const char name[] = "XInputExtension";
    xcb_query_extension_reply_t* r = xcb_query_extension_reply(
        c, xcb_query_extension(c, uint16_t(std::strlen(name)), name), nullptr);
    const int opcode = r && r->present ? r->major_opcode : -1;
    std::free(r);
    return opcode;
}

xcb_connection_t* connection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    return c && !xcb_connection_has_error(c) ? c : nullptr;
}

} // namespace

X11PointerFilter::X11PointerFilter(quintptr window, std::function<void(QPoint)> moved)
    : m_window(window), m_moved(std::move(moved)) {
    xcb_connection_t* c = window ? connection() : nullptr;
    if (!c) return;
    m_xinput = xinputOpcode(c);
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_active = true;
}

X11PointerFilter::~X11PointerFilter() {
    if (m_active && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11PointerFilter::warpTo(QPoint device) const {
    xcb_connection_t* c = m_active ? connection() : nullptr;
    if (!c) return;
    xcb_warp_pointer(c, XCB_NONE, xcb_window_t(m_window), 0, 0, 0, 0, int16_t(device.x()),
                     int16_t(device.y()));
    xcb_flush(c);
}

bool X11PointerFilter::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t kind = event->response_type & 0x7F;
    if (kind == XCB_GE_GENERIC) {
        const auto* xi = static_cast<const XiDeviceEventHead*>(message);
        if (xi->extension != m_xinput || xi->event != m_window) return false;
        if (xi->eventType == XiMotion || xi->eventType == XiButtonPress)
            m_moved(QPoint(xi->eventX >> 16, xi->eventY >> 16)); // the pixel that holds it
    } else if (kind == XCB_MOTION_NOTIFY) {
        const auto* m = static_cast<const xcb_motion_notify_event_t*>(message);
        if (m->event == m_window) m_moved(QPoint(m->event_x, m->event_y));
    } else if (kind == XCB_BUTTON_PRESS) {
        const auto* b = static_cast<const xcb_button_press_event_t*>(message);
        if (b->event == m_window) m_moved(QPoint(b->event_x, b->event_y));
    }
    return false; // Qt still makes its events of them
}

} // namespace huebit
