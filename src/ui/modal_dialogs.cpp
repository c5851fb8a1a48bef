#include "ui/modal_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QList>

namespace huebit {

QWidget* DialogParent(QWidget* window) {
    QWidget* open = QApplication::activeModalWidget();
    return open ? open : window;
}

int ExecWindowModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

void CloseModalWindows() {
    QList<QWidget*> asked; // a window that will not close is not asked again
    while (QWidget* window = QApplication::activeModalWidget()) {
        if (asked.contains(window)) return;
        asked.append(window);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }
}

} // namespace huebit
