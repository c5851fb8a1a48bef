#pragma once
// The shipped English language file where a window of the widget tests finds it: a data folder
// of its own named by XDG_DATA_HOME.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace huebit {

class EnglishDataFolder {
public:
    EnglishDataFolder() {
        const QString folder = m_dir.filePath(QStringLiteral("huebit/languages"));
        m_ready = QDir().mkpath(folder) &&
                  QFile::copy(QStringLiteral(HUEBIT_ENGLISH_FILE), folder + "/English.lng");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
    }
    ~EnglishDataFolder() { qunsetenv("XDG_DATA_HOME"); }
    bool ready() const { return m_ready; }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};

} // namespace huebit
