#pragma once
// SIGTERM, SIGINT and SIGHUP delivered as an ordinary event: the handler only writes a byte to
// a pipe, and the event loop reads it and reports the signal, so the program can close as it
// would by the user's hand (the settings written) instead of dying where it stands. The
// handlers stay for the rest of the process, however many signals come and in whatever order:
// a second signal (two Ctrl+C, `timeout`, a whole process group stopped at logout) must not
// end the program before the first has been answered.

#include <QObject>

class QSocketNotifier;

namespace huebit {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    /// The handlers are process-wide and installed once; each instance reports every signal
    /// from its creation to its destruction. Signals after that are ignored.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace huebit
