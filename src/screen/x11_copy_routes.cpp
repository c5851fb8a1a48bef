#include "screen/x11_copy_routes.h"

#include <QElapsedTimer>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace huebit {

namespace {

void detachMemory(void* memory) {
    shmdt(memory);
}

// One copy of `area` of `drawable` through a segment of its own, which becomes the picture's
// pixels: the screen is held once, not once in the segment and again in a copy, and the segment
// goes when the picture does. Null if the server would not share the segment or copy into it.
QImage copyThroughSegment(xcb_connection_t* c, xcb_drawable_t drawable, QRect area) {
    const int id =
        shmget(IPC_PRIVATE, std::size_t(area.width()) * area.height() * 4, IPC_CREAT | 0600);
    if (id < 0) return {};
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return {};
    }
    const uint32_t segment = xcb_generate_id(c);
    xcb_generic_error_t* error = xcb_request_check(c, xcb_shm_attach_checked(c, segment, id, 0));
    // Marked for removal as soon as both sides hold it: the system frees it when both have
    // detached, even if the program dies before the copy is taken.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(memory);
        return {};
    }
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, drawable, area.x(), area.y(), area.width(), area.height(), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, segment, 0),
        nullptr);
    const bool complete = reply && reply->size >= std::size_t(area.width()) * area.height() * 4;
    std::free(reply);
    // The server has written its answer; it needs the segment no more.
    xcb_shm_detach(c, segment);
    xcb_flush(c);
    if (!complete) {
        shmdt(memory);
        return {};
    }
    return QImage(static_cast<uchar*>(memory), area.width(), area.height(), area.width() * 4,
                  QImage::Format_RGB32, detachMemory, memory);
}

// The reply becomes the picture's pixels: no second copy of the screen, and the reply's
// memory goes when the picture does.
QImage copyThroughSocket(xcb_connection_t* c, xcb_drawable_t drawable, QRect area) {
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, area.x(),
                                          area.y(), area.width(), area.height(), ~0u),
                            nullptr);
    if (!reply) return {};
    const auto length = std::size_t(xcb_get_image_data_length(reply));
    if (length < std::size_t(area.width()) * area.height() * 4) {
        std::free(reply);
        return {};
    }
    QImage image(xcb_get_image_data(reply), area.width(), area.height(), area.width() * 4,
                 QImage::Format_RGB32, std::free, reply);
    if (image.isNull()) std::free(reply);
    return image;
}

} // namespace

// A segment kept attached by both sides, so that its pages stay faulted in from one copy to the
// next: the reused route lends it out as the picture itself and takes it back when the picture
// goes.
class X11Segment {
public:
    X11Segment(xcb_connection_t* c, std::size_t bytes) : m_connection(c), m_bytes(bytes) {
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) return;
        void* memory = shmat(id, nullptr, 0);
        if (memory == reinterpret_cast<void*>(-1)) {
            shmctl(id, IPC_RMID, nullptr);
            return;
        }
        m_segment = xcb_generate_id(c);
        xcb_generic_error_t* error =
            xcb_request_check(c, xcb_shm_attach_checked(c, m_segment, id, 0));
        // Freed by the system once both sides have detached, even if the program dies.
        shmctl(id, IPC_RMID, nullptr);
        if (error) {
            std::free(error);
            shmdt(memory);
            return;
        }
        m_memory = memory;
    }
    ~X11Segment() {
        if (!m_memory) return;
        xcb_shm_detach(m_connection, m_segment);
        xcb_flush(m_connection);
        shmdt(m_memory);
    }
    X11Segment(const X11Segment&) = delete;
    X11Segment& operator=(const X11Segment&) = delete;

    bool usable() const { return m_memory != nullptr; }
    std::size_t bytes() const { return m_bytes; }

    bool fill(xcb_drawable_t drawable, QRect area) {
        xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
            m_connection,
            xcb_shm_get_image(m_connection, drawable, area.x(), area.y(), area.width(),
                              area.height(), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
            nullptr);
        const bool complete = reply && reply->size >= std::size_t(area.width()) * area.height() * 4;
        std::free(reply);
        return complete;
    }
    uchar* pixels() const { return static_cast<uchar*>(m_memory); }

private:
    xcb_connection_t* m_connection;
    std::size_t m_bytes;
    uint32_t m_segment = 0;
    void* m_memory = nullptr;
};

