#!/usr/bin/env python3
"""Writes data/languages/English.lng from the program's own template (huebit
--write-language-template), translating every line; a Russian line without a translation here
stops it. Usage: english_language.py TEMPLATE OUTPUT"""
import sys

EN = {
    # Interface texts.
    "Цвет текста": "Text colour",
    "Не удалось установить цвет": "Could not set the colour",
    "Оттеночная палитра цветов RGB": "RGB hue palette",
    "Цветовая растяжка RGB": "RGB colour spread",
    "Безопасные цвета Web": "Web-safe colours",
    "Системная палитра Windows": "Windows system palette",
    "Уточнение цвета": "Colour refinement",
    "Цветовые оттенки": "Colour shades",
    "Оттенки серого": "Shades of grey",
    "Цветовой круг": "Colour wheel",
    "Перетекание": "Blend",
    "Безопасные экранные цвета": "Safe screen colours",
    "Предыдущие цвета": "Previous colours",
    "Пользовательская палитра": "User palette",
    "Включение/отключение подсказки": "Hints on/off",
    "Для включения/отключения подсказки дважды щёлкните по строке":
        "Double-click this line to switch hints on or off",
    "Насыщенность цвета": "Colour saturation",
    "Красная компонента RGB": "Red RGB component",
    "Зелёная компонента RGB": "Green RGB component",
    "Синяя компонента RGB": "Blue RGB component",
    "Тон HSV": "HSV hue",
    "Насыщенность HSV": "HSV saturation",
    "Яркость HSV": "HSV value",
    "Градиент ": "Gradient ",
    "Подбор цвета": "Colour selection",
    "Выбор цвета с экрана": "Pick a colour from the screen",
    "Настройка программы": "Program settings",
    "О программе": "About the program",
    "Общее": "General",
    "Редактор шаблонов": "Template editor",
    "Параметры текста примера": "Sample text settings",
    "Градиент": "Gradient",
    "Подходящие цвета": "Matching colours",
    "RGB-компонентный подбор": "RGB component selection",
    "HSV-компонентный подбор": "HSV component selection",
    "выберите файл перевода...": "choose a translation file...",
    "Соответствующий серый": "Matching grey",
    # Captions.
    "Подбор ": "Select ",
    "Черепица ": "Tiles ",
    "Круг ": "Wheel ",
    "АБВ": "RUS",
    "Системная палитра": "System palette",
    "Авто": "Auto",
    "Пал.:": "Pal.:",
    "Пред.:": "Prev.:",
    "Ф": "B",
    "Т": "T",
    "Экран ": "Screen ",
    " Выберите участок ": " Choose an area ",
    " Выберите цвет ": " Choose a colour ",
    " Текущий ": " Current ",
    " Выбранный ": " Chosen ",
    "Сдвижка": "Step",
    "пунк.": "pt.",
    "Диаметр": "Diameter",
    "пикс.": "px",
    " Применить": " Apply",
    "Обновить ": "Refresh ",
    "Настройка ": "Settings ",
    "Окно": "Window",
    " Язык интерфейса ": " Language ",
    " Индикатор текущего цвета ": " Current colour indicator ",
    "динамический": "dynamic",
    "статический": "static",
    "не использовать": "do not use",
    " Выбор шрифта ": " Font ",
    " Дополнительные опции ": " More options ",
    "Включить интерактивную подсказку": "Interactive hints",
    "Компоненты в подсказке": "Components in the hint",
    "Располагать поверх всех окон": "Stay on top of other windows",
    'Открываться на вкладке "Экран"': 'Open on the "Screen" page',
    "Запускаться в режиме миниокна": "Start as a mini-window",
    "Обновлять образ экрана при развёртывании": "Refresh the screen image on restore",
    "Использовать индикатор цвета": "Use the colour indicator",
    "видимо": "opaque",
    "прозрачно": "clear",
    " Параметры графических экземпляров ": " Picture copies ",
    "квадрат": "square",
    "создавать контур": "draw an outline",
    "Шаблоны ": "Templates ",
    "Применить": "Apply",
    "  Сброс": "  Reset",
    "Пример ": "Sample ",
    " Параметры текста примера ": " Sample text settings ",
    "Шрифт примера": "Sample font",
    "- показать/скрыть текст": "- show/hide the text",
    "О программе ": "About ",
    " История версий ": " Version history ",
    # Extra texts: status messages and notes.
    "Прочитано цветов: %1, пропущено строк: %2": "Colours read: %1, lines skipped: %2",
    "; в палитру взяты первые %1": "; the palette took the first %1",
    "; файл слишком велик, прочитано только начало":
        "; the file is too large, only its start was read",
    "Палитра GIMP (*.gpl)": "GIMP palette (*.gpl)",
    "Переменные CSS (*.css)": "CSS variables (*.css)",
    "Список цветов (*.txt)": "Colour list (*.txt)",
    "Сохранять нечего: в полосе нет цветов": "Nothing to save: the strip holds no colours",
    "Не удалось сохранить файл %1": "Could not save the file %1",
    "Сохранено цветов: %1, файл %2": "Colours saved: %1, file %2",
    "Не удалось открыть файл %1": "Could not open the file %1",
    "Это не палитра GIMP: палитра не изменена": "Not a GIMP palette: the palette is unchanged",
    "В файле нет цветов (пропущено строк: %1): палитра не изменена":
        "No colours in the file (lines skipped: %1): the palette is unchanged",
    "Некоторые знаки сохранятся в настройках как «?»":
        "Some characters will be saved in the settings as \"?\"",
    "Экран не скопирован: снимок отменён": "Screen not copied: the capture was cancelled",
    "Экран не скопирован: система запретила снимок":
        "Screen not copied: the system refused the capture",
    "Экран не скопирован: служба снимков недоступна":
        "Screen not copied: the capture service is not available",
    "Экран не скопирован: служба снимков не ответила":
        "Screen not copied: the capture service did not answer",
    "Экран не скопирован: снимок не прочитан": "Screen not copied: the capture could not be read",
    "Текст примера скрыт: проверять нечего": "The sample text is hidden: nothing to check",
    "Текст уже читается: контраст %1": "The text is readable already: contrast %1",
    "Цвет текста подобран: контраст %1": "Text colour adjusted: contrast %1",
    "чёрный": "black",
    "белый": "white",
    "В оттенке текста контраста %1 нет: взят %2, %3":
        "No shade of the text's hue reaches %1: took %2, %3",
    "Контраст %1 с этим фоном недостижим: взят %2, %3":
        "Contrast %1 cannot be reached on this background: took %2, %3",
    "да": "yes",
    "нет": "no",
    "WCAG 2: %1, AA %2 (крупный %3), AAA %4 (крупный %5); APCA: Lc %6; текст %7 на фоне %8":
        "WCAG 2: %1, AA %2 (large %3), AAA %4 (large %5); APCA: Lc %6; text %7 on %8",
    "Цвет вне sRGB приведён к ближайшему": "A colour outside sRGB was mapped to the nearest",
    "прозрачность отброшена": "transparency dropped",
    "Контраст текста и фона: ": "Text and background contrast: ",
    "Ошибка загрузки файла языка.\r\n\r\nФайл языка имеет не ту версию.\r\nСкачайте новую "
    "версию файла с ":
        "The language file could not be loaded.\r\n\r\nThe language file has the wrong "
        "version.\r\nDownload a new version of the file from ",
    # Menus.
    "Добавить цвет": "Add colour",
    "Очистить палитру": "Clear palette",
    "Сохранить палитру в файл...": "Save palette to a file...",
    "Загрузить палитру GIMP...": "Load a GIMP palette...",
    "Сохранить предыдущие цвета в файл...": "Save previous colours to a file...",
    "Показать/скрыть выносную панель": "Show/hide the floating panel",
    "Показать/скрыть текст": "Show/hide the text",
    "Сделать текст читаемым": "Make the text readable",
    "Скопировать текстовое представление": "Copy the text form",
    "Скопировать растровый экземпляр": "Copy a bitmap sample",
    "Скопировать векторный экземпляр": "Copy a vector sample",
    "Меню значка в области уведомлений": "Notification area icon menu",
    "Скрыть/показать": "Hide/show",
    "Уменьшить/увеличить": "Shrink/enlarge",
    "Закрыть": "Close",
    # The sample's font dialog.
    "Цвет:": "Colour:",
    "Выбрать…": "Choose...",
    "Цвет шрифта": "Font colour",
    # Hints and accessible names.
    "Строка состояния": "Status line",
    "Выбор языка интерфейса программы": "The program's interface language",
    "Пример отображения текста": "How the text looks",
    "Выбор шрифта примера": "Choose the sample's font",
    "Включение/отключение отображения примера текста": "Show or hide the sample text",
    "Прозрачность миниокна": "Mini-window transparency",
    "Текстовые шаблоны отображения выбранного цвета": "Text templates for the chosen colour",
    "Ширина экземпляра": "Sample width",
    "Высота экземпляра": "Sample height",
    "Левый клик — выбрать фрагмент, правый — сразу цвет":
        "Left click: choose an area; right click: take the colour",
    "Увеличенный выбор цвета": "Magnified colour choice",
    "Текущий цвет для выбора": "The colour under the pointer",
    "Выбранный для передачи цвет": "The colour chosen to pass on",
    "Сдвинуть область влево": "Move the area left",
    "Сдвинуть область вверх": "Move the area up",
    "Сдвинуть область вправо": "Move the area right",
    "Сдвинуть область вниз": "Move the area down",
    "Выбор цвета": "Colour choice",
    "Передать выбранный цвет": "Pass the chosen colour on",
    "Обновить образ экрана": "Refresh the screen image",
    "Сохранить образ экрана как bmp": "Save the screen image as bmp",
    "Помощь": "Help",
    "Текущий поисковый цвет (дв.щелч.: подбор наложением)":
        "Current search colour (double-click: match by overlay)",
    "Выносная панель": "Floating panel",
    "Размер выносной панели": "Floating panel size",
    "Изменить размер": "Resize",
    "Закрыть выносную панель": "Close the floating panel",
    "Заморозить / разморозить": "Freeze / unfreeze",
    "Палитра уточнения значения": "Value refinement palette",
    "Чёрный": "Black",
    "Белый": "White",
    "Текущий": "Current",
    "Установить начальный цвет": "Set the start colour",
    "Автоподстановка начального цвета": "Take the start colour automatically",
    "Установить конечный цвет": "Set the end colour",
    "Дополнительный цвет": "Complementary colour",
    "Основной цвет": "Main colour",
    "Основной + белый (дополнительный)": "Main + white (complementary)",
    "Основной + серый": "Main + grey",
    "Дополнительный + серый": "Complementary + grey",
    "Шрифт интерфейса программы": "The program's interface font",
    "Размер шрифта интерфейса программы": "The interface font's size",
    "Максимизировать значение": "Maximise the value",
    "Минимизировать значение": "Minimise the value",
    "Красная компонента в базисе RGB": "Red component of RGB",
    "Зелёная компонента в базисе RGB": "Green component of RGB",
    "Синяя компонента в базисе RGB": "Blue component of RGB",
    "Выставить по красной компоненте": "Grey from the red component",
    "Выставить по зелёной компоненте": "Grey from the green component",
    "Выставить по синей компоненте": "Grey from the blue component",
    "Десятиричное значение": "Decimal value",
    "Шестнадцатиричное значение": "Hexadecimal value",
    "Занести текущий цвет в палитру": "Add the current colour to the palette",
    "Меню палитры": "Palette menu",
    "Палитра предыдущих цветов": "Palette of previous colours",
    "Цвет фона примера (левая клавиша мыши)": "Sample background colour (left mouse button)",
    "Цвет текста примера (правая клавиша мыши)": "Sample text colour (right mouse button)",
    "Шаблон текстового представления": "Text form template",
    "Текстовое представление цвета": "The colour as text",
    "Пример использования цвета": "The colour in use",
    "Поменять цвета местами": "Swap the colours",
    "Свернуть": "Minimise",
    "Открывать при наведении": "Open when the pointer is over it",
    "Уменьшить": "Shrink",
    "Сортировать по цвету": "Sort by colour",
    "Сортировать по англ. названию": "Sort by English name",
    "Сортировать по русскому названию": "Sort by Russian name",
    "Скопировать текстовое представление цвета": "Copy the colour's name",
    "Именованные безопасные цвета": "Named safe colours",
    "Цвета для экранного дизайна": "Colours for screen design",
    # The About page.
    "Команда Huebit": "The Huebit team",
    "Открыть web-страницу программы": "Open the program's web page",
    "Написать письмо автору программы": "Write to the author",
    "5.1.2\n[*] Более точное усреднение цвета с экрана;\n"
    "[-] Подсказки строки состояния не мерцают при перетаскивании.\n\n"
    "5.1.1\n[+] Векторный экземпляр цвета в буфере обмена;\n"
    "[-] Палитра уточнения не перерисовывается под указателем.\n\n"
    "5.1\n[+] Выносная панель с заморозкой;\n"
    "[+] Пользовательская палитра сохраняется между запусками;\n"
    "[*] Шаблоны текстового представления можно редактировать.\n\n"
    "5.0\n[+] Выбор цвета с экрана с лупой и усреднением;\n[+] HSV-компонентный подбор.\n\n"
    "[+] — новая возможность;\n[*] — изменено;\n[-] — исправлено.":
        "5.1.2\n[*] More exact averaging of screen colours;\n"
        "[-] Status line hints no longer flicker while dragging.\n\n"
        "5.1.1\n[+] A vector colour sample on the clipboard;\n"
        "[-] The refinement palette is no longer redrawn under the pointer.\n\n"
        "5.1\n[+] Floating panel that can be frozen;\n"
        "[+] The user palette is kept between runs;\n"
        "[*] Text form templates can be edited.\n\n"
        "5.0\n[+] Picking colours from the screen with a loupe and averaging;\n"
        "[+] HSV component selection.\n\n"
        "[+] new feature;\n[*] changed;\n[-] fixed.",
    "Русский": "Russian (built in)",
    "%1 - %2 - %3": "%1 - %2",
    "Текст по уровню AAA (7:1)": "Aim for level AAA (7:1)",
    "«Сделать текст читаемым» добивается контраста 7:1, а не 4,5:1":
        "\"Make the text readable\" aims for a contrast of 7:1 instead of 4.5:1",
}

MARKER = "[extra texts]"


def unescape(s):
    out, i = [], 0
    while i < len(s):
        if s[i] == "\\" and i + 1 < len(s) and s[i + 1] in "nr\\":
            out.append({"n": "\n", "r": "\r", "\\": "\\"}[s[i + 1]])
            i += 2
        else:
            out.append(s[i])
            i += 1
    return "".join(out)


def escape(s):
    return s.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")


def translate(text):
    if all(ord(c) < 128 for c in text) and text != "%1 - %2 - %3":
        return text
    if text not in EN:
        sys.exit("no English for: " + repr(text))
    return EN[text]


def main(template, output):
    lines = open(template, encoding="cp1251", newline="").read().split("\r\n")[:-1]
    extra = lines.index(MARKER)
    out = ["Huebit: English", lines[1]]
    out += [translate(t) for t in lines[2:extra]]
    out.append(MARKER)
    out += [escape(translate(unescape(t))) for t in lines[extra + 1:]]
    with open(output, "w", encoding="cp1251", newline="") as f:
        f.write("".join(line + "\r\n" for line in out))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
