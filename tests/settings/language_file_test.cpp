// Language files: version check, texts and captions by line, missing lines, the template's
// bytes, random bytes, and the start-up directory's file lookup.
#include "core/ui_texts.h"
#include "settings/language_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace huebit;

namespace {

// A file of `count` lines after the version: line k (from 2) reads "t<k>".
QByteArray numberedFile(const QByteArray& version, int lastLine) {
    QByteArray bytes = "title\r\n" + version + "\r\n";
    for (int k = 2; k <= lastLine; ++k)
        bytes += "t" + QByteArray::number(k) + "\r\n";
    return bytes;
}

} // namespace

TEST(LanguageFile, VersionLineMustBeExactly51) {
    const struct {
        QByteArray bytes;
        bool accepted;
    } cases[] = {
        {"", false},             // no lines at all
        {"only a title", false}, // one line: the version reads as empty
        {"x\r\n5.1", true},
        {"x\r\n5.1 \r\n", false}, // a trailing blank
        {"x\r\n5.10\r\n", false},
        {"x\r\n 5.1\r\n", false},
        {"x\r\n5,1\r\n", false},
        {"x\n5.1\n", true}, // any line ending
        {"x\r5.1\r", true},
        {"\r\n5.1\r\n", true},       // line 0 is free text, even empty
        {"x\r\n\r\n5.1\r\n", false}, // the version is line 1, not the first non-empty
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLanguage(LanguageFromBytes(c.bytes), 3).has_value(), c.accepted)
            << c.bytes.toStdString();
    }
}

TEST(LanguageFile, TextsAndCaptionsByLine) {
    const auto full = ParseLanguage(LanguageFromBytes(numberedFile("5.1", 60)), 5);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->texts[0], "t2");
    EXPECT_EQ(full->texts[50], "t52");
    EXPECT_EQ(full->captions, QStringList({"t53", "t54", "t55", "t56", "t57"}));

    // A file that stops after line 52: every text, and every caption empty.
    const auto textsOnly = ParseLanguage(LanguageFromBytes(numberedFile("5.1", 52)), 188);
    ASSERT_TRUE(textsOnly.has_value());
    EXPECT_EQ(textsOnly->texts[50], "t52");
    ASSERT_EQ(textsOnly->captions.size(), 188);
    for (const QString& c : textsOnly->captions)
        EXPECT_TRUE(c.isEmpty());

    // A shorter one: the missing texts are empty too, with no complaint.
    const auto shortFile = ParseLanguage(LanguageFromBytes(numberedFile("5.1", 10)), 2);
    ASSERT_TRUE(shortFile.has_value());
    EXPECT_EQ(shortFile->texts[8], "t10");
    EXPECT_EQ(shortFile->texts[9], "");
    EXPECT_EQ(shortFile->captions, QStringList({"", ""}));
}

TEST(LanguageFile, TemplateBytesReadBackAsTheSameTexts) {
    UiTexts texts;
    texts.set(45, QStringLiteral("запасной\r\nтекст")); // a break inside would shift every line
    const QStringList captions = {QStringLiteral("Подбор "), QString(), QStringLiteral("Окно")};
    const QByteArray whole = LanguageFileBytes(texts, captions);
    // The extra texts follow from line 241 (language_choice_test.cpp); lines 0-240 as before.
    const QByteArray bytes = whole.left(whole.indexOf("[extra texts]\r\n"));
    ASSERT_EQ(bytes.size(), whole.lastIndexOf("\r\n[extra texts]\r\n") + 2);
    // Every caption line is written, empty after the last caption given: lines 53-240.
    EXPECT_EQ(bytes.count("\r\n"), 2 + UiTextCount + LanguageCaptionCount);
    EXPECT_TRUE(bytes.endsWith(QByteArray("\xCE\xEA\xED\xEE\r\n") +
                               QByteArray("\r\n").repeated(LanguageCaptionCount - 3)));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.split('\n')[1], "5.1\r");
    // "Подбор " in windows-1251, trailing blank kept.
    EXPECT_TRUE(bytes.contains("\r\n\xCF\xEE\xE4\xE1\xEE\xF0 \r\n\r\n\xCE\xEA\xED\xEE\r\n"));
    const auto back = ParseLanguage(LanguageFromBytes(bytes), 3);
    ASSERT_TRUE(back.has_value());
    for (int i = 0; i < UiTextCount; ++i) {
        if (i != 45) {
            EXPECT_EQ(back->texts[std::size_t(i)], texts[i]) << i;
        }
    }
    EXPECT_EQ(back->texts[45], QStringLiteral("запасной  текст"));
    EXPECT_EQ(back->captions, captions);
}

