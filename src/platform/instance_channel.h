#pragma once
// The seam between a start of the program and the copy already running for the same user and
// settings file.

#include "core/color.h"

#include <QByteArray>
#include <functional>

namespace huebit {

class InstanceChannel {
public:
    enum class Claim {
        First,     ///< no other copy runs: this one does, and answers later starts
        Forwarded, ///< the running copy came forward; this start ends
        NoAnswer,  ///< a copy runs but did not answer in time; this start ends too
    };

    virtual ~InstanceChannel() = default;

    /// Becomes the running copy, or asks the running one to come forward. `startupId` is the
    /// desktop's launch token for this start (DESKTOP_STARTUP_ID), handed to the running copy.
    virtual Claim claim(const QByteArray& startupId) = 0;
    /// Stops answering: called once the window has closed, so a new start runs afresh.
    virtual void close() = 0;

    /// In the running copy: another start asks the window forward, with its launch token. The
    /// handler returns false while the window is closing; the other start then waits for this
    /// copy to end and runs itself.
    void setForwardHandler(std::function<bool(const QByteArray&)> handler) {
        m_forward = std::move(handler);
    }

    /// In the running copy: a one-shot pick hands its colour over. The handler returns false
    /// while the window is closing.
    void setPickHandler(std::function<bool(Color)> handler) { m_pick = std::move(handler); }

protected:
    std::function<bool(const QByteArray&)> m_forward;
    std::function<bool(Color)> m_pick;
};

/// The exit code for a start that ends after its claim (0 when the running copy came forward),
/// or -1 when this start runs.
int ClaimExitCode(InstanceChannel::Claim claim);

} // namespace huebit
