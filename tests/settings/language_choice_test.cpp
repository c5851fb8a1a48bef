// The first start's language from the locale, the language folders and their files, the extra
// texts' section of a language file, and the shipped English file.
#include "core/extra_texts.h"
#include "core/ui_texts.h"
#include "palettes/named_colors.h"
#include "settings/language_choice.h"
#include "settings/language_file.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace huebit;

TEST(LanguageChoice, FirstStartFollowsTheFirstLocaleVariableSet) {
    const struct {
        LocaleVariables locale;
        bool settingsFile;
        const char* language;
    } cases[] = {
        {{"", "", "ru_RU.UTF-8"}, false, ""},
        {{"", "", "ru"}, false, ""},
        {{"", "", "ru_UA.KOI8-U"}, false, ""},
        {{"", "", "ru.UTF-8"}, false, ""},
        {{"", "", "ru@petr1708"}, false, ""},
        {{"", "", "en_US.UTF-8"}, false, "English.lng"},
        {{"", "", "run"}, false, "English.lng"}, // not "ru" followed by a separator
        {{"", "", "RU_RU"}, false, "English.lng"},
        {{"", "", ""}, false, "English.lng"}, // nothing set
        {{"", "", "C"}, false, "English.lng"},
        {{"", "", "POSIX"}, false, "English.lng"},
        {{"", "", "C.UTF-8"}, false, "English.lng"},
        {{"C", "", "ru_RU.UTF-8"}, false, "English.lng"}, // LC_ALL first
        {{"ru_RU.UTF-8", "en_GB", "de_DE"}, false, ""},
        {{"", "ru_RU.UTF-8", "en_US.UTF-8"}, false, ""}, // then LC_MESSAGES
        {{"", "de_DE.UTF-8", "ru_RU.UTF-8"}, false, "English.lng"},
        // A settings file decides, whatever the locale.
        {{"", "", "en_US.UTF-8"}, true, ""},
        {{"", "", "C"}, true, ""},
        {{"", "", "ru_RU.UTF-8"}, true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartLanguage(c.settingsFile, c.locale), QString::fromLatin1(c.language))
            << c.locale.lcAll.toStdString() << " / " << c.locale.lcMessages.toStdString() << " / "
            << c.locale.lang.toStdString() << (c.settingsFile ? " with a file" : "");
    }
}

