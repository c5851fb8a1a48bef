#include "screen/x11_shm_capture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace huebit {

X11ShmCapture::X11ShmCapture(xcb_connection_t* connection) : m_connection(connection) {
    if (!m_connection || xcb_connection_has_error(m_connection)) {
        m_connection = nullptr;
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_root = screen->root;
    m_depth = screen->root_depth;
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(m_connection, xcb_shm_query_version(m_connection), nullptr);
    m_shm = version != nullptr;
    std::free(version);
}

X11ShmCapture::~X11ShmCapture() { releaseSegment(); }

void X11ShmCapture::releaseSegment() {
    if (!m_memory) return;
    xcb_shm_detach(m_connection, m_segment);
    shmdt(m_memory);
    m_memory = nullptr;
    m_size = 0;
}

QImage X11ShmCapture::capturePrimaryScreen() {
    if (!m_connection) return {};
    // Only true-colour roots of 24 or 32 bits come back in the RGB32 layout.
    if (m_depth != 24 && m_depth != 32) return {};
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, m_root), nullptr);
    if (!g) return {};
    const int width = g->width, height = g->height;
    std::free(g);
    if (m_shm) {
        QImage image = captureThroughShm(width, height);
        if (!image.isNull()) return image;
        m_shm = false; // e.g. a server on another host: use the socket from now on
    }
    return captureThroughSocket(width, height);
}

QImage X11ShmCapture::captureThroughShm(int width, int height) {
    const std::size_t size = std::size_t(width) * height * 4;
    if (size > m_size) {
        releaseSegment();
        m_shmId = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
        if (m_shmId < 0) return {};
        m_memory = shmat(m_shmId, nullptr, 0);
        shmctl(m_shmId, IPC_RMID, nullptr); // freed once both sides detach
        if (m_memory == reinterpret_cast<void*>(-1)) {
            m_memory = nullptr;
            return {};
        }
        m_segment = xcb_generate_id(m_connection);
        xcb_generic_error_t* error = xcb_request_check(
            m_connection, xcb_shm_attach_checked(m_connection, m_segment, m_shmId, 0));
        if (error) {
            std::free(error);
            shmdt(m_memory);
            m_memory = nullptr;
            return {};
        }
        m_size = size;
    }
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
        m_connection,
        xcb_shm_get_image(m_connection, m_root, 0, 0, width, height, ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
        nullptr);
    if (!reply) return {};
    std::free(reply);
    QImage view(static_cast<const uchar*>(m_memory), width, height, width * 4, QImage::Format_RGB32);
    return view.copy();
}

QImage X11ShmCapture::captureThroughSocket(int width, int height) {
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, 0, 0, width, height, ~0u),
        nullptr);
    if (!reply) return {};
    const int length = xcb_get_image_data_length(reply);
    QImage image;
    if (length >= width * height * 4) {
        image = QImage(xcb_get_image_data(reply), width, height, width * 4, QImage::Format_RGB32)
                    .copy();
    }
    std::free(reply);
    return image;
}

QImage QtScreenCapture::capturePrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    // On a scaled display the grab may come in logical pixels; the user picks device pixels.
    const QSize device = screen->geometry().size() * screen->devicePixelRatio();
    if (image.size() != device) image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}

std::unique_ptr<ScreenCapture> MakeScreenCapture() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            return std::make_unique<X11ShmCapture>(x11->connection());
        }
    }
    return std::make_unique<QtScreenCapture>();
}

} // namespace huebit
