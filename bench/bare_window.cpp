// The floor for the start-up comparison: a bare Qt window of Huebit's client size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(404, 507);
    window.show();
    return app.exec();
}
