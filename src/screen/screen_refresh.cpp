#include "screen/screen_refresh.h"

#include "core/extra_texts.h"

#include "screen/screen_picker.h"

#include <QTimer>

namespace huebit {

QString CaptureFailureText(CaptureFailure why) {
    switch (why) {
    case CaptureFailure::None:
        return {};
    case CaptureFailure::Cancelled:
        return ExtraText("Экран не скопирован: снимок отменён");
    case CaptureFailure::Refused:
        return ExtraText("Экран не скопирован: система запретила снимок");
    case CaptureFailure::NotAvailable:
        return ExtraText("Экран не скопирован: служба снимков недоступна");
    case CaptureFailure::NoAnswer:
        return ExtraText("Экран не скопирован: служба снимков не ответила");
    case CaptureFailure::Unreadable:
        break;
    }
    return ExtraText("Экран не скопирован: снимок не прочитан");
}

void ScreenRefresh::setCapture(std::unique_ptr<ScreenCapture> capture) {
    giveUp();
    m_capture = std::move(capture);
}

void ScreenRefresh::giveUp() {
    ++m_request;
    if (!m_pending) return;
    m_pending = false;
    if (m_windowAway) emit windowReturning();
}

bool ScreenRefresh::Start(bool windowShown) {
    if (m_pending || !m_capture) return false;
    m_pending = true;
    m_windowAway = windowShown;
    const unsigned request = ++m_request;
    if (windowShown) emit windowLeaving();
    // The desktop copies the screen in another process: the hiding must reach the display server
    // before the request does, so the request waits for the event loop to pass it on.
    if (windowShown && m_capture->answersLater())
        QTimer::singleShot(0, this, [this, request] { ask(request); });
    else
        ask(request);
    return true;
}

bool ScreenRefresh::StartAtCreation() {
    return !answersLater() && Start(false);
}

void ScreenRefresh::PrepareCreationCopy() {
    if (m_capture && !answersLater() && !m_pending) m_capture->copyAhead();
}

void ScreenRefresh::ask(unsigned request) {
    if (request != m_request || !m_capture) return;
    m_capture->capture([this, request](CaptureResult r) { finish(request, std::move(r)); });
}

void ScreenRefresh::finish(unsigned request, CaptureResult result) {
    if (!m_pending || request != m_request) return;
    m_pending = false;
    CaptureFailure failure = result.failure;
    // A failed copy keeps the previous picture, marker and views.
    if (failure == CaptureFailure::None) {
        const bool taken = result.held ? m_picker.SetScreenCopy(std::move(result.held))
                                       : m_picker.SetScreenImage(result.image);
        if (!taken) failure = CaptureFailure::Unreadable;
    }
    if (m_windowAway) emit windowReturning();
    if (failure != CaptureFailure::None) emit captureFailed(CaptureFailureText(failure));
}

} // namespace huebit
