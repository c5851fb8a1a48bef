#pragma once
// The capture after entering the screen page waits for the second tick of a 10 ms timer, so
// that the page has been painted before the window hides for the copy.

namespace huebit {

class DelayedScreenRefresh {
public:
    static constexpr int IntervalMs = 10;

    /// Entering the page. The tick count is not reset: only a capture resets it.
    void Start() { m_running = true; }
    /// One timer tick; true when the capture is due now, and the timer then stops.
    bool Tick() {
        if (!m_running) return false;
        if (m_ticks <= 0) {
            ++m_ticks;
            return false;
        }
        m_running = false;
        m_ticks = 0;
        return true;
    }
    bool Running() const { return m_running; }
    int Ticks() const { return m_ticks; }

private:
    bool m_running = false;
    int m_ticks = 0;
};

} // namespace huebit
