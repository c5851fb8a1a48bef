#pragma once
// The desktop portal's stand-in (fake_portal.py) on a private session bus of its own, for tests
// of the screen copy on Wayland sessions. The bus and the portal end with this object.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace huebit::e2e {

class FakePortal {
public:
    struct Options {
        QStringList answers{QStringLiteral("ok")}; ///< one per call, the last repeated
        QString image;                             ///< the PNG an "ok" answer hands over
        QString dir;                               ///< where the answers' files go
        int delayMs = 1;                           ///< before an "ok" answer
    };

    /// Why the fake cannot run here (dbus-run-session or Python's dbus missing), or empty.
    static QString Missing();

    explicit FakePortal(const Options& options) : FakePortal(options, {}) {}
    /// `pickColor`: PickColor's answer, "R,G,B" (fractions 0-1), "cancel" or "refuse"; empty:
    /// the portal has no PickColor, as older ones.
    FakePortal(const Options& options, const QString& pickColor);
    ~FakePortal();
    FakePortal(const FakePortal&) = delete;
    FakePortal& operator=(const FakePortal&) = delete;

    bool ok() const { return !m_address.isEmpty(); }
    /// DBUS_SESSION_BUS_ADDRESS of the private bus.
    const QString& address() const { return m_address; }
    /// Everything it reported so far: "call N token=T interactive=0 parent=", "closed N".
    QStringList events();
    int calls();
    /// Waits until a report starting with `prefix` has come.
    bool waitFor(const QString& prefix, int timeoutMs = 10000);

private:
    QProcess m_process;
    QString m_address;
    QStringList m_events;
    QByteArray m_partial;
};

/// A private session bus on which nobody offers the portal; ends with this object.
class EmptyBus {
public:
    EmptyBus();
    ~EmptyBus();
    bool ok() const { return !m_address.isEmpty(); }
    const QString& address() const { return m_address; }

private:
    QProcess m_process;
    QString m_address;
};

} // namespace huebit::e2e
