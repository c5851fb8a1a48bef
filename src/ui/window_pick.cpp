#include "ui/window_pick.h"

#include "screen/screen_capture.h"
#include "ui/pick_overlay.h"

#include <QTimer>

namespace huebit {

WindowPick::WindowPick(Hooks hooks, QObject* parent) : QObject(parent), m_hooks(std::move(hooks)) {}

WindowPick::~WindowPick() {
    delete m_overlay.data();
}

bool WindowPick::running() const {
    return m_capture || m_overlay;
}

void WindowPick::start() {
    if (running()) return;
    m_capture = MakeScreenCapture();
    m_capture->capture([this](CaptureResult result) {
        QImage image = result.held ? result.held->take() : std::move(result.image);
        // The capture is done with once its answer has been read, never inside its own call.
        QTimer::singleShot(0, this, [this] { m_capture.reset(); });
        if (image.isNull()) return;
        m_overlay = new PickOverlay(std::move(image), m_hooks.diameter(), m_hooks.templateEntry());
        connect(m_overlay, &PickOverlay::picked, this, [this](Color c) {
            m_overlay->deleteLater();
            m_hooks.apply(c);
        });
        connect(m_overlay, &PickOverlay::cancelled, m_overlay, &QObject::deleteLater);
        m_overlay->start();
    });
}

} // namespace huebit
