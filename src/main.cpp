#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/huebit_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Huebit"));
    huebit::ApplyAppLook();

    huebit::THuebit window;
    huebit::TColPanel panel(window.model());
    window.setColPanel(&panel);
    window.show();
    return app.exec();
}
