// The settings file's bytes and lines: endings, code page, line cap, the written form.
#include "settings/settings_buffer.h"
#include "settings/code_page.h"
#include "settings/settings_record.h"
#include "settings/settings_walk.h"

#include <QBuffer>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <random>

using namespace huebit;

TEST(SettingsBuffer, LineEndings) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR are two endings
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"\n", {""}},
        {"\r", {""}},
        {" \r\n", {" "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsBuffer::FromBytes(c.bytes).lines(), c.lines) << c.bytes.toStdString();
    }
}

TEST(SettingsBuffer, LinesBeyondTheEndReadEmpty) {
    const SettingsBuffer b = SettingsBuffer::FromBytes("0\r\n1");
    EXPECT_EQ(b.line(1), "1");
    EXPECT_EQ(b.line(2), "");
    EXPECT_EQ(b.line(193), "");
    EXPECT_EQ(b.line(-1), "");
}

TEST(SettingsBuffer, CyrillicCodePageBothWays) {
    const QByteArray bytes("\xD6\xE2\xE5\xF2 \xF2\xE5\xEA\xF1\xF2\xE0\r\n");
    const SettingsBuffer read = SettingsBuffer::FromBytes(bytes);
    EXPECT_EQ(read.line(0), QStringLiteral("Цвет текста"));
    EXPECT_TRUE(SettingsBuffer({QStringLiteral("Цвет текста")}).toBytes().startsWith(bytes));
    // Every byte but CR and LF survives a read and a write.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n') all.append(char(i));
    EXPECT_TRUE(SettingsBuffer::FromBytes(all).toBytes().startsWith(all + "\r\n"));
    // And reads as the system's own converter reads it.
    EXPECT_EQ(SettingsBuffer::FromBytes(all).line(0), QString(QStringDecoder("windows-1251").decode(all)));
}

TEST(SettingsBuffer, CharactersTheCodePageLacksAreWrittenAsQuestionMarks) {
    const struct {
        QString text;
        QString readBack;
    } cases[] = {
        {QStringLiteral("✓ готово"), QStringLiteral("? готово")},
        {QStringLiteral("日本"), QStringLiteral("??")},
        {QStringLiteral("a😀b"), QStringLiteral("a?b")}, // one character, one "?"
        {QString(QChar(0xD800)), QStringLiteral("?")},   // a lone half of a pair
        {QStringLiteral("€ № «Ё» ї"), QStringLiteral("€ № «Ё» ї")},
        {QStringLiteral("why?"), QStringLiteral("why?")},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = SettingsBuffer({c.text}).toBytes();
        EXPECT_FALSE(bytes.contains('\x1A')) << c.text.toStdString();
        EXPECT_EQ(SettingsBuffer::FromBytes(bytes).line(0), c.readBack) << c.text.toStdString();
        EXPECT_EQ(FitsCodePage(c.text), c.text == c.readBack) << c.text.toStdString();
    }
}

TEST(SettingsBuffer, LongLinesAreCutWithoutShiftingTheNext) {
    const QByteArray longLine(5000, 'x');
    const SettingsBuffer b = SettingsBuffer::FromBytes(longLine + "\r\nnext\r\n" + longLine);
    ASSERT_EQ(b.size(), 3);
    EXPECT_EQ(b.line(0), QString(SettingsMaxLineLength, QLatin1Char('x')));
    EXPECT_EQ(b.line(1), "next");
    EXPECT_EQ(b.line(2).size(), SettingsMaxLineLength);

    SettingsRecord r;
    r.sampleText = QString(5000, QLatin1Char('y'));
    const SettingsRecord back =
        ReadSettingsRecord(SettingsBuffer::FromBytes(ToSettingsBuffer(r).toBytes()));
    EXPECT_EQ(back.sampleText, QString(SettingsMaxLineLength, QLatin1Char('y')));
    EXPECT_EQ(back.templateIndex, r.templateIndex); // the line after it is intact
}

TEST(SettingsBuffer, WritesExactly194LinesWithCrLf) {
    const QByteArray bytes =
        SettingsBuffer({"a", "line\nwith\rbreaks", QStringLiteral("Ж")}).toBytes();
    EXPECT_EQ(bytes.count("\r\n"), SettingsLineCount);
    EXPECT_EQ(bytes.count('\r'), SettingsLineCount);
    EXPECT_EQ(bytes.count('\n'), SettingsLineCount);
    EXPECT_TRUE(bytes.startsWith("a\r\nline with breaks\r\n\xC6\r\n\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_EQ(ToSettingsBuffer(SettingsRecord{}).toBytes().count("\r\n"), SettingsLineCount);
}

TEST(SettingsBuffer, ReadingADeviceStopsAtTheLineCountAndTheByteCap) {
    QByteArray many;
    for (int i = 0; i < 100000; ++i) many += QByteArray::number(i) + "\r\n";
    QBuffer lines(&many);
    lines.open(QIODevice::ReadOnly);
    const SettingsBuffer b = SettingsBuffer::Read(lines);
    EXPECT_EQ(b.size(), SettingsLineCount);
    EXPECT_EQ(b.line(193), "193");
    EXPECT_LT(lines.pos(), many.size()); // the rest was never read

    QByteArray endless(8 * 1024 * 1024, '\0'); // stands for a file with no line ending at all
    QBuffer device(&endless);
    device.open(QIODevice::ReadOnly);
    const SettingsBuffer capped = SettingsBuffer::Read(device, 1024 * 1024);
    ASSERT_EQ(capped.size(), 1);
    EXPECT_EQ(capped.line(0).size(), SettingsMaxLineLength);
    EXPECT_EQ(device.pos(), 1024 * 1024);
}

TEST(SettingsBuffer, RandomBytesReadAsLinesOrDefaults) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random() % 30000), '\0');
        for (char& c : bytes) {
            const unsigned r = random() % 64;
            c = r == 0 ? '\r' : r == 1 ? '\n' : r < 8 ? char('0' + random() % 10) : char(random());
        }
        const SettingsBuffer b = SettingsBuffer::FromBytes(bytes);
        ASSERT_LE(b.size(), SettingsLineCount);
        for (const QString& line : b.lines()) {
            ASSERT_LE(line.size(), SettingsMaxLineLength);
            ASSERT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
        }
        const SettingsRecord r = ReadSettingsRecord(b);
        EXPECT_TRUE(r.palettePage >= 0 && r.palettePage < PalettePageCount);
        EXPECT_TRUE(r.editorPage >= 0 && r.editorPage < EditorPageCount);
        EXPECT_TRUE(r.auxPage >= 0 && r.auxPage < AuxPageCount);
        EXPECT_TRUE(r.shell.fontSize >= 1 && r.shell.fontSize <= 100);
        EXPECT_TRUE(r.sample.width >= 1 && r.sample.width <= 100);
        EXPECT_TRUE(r.sample.height >= 1 && r.sample.height <= 100);
        EXPECT_TRUE(r.shell.transparency >= 0 && r.shell.transparency <= 255);
        EXPECT_LE(r.templates.size(), SettingsLine::TemplateSlots);
        // Whatever was read is written back in the same shape.
        EXPECT_EQ(ToSettingsBuffer(r).toBytes().count("\r\n"), SettingsLineCount);
    }
}
