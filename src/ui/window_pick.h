#pragma once
// The one-shot pick started from the window (its pick key): the same frozen overlay as
// `huebit --pick`, its colour handed to the window's own operation.

#include "core/color.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace huebit {

class PickOverlay;
class ScreenCapture;

class WindowPick : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QString()> templateEntry; ///< the loupe's notation
        std::function<int()> diameter;          ///< the averaging square to start with
        std::function<void(Color)> apply;       ///< the picked colour
    };
    WindowPick(Hooks hooks, QObject* parent = nullptr);
    ~WindowPick() override;

    /// Copies the screen and shows the overlay; nothing while a pick is already under way.
    void start();
    bool running() const;

private:
    Hooks m_hooks;
    std::unique_ptr<ScreenCapture> m_capture;
    QPointer<PickOverlay> m_overlay;
};

} // namespace huebit
