#pragma once
// Asks the desktop portal to pick a colour with the desktop's own picker: no screenshot
// permission, no overlay of ours. Answers once, from the event loop.

#include "core/color.h"
#include "screen/portal_bus.h"

#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <functional>

namespace huebit {

struct PortalPick {
    enum class Outcome {
        Picked,
        Cancelled,   ///< the user dismissed the desktop's picker
        Unavailable, ///< no portal, or one without PickColor: the screenshot path takes over
        Failed,      ///< refused, unanswered or unreadable
    };
    Outcome outcome = Outcome::Failed;
    Color color = 0;
};

class PortalColorPick : public QObject {
    Q_OBJECT
public:
    explicit PortalColorPick(int timeoutMs, QObject* parent = nullptr);
    ~PortalColorPick() override;
    /// Starts the request; `done` runs exactly once unless this object goes first.
    void pick(std::function<void(PortalPick)> done);

private slots:
    void response(uint code, const QVariantMap& results);

private:
    void finish(PortalPick result);

    int m_timeoutMs;
    QTimer m_timeout;
    PortalResponse m_response{this};
    std::function<void(PortalPick)> m_done;
};

} // namespace huebit
