#include "ui/language_template.h"

#include "app/app_identity.h"
#include "ui/app_look.h"
#include "ui/huebit_window.h"
#include "ui/window_appearance.h"

#include <QSaveFile>
#include <cstdio>

namespace huebit {

int WriteLanguageTemplate(const QString& path) {
    ApplyAppLook();
    THuebit window; // no settings file: the built-in texts and captions
    const QByteArray bytes = window.appearance().LanguageTemplate();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", ExecutableName, qPrintable(path),
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}

} // namespace huebit
