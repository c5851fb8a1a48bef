#pragma once
// A part of the start that needs neither the window nor the main thread, run on a second core
// while the main thread loads the interface font.

#include <thread>

namespace huebit {

class StartupOverlap {
public:
    StartupOverlap() = default;
    StartupOverlap(const StartupOverlap&) = delete;
    StartupOverlap& operator=(const StartupOverlap&) = delete;
    ~StartupOverlap();

    /// Connects to the session bus named in the environment, which Qt's accessibility bridge
    /// asks for when it starts. Nothing without an address.
    void beginSessionBus();
    /// Waits for the connection, before the accessibility bridge would.
    void finishSessionBus();

private:
    std::thread m_bus;
};

} // namespace huebit
