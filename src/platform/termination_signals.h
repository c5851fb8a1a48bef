#pragma once
// SIGTERM, SIGINT and SIGHUP delivered as an ordinary event: the handler only writes a byte to
// a pipe, and the event loop reads it and reports the signal, so the program can close as it
// would by the user's hand (the settings written) instead of dying where it stands. A second
// signal of the same kind finds the default action again and ends the program at once.

#include <QObject>

class QSocketNotifier;

namespace huebit {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    /// One instance per process: the handlers are process-wide.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace huebit
