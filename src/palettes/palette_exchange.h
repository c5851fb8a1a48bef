#pragma once
// The user palette and the previous colours to and from files: the export in three formats,
// the import of GIMP palettes into the user palette, and what the status line says about each.
// The file dialog is asked through its seam; the writes are atomic as the settings file's are.

#include "core/color_model.h"
#include "core/file_dialog.h"
#include "palettes/swatch_picking.h"

namespace huebit {

enum class PaletteFileKind { Gimp, Css, PlainList };

struct ExchangeResult {
    QString status;       ///< for the status line; empty when the user cancelled
    QString error;        ///< what went wrong, for standard error; empty when nothing did
    bool changed = false; ///< an import replaced the user palette
};

class PaletteExchange {
public:
    explicit PaletteExchange(ColorModel& model) : m_model(model) {}

    /// The dialog's filters, in PaletteFileKind order for saving; opening offers the first.
    static QStringList SaveFilters();
    static QStringList OpenFilters();

    /// Asks where to save `which` and writes it in the chosen format; a name without a suffix
    /// gets the format's.
    ExchangeResult ExportWithDialog(StripId which, FileDialog& dialog);
    ExchangeResult Export(StripId which, PaletteFileKind kind, const QString& path);

    /// Asks for a GIMP palette and imports it.
    ExchangeResult ImportWithDialog(FileDialog& dialog);
    /// The file's first SwatchStrip::SlotCount colours replace the user palette, the first at
    /// the left (the newest place), so an exported strip comes back as it was. A file that
    /// cannot be read, has no header or holds no colour changes nothing.
    ExchangeResult Import(const QString& path);

    /// Where the dialog opens: the folder of the last file saved or opened.
    const QString& Folder() const { return m_folder; }

private:
    void remember(const QString& path);

    ColorModel& m_model;
    QString m_folder;
};

} // namespace huebit
