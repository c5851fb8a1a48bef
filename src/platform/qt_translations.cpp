#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace huebit {

namespace {

QPointer<QTranslator> russianQt;

} // namespace

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

void FollowInterfaceLanguage(QCoreApplication& app, bool russian, const QString& directory) {
    if (russian == !russianQt.isNull()) return;
    if (!russian) {
        QCoreApplication::removeTranslator(russianQt);
        delete russianQt;
        return;
    }
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(InterfaceLanguage),
                          directory) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return;
    }
    russianQt = translator;
}

} // namespace huebit
