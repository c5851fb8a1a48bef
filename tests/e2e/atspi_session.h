#pragma once
// A private accessibility session for one test: its own D-Bus session bus, on which the
// accessibility bus and registry start, and a probe that reads the program's accessibility tree
// as a screen reader would (tests/e2e/atspi_probe.py over python3-pyatspi).

#include "e2e/e2e_harness.h"

#include <QProcess>
#include <QTemporaryDir>
#include <optional>

namespace huebit::e2e {

class AtspiSession {
public:
    explicit AtspiSession(const XvfbDisplay& display);
    ~AtspiSession();

    /// Why the session cannot run here (a missing tool), or nothing.
    static std::optional<QString> Missing();
    bool ok() const { return !m_busAddress.isEmpty(); }
    /// The variables the program needs to join this session.
    void joinProgram(HuebitProcess& app) const;
    /// The same for a program started by hand on the session's display.
    QProcessEnvironment programEnvironment() const;

    /// Runs the probe with `args` and returns its output, or nothing if it failed.
    std::optional<QString> probe(const QStringList& args, int timeoutMs = 30000) const;
    /// Starts the probe in the background (for "listen"); its output is read on finish.
    void startProbe(QProcess& process, const QStringList& args) const;

private:
    QProcessEnvironment environment() const;

    const XvfbDisplay& m_display;
    QTemporaryDir m_runtime;
    QProcess m_bus;
    QString m_busAddress;
};

} // namespace huebit::e2e
