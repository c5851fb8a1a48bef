#include "ui/huebit_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Huebit"));
    QApplication::setApplicationDisplayName(QStringLiteral("Huebit"));
    huebit::THuebit window;
    window.show();
    return app.exec();
}
