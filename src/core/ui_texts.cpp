#include "core/ui_texts.h"

namespace huebit {

namespace {

// Entries 1, 23 and 37 share a text but stay separate so a translation may tell them apart.
const char* const BuiltInTexts[] = {
    "Цвет текста",
    "Не удалось установить цвет",
    "Оттеночная палитра цветов RGB",
    "Цветовая растяжка RGB",
    "Безопасные цвета Web",
    "Системная палитра Windows",
    "Уточнение цвета",
    "Цветовые оттенки",
    "Оттенки серого",
    "Цветовой круг",
    "Перетекание",
    "Безопасные экранные цвета",
    "Предыдущие цвета",
    "Пользовательская палитра",
    "Включение/отключение подсказки",
    "Для включения/отключения подсказки дважды щёлкните по строке",
    "Насыщенность цвета",
    "Красная компонента RGB",
    "Зелёная компонента RGB",
    "Синяя компонента RGB",
    "Тон HSV",
    "Насыщенность HSV",
    "Яркость HSV",
    "Не удалось установить цвет",
    "Градиент ",
    "Подбор цвета",
    "Выбор цвета с экрана",
    "Настройка программы",
    "О программе",
    "Общее",
    "Редактор шаблонов",
    "Параметры текста примера",
    "Уточнение цвета",
    "Градиент",
    "Подходящие цвета",
    "RGB-компонентный подбор",
    "HSV-компонентный подбор",
    "Не удалось установить цвет",
    "выберите файл перевода...",
    "Соответствующий серый",
};
constexpr int BuiltInCount = int(sizeof(BuiltInTexts) / sizeof(BuiltInTexts[0]));
static_assert(BuiltInCount == 40);

} // namespace

QString UiTexts::defaultText(int index) {
    return index >= 0 && index < BuiltInCount ? QString::fromUtf8(BuiltInTexts[index]) : QString();
}

void UiTexts::reset() {
    for (int i = 0; i < UiTextCount; ++i) m_texts[std::size_t(i)] = defaultText(i);
}

} // namespace huebit
