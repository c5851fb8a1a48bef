#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace huebit {

bool InstallQtTranslations(QCoreApplication& app, const QString& language,
                           const QString& directory) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_") + language, directory) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace huebit
