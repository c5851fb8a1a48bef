// Saves the settings file over and over, alternating two contents, until it is killed. The
// atomic-write test kills it at random moments and checks what it finds on disk.
#include "settings/settings_file.h"

#include <QFile>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc != 4) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    huebit::SettingsBuffer contents[2];
    for (int i = 0; i < 2; ++i) {
        QFile file(QString::fromLocal8Bit(argv[2 + i]));
        if (!file.open(QIODevice::ReadOnly)) return 3;
        contents[i] = huebit::SettingsBuffer::FromBytes(file.readAll());
    }
    for (long round = 0;; ++round) {
        if (!huebit::SaveSettingsFile(path, contents[round % 2]).isEmpty()) return 4;
        if (round == 0) {
            // Tell the test the first save is done: from now on every moment is mid-loop.
            if (::write(STDOUT_FILENO, "+", 1) != 1) return 5;
        }
    }
}
