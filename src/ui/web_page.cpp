#include "ui/web_page.h"

#include "palettes/named_color_picking.h"
#include "ui/choice_button.h"
#include "ui/element_hint.h"
#include "ui/font_refit.h"
#include "ui/huebit_style.h"
#include "ui/image_view.h"
#include "ui/qt_color.h"
#include "ui/whole_lines_box.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

namespace huebit {

namespace {

// The page is barely taller than the grid and two rows of controls: the choices with the copy
// button, then the selector, then the grid, a pixel or two apart.
constexpr int Left = 10; // the grid's left edge; the rows above line up with it
constexpr int ChoiceTop = 1;
constexpr int ChoiceHeight = 21;
constexpr int SelectorTop = 24;
constexpr int SelectorHeight = 22;
constexpr int GridTop = 48;
constexpr QSize GridSize(240, 84);

// Two overlapping sheets, the front one carrying a line of text: "copy the name".
QIcon copyNameIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(70, 70, 110));
    p.setBrush(QColor(235, 235, 250));
    p.drawRect(1, 1, 9, 11);
    p.setBrush(Qt::white);
    p.drawRect(5, 4, 9, 11);
    p.drawLine(7, 8, 12, 8);
    p.drawLine(7, 11, 11, 11);
    return QIcon(pm);
}

} // namespace

WebPage::WebPage(QWidget* parent) : LazyPage(CaptionCount, {}, parent) {
    setObjectName(QStringLiteral("TabSheetWeb"));
    setAutoFillBackground(true);
}

void WebPage::makeControls() {
    const char* captions[] = {"###", "ABC", "АБВ"};
    const char* hints[] = {"Сортировать по цвету", "Сортировать по англ. названию",
                           "Сортировать по русскому названию"};
    const char* names[] = {"OrderByColor", "OrderByEnglishName", "OrderByRussianName"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* b = new ChoiceButton(this);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setText(QString::fromUtf8(captions[i]));
        b->setAutoRaise(true);
        SetElementHint(b, QString::fromUtf8(hints[i]));
        group->addButton(b, i);
        orderButtons[std::size_t(i)] = b;
    }
    orderButtons[0]->setChecked(true);

    copyNameButton = new QToolButton(this);
    copyNameButton->setObjectName(QStringLiteral("CopyNameButton"));
    copyNameButton->setIcon(copyNameIcon());
    copyNameButton->setAutoRaise(true);
    SetElementHint(copyNameButton, QStringLiteral("Скопировать текстовое представление цвета"));

    namedColorBox = new WholeLinesBox(this);
    namedColorBox->setObjectName(QStringLiteral("NamedColorBox"));
    SetElementHint(namedColorBox, QStringLiteral("Именованные безопасные цвета"));
    // A list of twenty lines below the box rather than all 140 over the screen.
    SetListBelow(namedColorBox);
    namedColorBox->setMaxVisibleItems(20);

    aPalImage4 = new ImageView(QStringLiteral("aPalImage4"), GridSize, this);
    SetElementHint(aPalImage4, QStringLiteral("Цвета для экранного дизайна"));
    new FontRefit(
        {orderButtons[0], orderButtons[1], orderButtons[2]}, [this] { placeRows(); }, this);
}

void WebPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (made()) placeRows();
}

// A larger palette-tab font leaves the page a few rows shorter than the layout's: the rows
// close up from the bottom, so the grid stays whole.
void WebPage::placeRows() {
    const int gridTop = std::min(GridTop, height() - GridSize.height());
    const int selectorTop = std::min(SelectorTop, gridTop - 1 - SelectorHeight);
    const int choiceTop = std::clamp(selectorTop - 1 - ChoiceHeight, 0, ChoiceTop);
    aPalImage4->move(Left, gridTop);
    namedColorBox->setGeometry(Left, selectorTop, GridSize.width(), SelectorHeight);
    PlaceInRow({orderButtons[0], orderButtons[1], orderButtons[2]}, Left, choiceTop, ChoiceHeight,
               34, 2);
    const int copyWidth = std::max(ChoiceHeight, copyNameButton->sizeHint().width());
    copyNameButton->setGeometry(Left + GridSize.width() - copyWidth, choiceTop, copyWidth,
                                ChoiceHeight);
}

QSize WebPage::minimumSizeHint() const {
    return {Left + GridSize.width(), ChoiceHeight + SelectorHeight + 1 + GridSize.height()};
}

void WebPage::refresh(const NamedColorPicking& named) {
    if (!made()) return;
    // The model already holds the change; the controls must not report it back.
    const QSignalBlocker blockBox(namedColorBox);
    QStringList shown;
    for (int i = 0; i < namedColorBox->count(); ++i)
        shown.append(namedColorBox->itemText(i));
    QStringList lines;
    for (const QString& line : named.Lines())
        lines.append(ShownNamedColor(line));
    if (shown != lines) {
        namedColorBox->clear();
        namedColorBox->addItems(lines);
    }
    namedColorBox->setCurrentIndex(named.SelectedLine());
    QToolButton* chosen = orderButtons[std::size_t(named.Order())];
    if (!chosen->isChecked()) {
        const QSignalBlocker blockChoice(chosen);
        chosen->setChecked(true);
    }
    aPalImage4->setImage(ToQImage(named.Grid()));
}

} // namespace huebit
