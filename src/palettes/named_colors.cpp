#include "palettes/named_colors.h"

#include "core/extra_texts.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace huebit {

namespace {

// The list as it is kept, roughly by value; the three orders are sorted from it. Every value
// is the web colour of its English name (Sienna A0522D, GhostWhite F8F8FF), since that name
// is what the copy button hands out. White is listed twice, so the grid's 20 x 7 cells fill.
constexpr std::array<const char*, NamedColorCount> Lines = {
    "000000 - Black - Черный",
    "000080 - Navy - Темно-синий",
    "006400 - DarkGreen - Темно-зеленый",
    "008000 - Green - Зеленый",
    "008080 - Teal - Темно-голубой",
    "4169E1 - RoyalBlue - Королевский голубой",
    "191970 - MidnightBlue - Полночный синий",
    "696969 - DimGray - Тускло-серый",
    "708090 - SlateGray - Синевато-серый",
    "778899 - LightSlateGray - Светлый синевато-серый",
    "800000 - Maroon - Бордовый",
    "800080 - Purple - Пурпурный",
    "808000 - Olive - Оливковый",
    "808080 - Gray - Серый",
    "00008B - DarkBlue - Темно-голубой",
    "0000CD - MediumBlue - Умеренно-голубой",
    "0000FF - Blue - Чистый синий",
    "008B8B - DarkCyan - Темно-голубой",
    "00BFFF - DeepSkyBlue - Темный небесно-синий",
    "00CED1 - DarkTurquoise - Темно-бирюзовый",
    "00FA9A - MediumSpringGreen - Умеренный весенне-зеленый",
    "00FF00 - Lime - Чистый зеленый",
    "00FF7F - SpringGreen - Весенний зеленый",
    "00FFFF - Aqua - Голубой",
    "00FFFF - Cyan - Голубой",
    "1E90FF - DodgerBlue - Тускло-васильковый",
    "20B2AA - LightSeaGreen - Светлый морской волны",
    "228B22 - ForestGreen - Лесной зеленый",
    "2E8B57 - SeaGreen - Морской волны",
    "2F4F4F - DarkSlateGray - Темный синевато-серый",
    "32CD32 - LimeGreen - Ярко-зеленый",
    "3CB371 - MediumSeaGreen - Умеренный морской волны",
    "40E0D0 - Turquoise - Бирюзовый",
    "4682B4 - SteelBlue - Голубовато-стальной",
    "483D8B - DarkSlateBlue - Темный серовато-синий",
    "48D1CC - MediumTurquoise - Умеренно-бирюзовый",
    "4B0082 - Indigo - Индиго",
    "556B2F - DarkOliveGreen - Темно-оливковый",
    "5F9EA0 - CadetBlue - Блеклый серо-голубой",
    "6495ED - CornflowerBlue - Васильковый",
    "66CDAA - MediumAquamarine - Умеренно-аквамариновый",
    "6A5ACD - SlateBlue - Серовато-синий",
    "6B8E23 - OliveDrab - Чистый оливковый",
    "7B68EE - MediumSlateBlue - Умеренный серовато-синий",
    "7CFC00 - LawnGreen - Зеленой травы",
    "7FFF00 - Chartreuse - Шартрез",
    "7FFFD4 - Aquamarine - Аквамариновый",
    "87CEEB - SkyBlue - Небесно-голубой",
    "87CEFA - LightSkyBlue - Светлый небесно-синий",
    "8A2BE2 - BlueViolet - Светло-фиолетовый",
    "8B0000 - DarkRed - Темно-красный",
    "8B008B - DarkMagenta - Темный фуксин",
    "8B4513 - SaddleBrown - Старой кожи",
    "8FBC8F - DarkSeaGreen - Темный морской",
    "90EE90 - LightGreen - Светло-зеленый",
    "9370DB - MediumPurple - Умеренно-пурпурный",
    "9400D3 - DarkViolet - Темно-фиолетовый",
    "98FB98 - PaleGreen - Бледно-зеленый",
    "9932CC - DarkOrchid - Темно-орхидейный",
    "9ACD32 - YellowGreen - Желто-зеленый",
    "A0522D - Sienna - Цвет ржавчины",
    "A52A2A - Brown - Коричневый",
    "A9A9A9 - DarkGray - Темно-серый",
    "ADD8E6 - LightBlue - Светло-голубой",
    "ADFF2F - GreenYellow - Желто-зеленый",
    "AFEEEE - PaleTurquoise - Бледно-бирюзовый",
    "B0C4DE - LightSteelBlue - Светло-стальной",
    "B0E0E6 - PowderBlue - Туманно-голубой",
    "B22222 - FireBrick - Огненно-кирпичный",
    "B8860B - DarkGoldenRod - Темный красно-золотой",
    "BA55D3 - MediumOrchid - Умеренно-орхидейный",
    "BC8F8F - RosyBrown - Розово-коричневый",
    "BDB76B - DarkKhaki - Темный хаки",
    "C0C0C0 - Silver - Серебристый",
    "C71585 - MediumVioletRed - Умеренный красно-фиолетовый",
    "CD5C5C - IndianRed - Ярко-красный",
    "CD853F - Peru - Коричнево-рыжий",
    "D2691E - Chocolate - Шоколадный",
    "D2B48C - Tan - Желтовато-коричневый",
    "D3D3D3 - LightGray - Светло-серый",
    "D8BFD8 - Thistle - Чертополоха",
    "DA70D6 - Orchid - Орхидейный",
    "DAA520 - GoldenRod - Красного золота",
    "DB7093 - PaleVioletRed - Бледный красно-фиолетовый",
    "DC143C - Crimson - Малиновый",
    "DCDCDC - Gainsboro - Очень светлый серый",
    "DDA0DD - Plum - Сливовый",
    "DEB887 - BurlyWood - Старого дерева",
    "E0FFFF - LightCyan - Светло-голубой",
    "E6E6FA - Lavender - Бледно-лиловый",
    "E9967A - DarkSalmon - Темно-оранжево-розовый",
    "EE82EE - Violet - Фиолетовый",
    "EEE8AA - PaleGoldenRod - Бледно-золотой",
    "F08080 - LightCoral - Светло-коралловый",
    "F0E68C - Khaki - Хаки",
    "F0F8FF - AliceBlue - Блекло-голубой",
    "F0FFF0 - HoneyDew - Медвяной росы",
    "F0FFFF - Azure - Лазурный",
    "F4A460 - SandyBrown - Рыже-коричневый",
    "F5DEB3 - Wheat - Пшеничный",
    "F5F5DC - Beige - Бежевый",
    "F5F5F5 - WhiteSmoke - Белый дымчатый",
    "F5FFFA - MintCream - Мятно-кремовый",
    "FA8072 - Salmon - Оранжево-розовый",
    "FAEBD7 - AntiqueWhite - Античный белый",
    "FAF0E6 - Linen - Льняной",
    "F8F8FF - GhostWhite - Туманно-белый",
    "FDF5E6 - OldLace - Старые кружева",
    "FF0000 - Red - Красный",
    "FF00FF - Fuchsia - Фуксии",
    "FF00FF - Magenta - Фуксин",
    "FF1493 - DeepPink - Темно-розовый",
    "FF4500 - OrangeRed - Красно-оранжевый",
    "FF6347 - Tomato - Томатный",
    "FF69B4 - HotPink - Ярко-розовый",
    "FF7F50 - Coral - Коралловый",
    "FF8C00 - DarkOrange - Темно-оранжевый",
    "FFA07A - LightSalmon - Светлый оранжево-розовый",
    "FFA500 - Orange - Оранжевый",
    "FFB6C1 - LightPink - Светло-розовый",
    "FFC0CB - Pink - Розовый",
    "FFD700 - Gold - Золотой",
    "FFDAB9 - Peachpuff - Персиковый",
    "FFDEAD - NavajoWhite - Кремово-белый",
    "FFE4B5 - Moccasin - Мокасин",
    "FFE4C4 - Bisque - Бисквитный",
    "FFE4E1 - MistyRose - Туманно-розовый",
    "FFEBCD - BlanchedAlmond - Светло-кремовый",
    "FFEFD5 - Papayawhip - Дыни",
    "FFF0F5 - LavenderBlush - Бледный розово-лиловый",
    "FFF5EE - SeaShell - Морской пены",
    "FFF8DC - Cornsilk - Соломенный",
    "FFFACD - LemonChiffon - Лимонный шифон",
    "FFFAF0 - FloralWhite - Цветочно-белый",
    "FFFAFA - Snow - Снежный",
    "FFFF00 - Yellow - Желтый",
    "FFFFE0 - LightYellow - Светло-желтый",
    "FFFFF0 - Ivory - Слоновой кости",
    "FFFFFF - White - Белый",
    "FFFFFF - White - Белый",
};

// The fourteen dark and grey colours that open the colour order in this sequence, before the
// rest follows by value.
constexpr std::array<const char*, 14> DarkFirst = {
    "Black",   "Navy",      "DarkGreen",      "Green",  "Teal",   "RoyalBlue", "MidnightBlue",
    "DimGray", "SlateGray", "LightSlateGray", "Maroon", "Purple", "Olive",     "Gray",
};

QString field(const QString& line, int index) {
    return line.section(QStringLiteral(" - "), index, index);
}

int compareEnglish(const QString& a, const QString& b) {
    const int folded = QString::compare(EnglishNameOf(a), EnglishNameOf(b), Qt::CaseInsensitive);
    return folded != 0 ? folded : QString::compare(EnglishNameOf(a), EnglishNameOf(b));
}

// Russian names sort by letters alone: case folded, hyphens dropped. The names hold only a-ya
// (no yo), whose code points run in alphabetical order, and blanks, which come before any
// letter; so comparing the folded text by code point is the alphabetical order.
QString russianKey(const QString& line) {
    return RussianNameOf(line).toLower().remove(QLatin1Char('-'));
}

int darkFirstRank(const QString& line) {
    const QString name = EnglishNameOf(line);
    for (std::size_t i = 0; i < DarkFirst.size(); ++i)
        if (name == QLatin1String(DarkFirst[i])) return int(i);
    return -1;
}

} // namespace

