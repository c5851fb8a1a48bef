#include "app/app_identity.h"
#include "app/command_line.h"
#include "platform/qt_translations.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/huebit_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    huebit::CommandLine commandLine;
    if (const auto r = commandLine.early(huebit::ArgumentList(argc, argv)); !r.run) {
        return huebit::PrintRequest(r);
    }
    QApplication app(argc, argv);
    if (const auto r = commandLine.parse(QCoreApplication::arguments()); !r.run) {
        return huebit::PrintRequest(r);
    }
    QApplication::setApplicationName(QStringLiteral("Huebit"));
    QApplication::setApplicationVersion(QLatin1String(huebit::ApplicationVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(huebit::ApplicationId));
    huebit::InstallQtTranslations(app);
    huebit::ApplyAppLook();

    huebit::THuebit window;
    huebit::TColPanel panel(window.model());
    window.setColPanel(&panel);
    window.show();
    return app.exec();
}
