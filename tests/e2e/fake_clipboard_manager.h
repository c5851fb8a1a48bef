#pragma once
// A clipboard manager for tests: owns CLIPBOARD_MANAGER, and when a program that is ending asks
// it to (SAVE_TARGETS), copies every format that program offers, takes the clipboard and
// serves the copies, as the desktop's clipboard managers do.

#include <QString>
#include <atomic>
#include <thread>

struct xcb_connection_t;

namespace huebit::e2e {

class FakeClipboardManager {
public:
    explicit FakeClipboardManager(const QString& display);
    ~FakeClipboardManager();
    FakeClipboardManager(const FakeClipboardManager&) = delete;
    FakeClipboardManager& operator=(const FakeClipboardManager&) = delete;

    /// It runs and owns CLIPBOARD_MANAGER.
    bool ok() const { return m_ok; }
    /// How many programs have handed their clipboard over.
    int saves() const { return m_saves; }

private:
    void run();

    xcb_connection_t* m_c = nullptr;
    quint32 m_window = 0;
    bool m_ok = false;
    std::atomic<int> m_saves = 0;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

} // namespace huebit::e2e