// The segment the reused route lends out next. At most one waits here: with the picture the
// picker holds, that is two screens' worth, and the segment waiting is the one the previous
// picture lived in, its pages still faulted in.
struct X11SegmentPool {
    std::unique_ptr<X11Segment> spare;
    bool keeping = true; // false once another route is chosen: returned segments are freed
};

namespace {

struct SegmentLoan {
    std::weak_ptr<X11SegmentPool> pool;
    std::unique_ptr<X11Segment> segment;
};

void returnSegment(void* info) {
    std::unique_ptr<SegmentLoan> loan(static_cast<SegmentLoan*>(info));
    const std::shared_ptr<X11SegmentPool> pool = loan->pool.lock();
    if (pool && pool->keeping && !pool->spare) pool->spare = std::move(loan->segment);
}

} // namespace

// One copy of `area` of `drawable` by the probe's route. The top byte of the pixels stays as the
// server left it (the padding of depth 24, or an alpha nobody set): a pass over a whole screen to
// set it would cost milliseconds at every copy, and the pictures made from the copy set it
// themselves (see ScreenPicker). A refused segment turns shared memory
// off for good (a server on another host) and the socket carries this copy and the later ones.
QImage X11CopyRoutes::copy(xcb_connection_t* c, xcb_drawable_t drawable, QRect area) {
    const X11Route route = m_probe.next();
    QElapsedTimer timer;
    timer.start();
    QImage image = copyBy(route, c, drawable, area);
    if (image.isNull() && route != X11Route::Socket) {
        m_probe.socketOnly();
        stopKeepingSegments();
        return copyThroughSocket(c, drawable, area);
    }
    if (image.isNull()) return image;
    const bool wasChosen = m_probe.chosen().has_value();
    m_probe.record(route, timer.nsecsElapsed());
    if (!wasChosen && m_probe.chosen()) settled();
    return image;
}

QImage X11CopyRoutes::copyBy(X11Route route, xcb_connection_t* c, xcb_drawable_t drawable,
                             QRect area) {
    switch (route) {
    case X11Route::Socket:
        return copyThroughSocket(c, drawable, area);
    case X11Route::FreshSegment:
        return copyThroughSegment(c, drawable, area);
    case X11Route::ReusedSegment:
        break;
    }
    const std::size_t bytes = std::size_t(area.width()) * area.height() * 4;
    std::unique_ptr<X11Segment> segment = std::move(m_pool->spare);
    if (!segment || segment->bytes() < bytes) {
        segment.reset(); // never a third screen's worth
        segment = std::make_unique<X11Segment>(c, bytes);
    }
    if (!segment->usable() || !segment->fill(drawable, area)) return {};
    uchar* pixels = segment->pixels();
    auto* loan = new SegmentLoan{m_pool, std::move(segment)};
    QImage image(pixels, area.width(), area.height(), area.width() * 4, QImage::Format_RGB32,
                 returnSegment, loan);
    if (image.isNull()) returnSegment(loan);
    return image;
}

void X11CopyRoutes::settled() {
    const X11Route route = *m_probe.chosen();
    // The segment is kept only while it is the route: otherwise it is a screen's worth of
    // memory held for nothing.
    if (route != X11Route::ReusedSegment) stopKeepingSegments();
    if (qEnvironmentVariableIsSet("HUEBIT_DEBUG_CAPTURE"))
        std::fprintf(stderr, "huebit: screen copies go by the %s\n", X11RouteName(route));
}

void X11CopyRoutes::forceRoute(X11Route route) {
    m_probe = X11RouteProbe({route});
    if (route != X11Route::ReusedSegment) stopKeepingSegments();
}

void X11CopyRoutes::stopKeepingSegments() {
    m_pool->keeping = false;
    m_pool->spare.reset();
}

bool X11CopyRoutes::mayUseSharedMemory() const {
    return m_probe.mayTake(X11Route::ReusedSegment) || m_probe.mayTake(X11Route::FreshSegment);
}

X11CopyRoutes::X11CopyRoutes(bool sharedMemory)
    : m_probe(X11RouteProbe::ForMachine(sharedMemory)), m_pool(std::make_shared<X11SegmentPool>()) {
}
X11CopyRoutes::~X11CopyRoutes() = default;

} // namespace huebit