TEST(LanguageFile, BuiltInTextsFitTheCodePage) {
    UiTexts texts;
    for (int i = 0; i < UiTextCount; ++i)
        EXPECT_TRUE(FitsLanguageCodePage(texts[i])) << i;
    for (const QString& text : ExtraTextDefaults())
        EXPECT_TRUE(FitsLanguageCodePage(text)) << text.toStdString();
    EXPECT_TRUE(FitsLanguageCodePage(QStringLiteral("Ёё «№» – —")));
    EXPECT_FALSE(FitsLanguageCodePage(QStringLiteral("×")));
    EXPECT_FALSE(FitsLanguageCodePage(QStringLiteral("▾")));
}

TEST(LanguageFile, RandomBytesNeverBreakTheReader) {
    std::mt19937 random(5102);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes(int(random() % 20000), '\0');
        for (char& c : bytes) {
            const unsigned r = random() % 40;
            c = r == 0 ? '\r' : r == 1 ? '\n' : char(random());
        }
        if (round % 2) bytes.prepend("x\r\n5.1\r\n"); // half of them pass the version check
        const LanguageBuffer lines = LanguageFromBytes(bytes);
        ASSERT_LE(lines.size(), LanguageMaxLines);
        const auto parsed = ParseLanguage(lines, 200);
        ASSERT_EQ(parsed.has_value(), lines.line(1) == "5.1");
        if (!parsed) continue;
        ASSERT_EQ(parsed->captions.size(), 200);
        for (int i = 0; i < UiTextCount; ++i) {
            ASSERT_EQ(parsed->texts[std::size_t(i)], lines.line(2 + i));
            ASSERT_LE(parsed->texts[std::size_t(i)].size(), SettingsMaxLineLength);
            ASSERT_FALSE(parsed->texts[std::size_t(i)].contains(QLatin1Char('\n')));
        }
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(parsed->captions[i], lines.line(53 + i));
    }
}

TEST(LanguageFile, FilesOnDiskAndTheStartupDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(ReadLanguageFile(dir.filePath("missing.lng")).has_value());
    EXPECT_FALSE(ReadLanguageFile(dir.path()).has_value()); // a directory is not a file
    QFile empty(dir.filePath("empty.lng"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const auto read = ReadLanguageFile(dir.filePath("empty.lng"));
    ASSERT_TRUE(read.has_value()); // opens, but has no lines: the error box's case
    EXPECT_FALSE(ParseLanguage(*read, 1).has_value());
}

TEST(LanguageFile, ErrorTextEndsWithTheWebAddress) {
    EXPECT_EQ(
        LanguageErrorText(),
        QStringLiteral("Ошибка загрузки файла языка.\r\n\r\nФайл языка имеет не ту версию.\r\n"
                       "Скачайте новую версию файла с https://huebit.app"));
}

TEST(LanguageFile, AFifoInItsPlaceIsNotWaitedFor) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("ru.lng");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return ReadLanguageFile(fifo); });
    if (read.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Open the other end so the blocked reader returns and the test can end.
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        read.wait();
        FAIL() << "reading the language file blocked";
    }
    EXPECT_FALSE(read.get().has_value());
}
