#include "ui/qt_file_dialog.h"

#include "ui/modal_dialogs.h"

#include <QFileDialog>

namespace huebit {

std::optional<FileChoice> QtFileDialog::askSave(const QString& folder, const QStringList& filters) {
    return ask(true, folder, filters);
}

std::optional<FileChoice> QtFileDialog::askOpen(const QString& folder, const QStringList& filters) {
    return ask(false, folder, filters);
}

std::optional<FileChoice> QtFileDialog::ask(bool save, const QString& folder,
                                            const QStringList& filters) {
    QFileDialog dialog(DialogParent(m_parent), QString(), folder,
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (ExecWindowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().constFirst(),
                      int(filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace huebit
