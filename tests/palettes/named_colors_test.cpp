#include "palettes/named_colors.h"

#include "core/extra_texts.h"

#include <QColor>
#include <QRegularExpression>
#include <QtGlobal>
#include <algorithm>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

int indexOf(const QStringList& lines, const QString& english, int from = 0) {
    for (int i = from; i < lines.size(); ++i)
        if (EnglishNameOf(lines[i]) == english) return i;
    return -1;
}

// Russian alphabetical order spelled out letter by letter, independent of code points: case
// folded, hyphens skipped, a blank before every letter.
int russianRank(QChar c) {
    static const QString alphabet = QStringLiteral(" абвгдежзийклмнопрстуфхцчшщъыьэюя");
    return int(alphabet.indexOf(c.toLower()));
}

bool russianBefore(const QString& a, const QString& b) {
    QString x = a, y = b;
    x.remove('-');
    y.remove('-');
    for (int i = 0; i < std::min(x.size(), y.size()); ++i) {
        const int rx = russianRank(x[i]), ry = russianRank(y[i]);
        EXPECT_GE(rx, 0) << a.toStdString();
        EXPECT_GE(ry, 0) << b.toStdString();
        if (rx != ry) return rx < ry;
    }
    return x.size() < y.size();
}

QStringList sortedCopy(QStringList l) {
    std::sort(l.begin(), l.end());
    return l;
}

} // namespace

TEST(NamedColors, EveryLineIsWellFormedAndNamesItsWebColour) {
    const QStringList lines = NamedColors();
    ASSERT_EQ(lines.size(), NamedColorCount);
    const QRegularExpression form(
        QStringLiteral("^[0-9A-F]{6} - [A-Za-z]+ - [а-яА-Я][а-яА-Я -]*$"));
    for (const QString& line : lines) {
        EXPECT_TRUE(form.match(line).hasMatch()) << line.toStdString();
        // The copied name must give the same colour wherever it is pasted.
        const QColor web = QColor::fromString(EnglishNameOf(line));
        ASSERT_TRUE(web.isValid()) << line.toStdString();
        EXPECT_EQ(ParseNamedColor(line), RGB(web.red(), web.green(), web.blue()))
            << line.toStdString();
    }
    EXPECT_EQ(lines.count(QStringLiteral("FFFFFF - White - Белый")), 2);
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), 139);
    EXPECT_TRUE(lines.contains(QStringLiteral("A0522D - Sienna - Цвет ржавчины")));
    EXPECT_TRUE(lines.contains(QStringLiteral("F8F8FF - GhostWhite - Туманно-белый")));
}

TEST(NamedColors, EveryOrderHoldsEveryLineOnce) {
    const QStringList all = sortedCopy(NamedColors());
    for (NamedColorOrder o : {NamedColorOrder::ByColor, NamedColorOrder::ByEnglishName,
                              NamedColorOrder::ByRussianName}) {
        EXPECT_EQ(sortedCopy(NamedColors(o)), all) << int(o);
    }
}

TEST(NamedColors, ByColorOpensWithTheFourteenThenRunsByValue) {
    const QStringList lines = NamedColors(NamedColorOrder::ByColor);
    const char* first[] = {"Black",     "Navy",         "DarkGreen", "Green",     "Teal",
                           "RoyalBlue", "MidnightBlue", "DimGray",   "SlateGray", "LightSlateGray",
                           "Maroon",    "Purple",       "Olive",     "Gray"};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(EnglishNameOf(lines[i]), QLatin1String(first[i]));
    for (int i = 14; i + 1 < lines.size(); ++i) {
        const QString a = lines[i].left(6), b = lines[i + 1].left(6);
        EXPECT_TRUE(a < b || (a == b && EnglishNameOf(lines[i]) <= EnglishNameOf(lines[i + 1])))
            << lines[i].toStdString() << " / " << lines[i + 1].toStdString();
    }
    // GhostWhite's web value puts it between MintCream and Salmon, not after Linen.
    const int ghost = indexOf(lines, "GhostWhite");
    EXPECT_EQ(EnglishNameOf(lines[ghost - 1]), "MintCream");
    EXPECT_EQ(EnglishNameOf(lines[ghost + 1]), "Salmon");
    EXPECT_EQ(indexOf(lines, "Aqua") + 1, indexOf(lines, "Cyan"));
    EXPECT_EQ(indexOf(lines, "Fuchsia") + 1, indexOf(lines, "Magenta"));
    EXPECT_EQ(lines[138], QStringLiteral("FFFFFF - White - Белый"));
    EXPECT_EQ(lines[139], QStringLiteral("FFFFFF - White - Белый"));
}

