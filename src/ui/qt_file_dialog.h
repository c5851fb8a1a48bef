#pragma once
// The file dialog through Qt, modal to the window only, as the screen image's save is.

#include "core/file_dialog.h"

class QWidget;

namespace huebit {

class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<FileChoice> askSave(const QString& folder, const QStringList& filters) override;
    std::optional<FileChoice> askOpen(const QString& folder, const QStringList& filters) override;

private:
    std::optional<FileChoice> ask(bool save, const QString& folder, const QStringList& filters);

    QWidget* m_parent;
};

} // namespace huebit
