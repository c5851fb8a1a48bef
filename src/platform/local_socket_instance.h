#pragma once
// One running copy per user and settings file, through a local socket in the user's runtime
// folder. A lock file around "connect, or else listen" keeps two simultaneous starts from both
// becoming the first; a socket file left by a killed copy answers nobody and is replaced.

#include "platform/instance_channel.h"

#include <QLocalServer>
#include <QString>

namespace huebit {

class LocalSocketInstance : public InstanceChannel {
public:
    /// `socketPath`: the full path of the socket. `patienceMs`: how long a start waits for a
    /// running copy that is busy or closing before it gives up.
    explicit LocalSocketInstance(QString socketPath, int patienceMs = 5000);
    ~LocalSocketInstance() override;

    Claim claim(const QByteArray& startupId) override;
    void close() override;

    /// The socket's path for this user and settings file, in $XDG_RUNTIME_DIR (else the
    /// temporary folder; the name carries the user either way).
    static QString socketPathFor(const QString& settingsPath);

private:
    enum class Ask { Shown, Closing, Nobody };
    Ask ask(const QByteArray& startupId, int waitMs);
    bool listen();
    void serve();

    QString m_path;
    int m_patience;
    QLocalServer m_server;
};

} // namespace huebit