TEST(NamedColors, ByEnglishNameIgnoresCase) {
    const QStringList lines = NamedColors(NamedColorOrder::ByEnglishName);
    EXPECT_EQ(lines[0], QStringLiteral("F0F8FF - AliceBlue - Блекло-голубой"));
    for (int i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_LE(QString::compare(EnglishNameOf(lines[i]), EnglishNameOf(lines[i + 1]),
                                   Qt::CaseInsensitive),
                  0)
            << i;
    }
    EXPECT_EQ(EnglishNameOf(lines.last()), "YellowGreen");
}

TEST(NamedColors, ByRussianNameIsAlphabeticalWithTiesByEnglishName) {
    const QStringList lines = NamedColors(NamedColorOrder::ByRussianName);
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QString a = RussianNameOf(lines[i]), b = RussianNameOf(lines[i + 1]);
        EXPECT_FALSE(russianBefore(b, a)) << a.toStdString() << " / " << b.toStdString();
        if (!russianBefore(a, b)) {
            EXPECT_LE(EnglishNameOf(lines[i]), EnglishNameOf(lines[i + 1]));
        }
    }
    struct Case {
        const char* earlier;
        const char* later;
    };
    const Case cases[] = {
        {"Tan", "YellowGreen"}, // Желтовато-коричневый, Желто-зеленый: hyphen ignored
        {"Sienna", "FloralWhite"}, // Цвет ржавчины, Цветочно-белый: the blank first
        {"Aqua", "Cyan"},          // both Голубой
        {"DarkBlue", "DarkCyan"}, // Темно-голубой three times
        {"DarkCyan", "Teal"},      {"GreenYellow", "YellowGreen"}, // both Желто-зеленый
    };
    for (const Case& c : cases) {
        EXPECT_LT(indexOf(lines, c.earlier), indexOf(lines, c.later))
            << c.earlier << " " << c.later;
    }
    EXPECT_EQ(EnglishNameOf(lines[0]), "Aquamarine");  // Аквамариновый
    EXPECT_EQ(EnglishNameOf(lines.last()), "HotPink"); // Ярко-розовый
}

TEST(NamedColors, LineParts) {
    const QString alice = QStringLiteral("F0F8FF - AliceBlue - Блекло-голубой");
    EXPECT_EQ(ParseNamedColor(alice), RGB(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(ParseNamedColor(QStringLiteral("A0522D - Sienna - Цвет ржавчины")), RGB(160, 82, 45));
    EXPECT_EQ(CopiedColorName(alice), "AliceBlue");
    EXPECT_EQ(CopiedColorName(QStringLiteral("778899 - LightSlateGray - Светлый синевато-серый")),
              "LightSlateGray");
    EXPECT_EQ(RussianNameOf(alice), QStringLiteral("Блекло-голубой"));
}

TEST(NamedColors, GridShowsEachLineAsATouchingCell) {
    for (NamedColorOrder o : {NamedColorOrder::ByColor, NamedColorOrder::ByRussianName}) {
        const QStringList lines = NamedColors(o);
        PixelBuffer grid(NamedGridWidth, NamedGridHeight, RGB(1, 2, 3));
        DrawNamedColorGrid(grid, lines);
        for (int y = 0; y < NamedGridHeight; ++y)
            for (int x = 0; x < NamedGridWidth; ++x)
                ASSERT_EQ(grid.pixel(x, y), ParseNamedColor(lines[NamedGridItemAt(x, y)]))
                    << x << "," << y;
    }
}

TEST(NamedColors, GridPositionsToItems) {
    struct Case {
        int x, y, item;
    };
    const Case cases[] = {
        {0, 0, 0},      {11, 11, 0}, {12, 0, 7},  {0, 12, 1},   {239, 83, 139}, {228, 72, 139},
        {227, 72, 132}, {-1, 0, -1}, {0, -1, -1}, {240, 0, -1}, {0, 84, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NamedGridItemAt(c.x, c.y), c.item) << c.x << "," << c.y;
}

// A language's line format may leave parts out or reorder them; a name is never read as a format.
TEST(NamedColors, ShownLineFollowsTheLanguagesFormat) {
    static int warnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {
            ++warnings;
        });
    const QString line = QStringLiteral("A0522D - Sienna - Охра %2");
    const int at = int(ExtraTextDefaults().indexOf(QStringLiteral("%1 - %2 - %3")));
    ASSERT_GE(at, 0);
    const struct {
        const char* format;
        const char* shown;
    } cases[] = {
        {"%1 - %2", "A0522D - Sienna"},
        {"%2 (%1)", "Sienna (A0522D)"},
        {"%3 / %3", "Охра %2 / Охра %2"},
        {"100% %1", "100% A0522D"},
        {"%4 %1", "%4 A0522D"},
    };
    for (const auto& c : cases) {
        QStringList texts(ExtraTextDefaults().size());
        texts[at] = QString::fromUtf8(c.format);
        SetExtraTexts(texts);
        EXPECT_EQ(ShownNamedColor(line), QString::fromUtf8(c.shown)) << c.format;
    }
    SetExtraTexts({});
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 0);
}
