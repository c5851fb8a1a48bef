#pragma once
// Parts of the start that need neither the window nor the main thread, run on a second core
// while the main thread connects to the display and builds the window.

#include <thread>

namespace huebit {

class StartupOverlap {
public:
    StartupOverlap() = default;
    StartupOverlap(const StartupOverlap&) = delete;
    StartupOverlap& operator=(const StartupOverlap&) = delete;
    ~StartupOverlap();

    /// Loads the font configuration (its files parsed, the font caches read: about 4 ms) while
    /// the application connects to the display. Begun before the application object exists.
    void beginFontConfiguration();
    /// Waits for the font configuration; called before the first text is measured, so the two
    /// threads never both load it.
    void finishFontConfiguration();

    /// Connects to the session bus named in the environment, which Qt's accessibility bridge
    /// asks for when it starts; the main thread meanwhile loads the interface font. Nothing
    /// without an address.
    void beginSessionBus();
    /// Waits for the connection, before the accessibility bridge would.
    void finishSessionBus();

private:
    std::thread m_fonts;
    std::thread m_bus;
};

} // namespace huebit
