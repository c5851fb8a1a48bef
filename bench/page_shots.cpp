// Pictures of the window on every page and sub-page, for comparing the look before and after a
// change: huebit_page_shots SETTINGS_FILE OUT_DIR. Runs on the platform it is given (offscreen
// or xcb); the window is built and styled as the program's entry builds it.
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/huebit_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

using namespace huebit;

namespace {

// Selects the pages that hold `w`, so that it is on screen.
void reveal(QWidget* w) {
    for (QWidget* page = w; page; page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr);
        if (tabs && tabs->indexOf(page) >= 0) tabs->setCurrentIndex(tabs->indexOf(page));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SETTINGS_FILE OUT_DIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    ApplyAppLook();
    THuebit window({QString::fromLocal8Bit(argv[1]), QString()});
    TColPanel panel(window.model(), window.settingsBuffer());
    window.setColPanel(&panel);
    window.show();
    // A page that opens a dialog (the system palette's colour dialog) is shot after its close.
    QTimer closeDialogs;
    QObject::connect(&closeDialogs, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closeDialogs.start(50);
    QTest::qWait(400); // the fade-in and the first capture
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const auto tabWidgets = window.findChildren<QTabWidget*>();
    for (QTabWidget* tabs : tabWidgets) {
        const int initial = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            reveal(tabs);
            tabs->setCurrentIndex(i);
            QTest::qWait(300); // the colour indicator's poll has run
            window.grab().save(
                out.filePath(QStringLiteral("%1-%2.png").arg(tabs->objectName()).arg(i)));
        }
        tabs->setCurrentIndex(initial);
    }
    // The floating panel with its buttons out, then with the freeze button pressed.
    panel.ShowHide();
    for (QToolButton* b : panel.findChildren<QToolButton*>())
        b->show();
    QTest::qWait(300);
    panel.grab().save(out.filePath(QStringLiteral("panel.png")));
    if (auto* freeze = panel.findChild<QToolButton*>(QStringLiteral("SpeedButton3")))
        freeze->click();
    QTest::qWait(300);
    panel.grab().save(out.filePath(QStringLiteral("panel-frozen.png")));
    // The open lists of the combo boxes, each on its page.
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        reveal(box);
        box->showPopup();
        QTest::qWait(300);
        box->view()->window()->grab().save(
            out.filePath(QStringLiteral("list-%1.png").arg(box->objectName())));
        box->hidePopup();
    }
    return 0;
}
