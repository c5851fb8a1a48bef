#include "palettes/palette_exchange.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

class AnsweringFileDialog : public FileDialog {
public:
    std::optional<FileChoice> answer;
    QString askedFolder;
    QStringList askedFilters;
    std::optional<FileChoice> askSave(const QString& folder, const QStringList& filters) override {
        askedFolder = folder;
        askedFilters = filters;
        return answer;
    }
    std::optional<FileChoice> askOpen(const QString& folder, const QStringList& filters) override {
        return askSave(folder, filters);
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void fillUserPalette(ColorModel& model, int count) {
    model.ClearUserPalette();
    for (int i = 0; i < count; ++i)
        model.PaintUserPaletteSlot(i, RGB(10 * i, 255 - i, 7 * i + 1));
}

class PaletteExchangeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ColorModel model;
    PaletteExchange exchange{model};
    AnsweringFileDialog dialog;
};

// A full strip, and one with a gap, come back pixel for pixel (the gap closes up).
TEST_F(PaletteExchangeTest, ExportedStripImportsAsItWas) {
    fillUserPalette(model, SwatchStrip::SlotCount);
    const PixelBuffer full = model.UserPalette().pixels();
    const QString path = dir.filePath("mine.gpl");
    const ExchangeResult saved = exchange.Export(StripId::UserPalette, PaletteFileKind::Gimp, path);
    EXPECT_EQ(saved.status, "Сохранено цветов: 20, файл mine.gpl");
    EXPECT_TRUE(saved.error.isEmpty());
    model.ClearUserPalette();
    const ExchangeResult read = exchange.Import(path);
    EXPECT_TRUE(read.changed);
    EXPECT_EQ(read.status, "Прочитано цветов: 20, пропущено строк: 0");
    EXPECT_TRUE(model.UserPalette().pixels() == full);

    model.ClearUserPalette();
    model.PaintUserPaletteSlot(0, RGB(1, 2, 3));
    model.PaintUserPaletteSlot(4, RGB(4, 5, 6));
    exchange.Export(StripId::UserPalette, PaletteFileKind::Gimp, path);
    fillUserPalette(model, 20);
    exchange.Import(path);
    EXPECT_EQ(model.UserPalette().slotColor(0), RGB(1, 2, 3));
    EXPECT_EQ(model.UserPalette().slotColor(1), RGB(4, 5, 6));
    EXPECT_EQ(model.UserPalette().slotColor(2), EmptySlotColor);
}

TEST_F(PaletteExchangeTest, ExportsTheChosenFormatAndStrip) {
    model.ApplyColor(RGB(0x88, 0x57, 0xF9), coNormal); // enters the previous colours
    ASSERT_EQ(model.PreviousColors().slotColor(0), RGB(0x88, 0x57, 0xF9));
    dialog.answer = FileChoice{dir.filePath("vars"), 1};
    EXPECT_EQ(exchange.ExportWithDialog(StripId::PreviousColors, dialog).status.left(18),
              "Сохранено цветов: ");
    EXPECT_EQ(dialog.askedFilters, PaletteExchange::SaveFilters());
    EXPECT_TRUE(readFile(dir.filePath("vars.css")).contains("--huebit-1: #8857F9;"));
    // The next dialog opens where the last file went.
    dialog.answer = FileChoice{dir.filePath("list.text"), 2};
    exchange.ExportWithDialog(StripId::PreviousColors, dialog);
    EXPECT_EQ(dialog.askedFolder, QDir(dir.path()).absolutePath());
    EXPECT_TRUE(readFile(dir.filePath("list.text")).startsWith("#8857F9\n"));
    // Cancelling says nothing and writes nothing.
    dialog.answer.reset();
    EXPECT_TRUE(exchange.ExportWithDialog(StripId::PreviousColors, dialog).status.isEmpty());
}

TEST_F(PaletteExchangeTest, FailedOrEmptyExportSaysSoAndLeavesTheOldFile) {
    model.ClearUserPalette();
    const QString path = dir.filePath("old.gpl");
    writeFile(path, "old");
    EXPECT_EQ(exchange.Export(StripId::UserPalette, PaletteFileKind::Gimp, path).status,
              "Сохранять нечего: в полосе нет цветов");
    fillUserPalette(model, 3);
    writeFile(dir.filePath("plain"), "a file, not a folder");
    const ExchangeResult r =
        exchange.Export(StripId::UserPalette, PaletteFileKind::Gimp, dir.filePath("plain/x.gpl"));
    EXPECT_EQ(r.status, "Не удалось сохранить файл x.gpl");
    EXPECT_FALSE(r.error.isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(exchange.Export(StripId::UserPalette, PaletteFileKind::Gimp, dir.filePath("fifo"))
                     .error.isEmpty());
    EXPECT_EQ(readFile(path), "old");
}

// Bad files say why and leave the palette as it was; a long palette gives its first 20.
TEST_F(PaletteExchangeTest, ImportReadsWhatIsValidOrChangesNothing) {
    QByteArray many = "GIMP Palette\nbad line\n";
    for (int i = 0; i < 30; ++i)
        many += QByteArray::number(i) + " 0 0\n";
    writeFile(dir.filePath("many.gpl"), many);
    writeFile(dir.filePath("noheader.gpl"), "1 2 3\n");
    writeFile(dir.filePath("nocolours.gpl"), "GIMP Palette\nName: x\n300 0 0\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.gpl")).constData(), 0600), 0);
    const struct {
        const char* file;
        const char* status;
        bool changed;
    } cases[] = {
        {"missing.gpl", "Не удалось открыть файл missing.gpl", false},
        {"fifo.gpl", "Не удалось открыть файл fifo.gpl", false},
        {"", "Не удалось открыть файл ", false}, // the folder itself
        {"noheader.gpl", "Это не палитра GIMP: палитра не изменена", false},
        {"nocolours.gpl", "В файле нет цветов (пропущено строк: 1): палитра не изменена", false},
        {"many.gpl", "Прочитано цветов: 30, пропущено строк: 1; в палитру взяты первые 20", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fillUserPalette(model, 2);
        const PixelBuffer before = model.UserPalette().pixels();
        const QString path = *c.file ? dir.filePath(c.file) : dir.path();
        const ExchangeResult r = exchange.Import(path);
        EXPECT_EQ(r.status, QString(c.status) + (*c.file ? "" : QDir(dir.path()).dirName()));
        EXPECT_EQ(r.changed, c.changed);
        if (!c.changed) {
            EXPECT_TRUE(model.UserPalette().pixels() == before);
        }
    }
    for (int i = 0; i < SwatchStrip::SlotCount; ++i)
        EXPECT_EQ(model.UserPalette().slotColor(i), RGB(i, 0, 0)) << i;
}

} // namespace
