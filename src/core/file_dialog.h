#pragma once
// The platform's file dialog for saving and opening, behind a seam so tests can answer it.

#include <QString>
#include <QStringList>

#include <optional>

namespace huebit {

struct FileChoice {
    QString path;
    int filter = 0; ///< the index of the filter the user left chosen
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    /// Asks for a file to write, starting in `folder` and offering `filters` such as
    /// "Палитра GIMP (*.gpl)"; nothing when the user cancels.
    virtual std::optional<FileChoice> askSave(const QString& folder,
                                              const QStringList& filters) = 0;
    /// Asks for an existing file to read; nothing when the user cancels.
    virtual std::optional<FileChoice> askOpen(const QString& folder,
                                              const QStringList& filters) = 0;
};

} // namespace huebit
