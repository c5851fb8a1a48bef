// The floor for the start-up comparison: a bare Qt window of Huebit's client size, nothing else.
// With --full-screen: a bare black window over the whole screen, the floor for the pick's overlay.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool fullScreen = QApplication::arguments().contains(QStringLiteral("--full-screen"));
    QWidget window(nullptr, fullScreen ? Qt::Window | Qt::FramelessWindowHint |
                                             Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint
                                       : Qt::Window);
    if (fullScreen) {
        QPalette black = window.palette();
        black.setColor(QPalette::Window, Qt::black);
        window.setPalette(black);
        window.setGeometry(QGuiApplication::primaryScreen()->virtualGeometry());
    } else {
        window.resize(404, 507);
    }
    window.show();
    return app.exec();
}