QStringList NamedColors() {
    QStringList all;
    all.reserve(NamedColorCount);
    for (const char* line : Lines)
        all.append(QString::fromUtf8(line));
    return all;
}

QStringList NamedColors(NamedColorOrder order) {
    QStringList lines = NamedColors();
    auto byEnglish = [](const QString& a, const QString& b) { return compareEnglish(a, b) < 0; };
    switch (order) {
    case NamedColorOrder::ByColor: {
        auto firstRest = std::stable_partition(
            lines.begin(), lines.end(), [](const QString& l) { return darkFirstRank(l) >= 0; });
        std::sort(lines.begin(), firstRest, [](const QString& a, const QString& b) {
            return darkFirstRank(a) < darkFirstRank(b);
        });
        std::stable_sort(firstRest, lines.end(), [](const QString& a, const QString& b) {
            const int byValue = QString::compare(a.left(6), b.left(6));
            return byValue != 0 ? byValue < 0 : compareEnglish(a, b) < 0;
        });
        break;
    }
    case NamedColorOrder::ByEnglishName:
        std::stable_sort(lines.begin(), lines.end(), byEnglish);
        break;
    case NamedColorOrder::ByRussianName:
        std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
            const int byName = QString::compare(russianKey(a), russianKey(b));
            return byName != 0 ? byName < 0 : compareEnglish(a, b) < 0;
        });
        break;
    }
    return lines;
}

