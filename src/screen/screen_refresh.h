#pragma once
// One screen copy at a time, whichever path makes it: the window leaves the picture, the copy
// is asked for, and when the answer comes the picture goes to the screen picker (or the status
// line learns why there is none) and the window comes back. The X11 paths answer at once, the
// desktop portal later; the window stays out of the way meanwhile and nothing blocks.

#include "screen/screen_capture.h"

#include <QObject>
#include <QString>
#include <memory>

namespace huebit {

class ScreenPicker;

/// The status line's words for a copy that did not come.
QString CaptureFailureText(CaptureFailure why);

class ScreenRefresh : public QObject {
    Q_OBJECT
public:
    explicit ScreenRefresh(ScreenPicker& picker) : m_picker(picker) {}

    /// Replaces the path. A copy still pending on the old one is given up (its window returns).
    void setCapture(std::unique_ptr<ScreenCapture> capture);
    bool answersLater() const { return m_capture && m_capture->answersLater(); }

    /// Asks for a copy; with `windowShown` the window leaves the picture first and returns with
    /// the answer. False, and nothing starts, while another copy is pending.
    bool Start(bool windowShown);
    /// The copy made while the main window is created. Skipped on a path that answers later:
    /// asking the desktop at every start would raise its dialog (or its flash) before anyone
    /// wants the screen, so the first copy there comes with the first visit to the screen page.
    bool StartAtCreation();
    /// Lets the path begin the copy StartAtCreation hands out, so that the display server makes
    /// it while the window is being built; nothing on a path that answers later.
    void PrepareCreationCopy();
    bool Pending() const { return m_pending; }

signals:
    void windowLeaving();
    void windowReturning();
    void captureFailed(const QString& message);

private:
    void ask(unsigned request);
    void finish(unsigned request, CaptureResult result);
    void giveUp();

    ScreenPicker& m_picker;
    std::unique_ptr<ScreenCapture> m_capture;
    bool m_pending = false;
    bool m_windowAway = false;
    unsigned m_request = 0; // answers to anything but the latest request are dropped
};

} // namespace huebit