TEST(LanguageChoice, FoldersInOrderOfPrecedence) {
    const struct {
        LanguagePlaces places;
        QStringList folders;
    } cases[] = {
        {{"/opt/h/bin", "/work", "/xdg/data", "/home/u", "/usr/share/huebit/languages", "/a:/b/"},
         {"/opt/h/bin", "/work", "/xdg/data/huebit/languages", "/usr/share/huebit/languages",
          "/a/huebit/languages", "/b/huebit/languages"}},
        // Defaults: ~/.local/share, then /usr/local/share and /usr/share; a relative
        // XDG_DATA_HOME counts as unset, relative and empty entries are skipped, and a folder
        // already listed is not listed again.
        {{"/opt/h/bin", "/opt/h/bin", "relative", "/home/u", "/usr/share/huebit/languages", ""},
         {"/opt/h/bin", "/home/u/.local/share/huebit/languages", "/usr/share/huebit/languages",
          "/usr/local/share/huebit/languages"}},
        {{"", "", "", "", "", "rel::/x"}, {"/x/huebit/languages"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFolders(c.places), c.folders) << c.folders.join(' ').toStdString();
}

TEST(LanguageChoice, AnEarlierFolderHidesTheSameNameAndNamesMatchWithoutCase) {
    const QHash<QString, QStringList> listing{
        {"/exe", {"english.LNG", "notes.txt", "Huebit.cnf"}},
        {"/user", {"English.lng", "Deutsch.lng", ".lng"}},
        {"/data", {"Deutsch.lng", "Zulu.lng", "English.lng.bak"}},
    };
    const auto entries = FindLanguages({"/exe", "/user", "/data", "/missing"},
                                       [&](const QString& f) { return listing.value(f); });
    const QList<LanguageEntry> expected{{".lng", "/user/.lng"},
                                        {"Deutsch.lng", "/user/Deutsch.lng"},
                                        {"english.LNG", "/exe/english.LNG"},
                                        {"Zulu.lng", "/data/Zulu.lng"}};
    EXPECT_EQ(entries, expected);
    const struct {
        const char* name;
        const char* path; // empty: none
    } lookups[] = {{"ENGLISH.lng", "/exe/english.LNG"},
                   {"zulu.lng", "/data/Zulu.lng"},
                   {"", ""},
                   {"English", ""},
                   {"/exe/english.LNG", ""},
                   {"../user/Deutsch.lng", ""}};
    for (const auto& l : lookups) {
        const LanguageEntry* e = FindLanguage(entries, QString::fromUtf8(l.name));
        EXPECT_EQ(e ? e->path : QString(), QString::fromLatin1(l.path)) << l.name;
    }
}

namespace {

QByteArray withExtras(const QByteArray& marker, const QList<QByteArray>& extras) {
    QByteArray bytes = "title\r\n5.1\r\n";
    for (int line = 2; line < LanguageExtraMarkerLine; ++line)
        bytes += "\r\n";
    bytes += marker + "\r\n";
    for (const QByteArray& e : extras)
        bytes += e + "\r\n";
    return bytes;
}

} // namespace

TEST(LanguageExtras, SectionAfterTheCaptionsEscapesAndEmptyLines) {
    const QStringList& defaults = ExtraTextDefaults();
    const struct {
        QByteArray bytes;
        QStringList expected; // the texts in force after loading, first three entries
    } cases[] = {
        // An older file, ending at line 240 or going on without the marker: the built-in texts.
        {withExtras("", {}).left(withExtras("", {}).size() - 2), defaults.mid(0, 3)},
        {withExtras("[extra texts] ", {"a", "b", "c"}), defaults.mid(0, 3)},
        {withExtras("[extra texts]", {"a\\nb", "", "c\\\\n\\r\\x\\"}),
         {"a\nb", defaults.at(1), "c\\n\r\\x\\"}},
        {withExtras("[extra texts]", {"only one"}), {"only one", defaults.at(1), defaults.at(2)}},
    };
    for (const auto& c : cases) {
        SetExtraTexts({"stale", "stale", "stale"});
        UiTexts texts;
        QStringList captions;
        ASSERT_TRUE(LoadLanguage(LanguageFromBytes(c.bytes), texts, captions));
        EXPECT_EQ(CurrentExtraTexts().mid(0, 3), c.expected);
    }
    ResetExtraTexts();
}

TEST(LanguageExtras, WrittenFileReadsBackAndOlderLinesStayInPlace) {
    QStringList extras = ExtraTextDefaults();
    extras[0] = "two\r\nlines \\ and a backslash";
    const QByteArray bytes =
        LanguageFileBytes(UiTexts(), QStringList(LanguageCaptionCount, "c"), extras);
    const LanguageBuffer lines = LanguageFromBytes(bytes);
    EXPECT_EQ(lines.line(LanguageCaptionsLine + LanguageCaptionCount - 1), "c");
    EXPECT_EQ(lines.line(241), "[extra texts]");
    EXPECT_EQ(lines.size(), 242 + extras.size());
    const auto content = ParseLanguage(lines, LanguageCaptionCount);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->extras, extras);
    // The built-in texts pass through unchanged; a text the table lacks too.
    ResetExtraTexts();
    for (const QString& text : ExtraTextDefaults())
        EXPECT_EQ(ExtraText(text), text);
    EXPECT_EQ(ExtraText("not in the table"), "not in the table");
    // The named colours' lines show as kept.
    for (const QString& line : NamedColors())
        EXPECT_EQ(ShownNamedColor(line), line);
}

// The shipped English file: every text, caption and extra text there, none in Cyrillic, each
// extra text with the same %-placeholders as its built-in one.
TEST(EnglishFile, TranslatesEveryLine) {
    QFile file(QStringLiteral(HUEBIT_ENGLISH_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (char c : bytes)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "plain ASCII";
    const auto content = ParseLanguage(LanguageFromBytes(bytes), LanguageCaptionCount);
    ASSERT_TRUE(content.has_value());
    for (int i = 0; i < UiTextCount; ++i)
        EXPECT_EQ(content->texts[std::size_t(i)].isEmpty(), UiTexts::defaultText(i).isEmpty()) << i;
    const QStringList& defaults = ExtraTextDefaults();
    ASSERT_EQ(content->extras.size(), defaults.size());
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    auto placeholders = [&](const QString& s) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(s))
            found.append(m.captured());
        found.sort();
        return found;
    };
    for (qsizetype i = 0; i < defaults.size(); ++i) {
        const QString& english = content->extras.at(i);
        EXPECT_FALSE(english.isEmpty()) << defaults.at(i).toStdString();
        EXPECT_NE(english, defaults.at(i)) << "untranslated: " << english.toStdString();
        if (defaults.at(i) != QStringLiteral("%1 - %2 - %3")) {
            EXPECT_EQ(placeholders(english), placeholders(defaults.at(i))) << english.toStdString();
        }
    }
}