Color ParseNamedColor(const QString& line) {
    auto component = [&line](int at) { return line.mid(at, 2).toInt(nullptr, 16); };
    return RGB(component(0), component(2), component(4));
}

QString EnglishNameOf(const QString& line) {
    return field(line, 1);
}
QString RussianNameOf(const QString& line) {
    return field(line, 2);
}

namespace {

/// `format` with %1, %2 and %3 replaced by the parts, in one pass (a name that holds "%2" stays
/// as it is). A language may leave a part out, which QString::arg would warn about on every line.
QString FillParts(const QString& format, const std::array<QString, 3>& parts) {
    QString filled;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar next = i + 1 < format.size() ? format.at(i + 1) : QChar();
        if (format.at(i) == u'%' && next >= u'1' && next <= u'3') {
            filled += parts.at(next.unicode() - u'1');
            ++i;
        } else {
            filled += format.at(i);
        }
    }
    return filled;
}

} // namespace

QString ShownNamedColor(const QString& line) {
    return FillParts(ExtraText("%1 - %2 - %3"),
                     {line.left(6), EnglishNameOf(line), RussianNameOf(line)});
}

QString CopiedColorName(const QString& line) {
    const QString rest = line.mid(9);
    const qsizetype end = rest.indexOf(QStringLiteral(" -"));
    return end < 0 ? rest : rest.left(end);
}

void DrawNamedColorGrid(PixelBuffer& grid, const QStringList& lines) {
    for (int c = 0; c < NamedGridColumns; ++c) {
        for (int r = 0; r < NamedGridRows; ++r) {
            const qsizetype item = qsizetype(NamedGridRows) * c + r;
            const Color colour =
                item < lines.size() ? ParseNamedColor(lines[item]) : EmptySlotColor;
            for (int y = NamedCellSize * r; y < NamedCellSize * (r + 1); ++y)
                std::fill(grid.row(y) + NamedCellSize * c, grid.row(y) + NamedCellSize * (c + 1),
                          colour);
        }
    }
}

int NamedGridItemAt(int x, int y) {
    if (x < 0 || y < 0 || x >= NamedGridWidth || y >= NamedGridHeight) return -1;
    return x / NamedCellSize * NamedGridRows + y / NamedCellSize;
}

} // namespace huebit
