#pragma once
// One running copy per user and settings file, through a local socket in the user's runtime
// folder. A lock file around "connect, or else listen" keeps two simultaneous starts from both
// becoming the first; a socket file left by a killed copy answers nobody and is replaced.
// Plain Unix sockets under the event loop's notifiers: Qt's network module, and the libraries it
// brings, would cost every start a millisecond and a megabyte and a half.

#include "platform/instance_channel.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;
class QTimer;

namespace huebit {

class LocalSocketInstance : public InstanceChannel {
public:
    /// `socketPath`: the full path of the socket. `patienceMs`: how long a start waits for a
    /// running copy that is busy or closing before it gives up.
    explicit LocalSocketInstance(QString socketPath, int patienceMs = 5000);
    ~LocalSocketInstance() override;
    LocalSocketInstance(const LocalSocketInstance&) = delete;
    LocalSocketInstance& operator=(const LocalSocketInstance&) = delete;

    Claim claim(const QByteArray& startupId) override;
    void close() override;

    enum class HandOver { Taken, NoWindow, Closing };
    /// From a one-shot pick, which never becomes the running copy: hands `c` to the running
    /// copy's window. NoWindow when no copy answers; Closing when one is on its way out.
    HandOver handOverPick(Color c);

    /// The socket's path for this user and settings file: in $XDG_RUNTIME_DIR when that is the
    /// user's own, else in a private folder of the user's that this makes (InstanceSocketPath).
    /// Empty, with a word on standard error, when that folder is not safely the user's: the
    /// copy then runs without looking for another.
    static QString socketPathFor(const QString& settingsPath);

private:
    enum class Ask { Shown, Closing, Nobody };
    struct Caller;
    Ask ask(const QByteArray& startupId, int waitMs);
    /// Sends one line to the running copy and returns its one-word answer (empty when it hung up
    /// or was too busy); nothing when no copy listens.
    std::optional<QByteArray> request(const QByteArray& line, int waitMs);
    QByteArray answer(const QByteArray& word, const QByteArray& argument);
    bool listen();
    void accept();
    void pauseAccepting();
    void dropIdle();
    void serve(Caller& caller);

    QObject m_owner; // the receiver of the deferred clean-ups; outlives the notifiers
    QString m_path;
    int m_patience;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_listening;
    std::vector<std::unique_ptr<Caller>> m_callers;
    std::unique_ptr<QTimer> m_sweep; // drops callers that stay silent
    quint64 m_lastCaller = 0;
};

} // namespace huebit
