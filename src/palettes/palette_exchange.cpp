#include "palettes/palette_exchange.h"

#include "core/extra_texts.h"

#include "palettes/gimp_palette.h"
#include "palettes/palette_text.h"
#include "settings/settings_file.h"

#include <QFileInfo>

namespace huebit {

namespace {

constexpr const char* Suffixes[] = {"gpl", "css", "txt"};

QString withSuffix(const QString& path, PaletteFileKind kind) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + QLatin1String(Suffixes[int(kind)]);
}

QByteArray fileBytes(StripId which, PaletteFileKind kind, const std::vector<Color>& colors,
                     const QString& entry) {
    switch (kind) {
    case PaletteFileKind::Css:
        return WriteCssProperties(colors, entry);
    case PaletteFileKind::PlainList:
        return WritePlainList(colors, entry);
    default:
        return WriteGimpPalette(which == StripId::UserPalette ? QStringLiteral("Huebit")
                                                              : QStringLiteral("Huebit, previous"),
                                colors);
    }
}

QString readSummary(const GimpPalette& p, std::size_t taken) {
    QString text = ExtraText("Прочитано цветов: %1, пропущено строк: %2")
                       .arg(p.entries.size())
                       .arg(p.skippedLines);
    if (taken < p.entries.size()) text += ExtraText("; в палитру взяты первые %1").arg(taken);
    if (p.truncated) text += ExtraText("; файл слишком велик, прочитано только начало");
    return text;
}

} // namespace

QStringList PaletteExchange::SaveFilters() {
    return {ExtraText("Палитра GIMP (*.gpl)"), ExtraText("Переменные CSS (*.css)"),
            ExtraText("Список цветов (*.txt)")};
}

QStringList PaletteExchange::OpenFilters() {
    return {SaveFilters().constFirst()};
}

void PaletteExchange::remember(const QString& path) {
    m_folder = QFileInfo(path).absolutePath();
}

ExchangeResult PaletteExchange::ExportWithDialog(StripId which, FileDialog& dialog) {
    const auto choice = dialog.askSave(m_folder, SaveFilters());
    if (!choice || choice->path.isEmpty()) return {};
    const int filter = choice->filter >= 0 && choice->filter < 3 ? choice->filter : 0;
    const auto kind = PaletteFileKind(filter);
    return Export(which, kind, withSuffix(choice->path, kind));
}

ExchangeResult PaletteExchange::Export(StripId which, PaletteFileKind kind, const QString& path) {
    const SwatchStrip& strip =
        which == StripId::UserPalette ? m_model.UserPalette() : m_model.PreviousColors();
    const std::vector<Color> colors = StripColors(strip);
    if (colors.empty()) return {ExtraText("Сохранять нечего: в полосе нет цветов"), {}};
    remember(path);
    const QString error =
        SaveFileAtomically(path, fileBytes(which, kind, colors, m_model.Templates().activeEntry()));
    if (!error.isEmpty()) {
        return {ExtraText("Не удалось сохранить файл %1").arg(QFileInfo(path).fileName()), error};
    }
    return {ExtraText("Сохранено цветов: %1, файл %2")
                .arg(colors.size())
                .arg(QFileInfo(path).fileName()),
            {}};
}

ExchangeResult PaletteExchange::ImportWithDialog(FileDialog& dialog) {
    const auto choice = dialog.askOpen(m_folder, OpenFilters());
    if (!choice || choice->path.isEmpty()) return {};
    return Import(choice->path);
}

ExchangeResult PaletteExchange::Import(const QString& path) {
    QString refusal;
    const auto palette = ReadGimpPaletteFile(path, &refusal);
    if (!palette) {
        return {ExtraText("Не удалось открыть файл %1").arg(QFileInfo(path).fileName()), refusal};
    }
    remember(path);
    if (!palette->hasHeader) {
        return {ExtraText("Это не палитра GIMP: палитра не изменена"),
                QStringLiteral("%1 has no GIMP Palette header").arg(path)};
    }
    if (palette->entries.empty()) {
        return {ExtraText("В файле нет цветов (пропущено строк: %1): палитра не изменена")
                    .arg(palette->skippedLines),
                {}};
    }
    const std::size_t taken =
        std::min(palette->entries.size(), std::size_t(SwatchStrip::SlotCount));
    m_model.ClearUserPalette();
    for (std::size_t i = 0; i < taken; ++i)
        m_model.PaintUserPaletteSlot(int(i), palette->entries[i].color);
    return {readSummary(*palette, taken), {}, true};
}

} // namespace huebit
