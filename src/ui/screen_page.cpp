#include "ui/screen_page.h"

#include "ui/color_swatch.h"
#include "ui/element_hint.h"
#include "ui/image_view.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace huebit {

namespace {

constexpr Color Silver = 0xC0C0C0;

QToolButton* makeToolButton(const QString& name, const QString& hint, QWidget* parent, QRect at) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    SetElementHint(b, hint);
    b->setGeometry(at);
    return b;
}

QLabel* makeLabel(const QString& text, QWidget* parent, QPoint at, int tag = 0) {
    auto* l = new QLabel(text, parent);
    l->setAccessibleName(text);
    l->move(at);
    l->adjustSize();
    if (tag) SetElementTag(l, tag);
    if (tag == -1) { // the magnifier's labels are one size smaller
        QFont small = l->font();
        small.setPixelSize(small.pixelSize() - 1);
        l->setFont(small);
        l->adjustSize();
    }
    return l;
}

// A thin frame one pixel around a view.
void frame(QWidget* parent, QRect at) {
    auto* f = new QFrame(parent);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setGeometry(at);
}

} // namespace

ScreenPage::ScreenPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    setAutoFillBackground(true);
    buildAreaGroup();
    buildColorGroup();
    buildButtons();
}

void ScreenPage::buildAreaGroup() {
    areaGroup = new QGroupBox(QStringLiteral(" Выберите участок "), this);
    areaGroup->setGeometry(4, 0, 387, 237);
    Image14 = new ImageView(QStringLiteral("Image14"), QSize(383, 219), areaGroup);
    SetElementHint(Image14, QStringLiteral("Левый клик — выбрать фрагмент, правый — сразу цвет"));
    Image14->move(2, 16);
}

void ScreenPage::placeOverview(QRect geometry) { Image14->setGeometry(geometry); }

void ScreenPage::buildColorGroup() {
    colorGroup = new QGroupBox(QStringLiteral(" Выберите цвет "), this);
    colorGroup->setGeometry(4, 240, 353, 153);
    // Positions inside the group are measured from its inner area at (5, 16).
    frame(colorGroup, QRect(6, 20, 162, 122));
    Image15 = new ImageView(QStringLiteral("Image15"), QSize(160, 120), colorGroup);
    SetElementHint(Image15, QStringLiteral("Увеличенный выбор цвета"));
    Image15->move(7, 21);
    buildReadouts();
    buildArrowCross();
    makeLabel(QStringLiteral("Сдвижка"), colorGroup, {261, 96}, -1);
    SpinEdit1 = new QSpinBox(colorGroup);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 30);
    SpinEdit1->setValue(3);
    SpinEdit1->setAccessibleName(QStringLiteral("Сдвижка"));
    SpinEdit1->setGeometry(311, 88, 36, 22);
    makeLabel(QStringLiteral("Диаметр"), colorGroup, {259, 119}, -1);
    SpinEdit2 = new QSpinBox(colorGroup);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(1, 200);
    SpinEdit2->setValue(1);
    SpinEdit2->setAccessibleName(QStringLiteral("Диаметр"));
    SpinEdit2->setGeometry(311, 111, 36, 22);
}

void ScreenPage::buildReadouts() {
    auto* hover = new QGroupBox(QStringLiteral(" Текущий "), colorGroup);
    hover->setGeometry(173, 16, 84, 56);
    auto* picked = new QGroupBox(QStringLiteral(" Выбранный "), colorGroup);
    picked->setGeometry(255, 16, 94, 56);
    const char* names[] = {"R=", "G=", "B="};
    for (int i = 0; i < 3; ++i) {
        const int y = i == 0 ? 12 : (i == 1 ? 25 : 39);
        hoverLabels[i] = makeLabel(QString::fromLatin1(names[i]), hover, {4, y});
        pickedLabels[i] = makeLabel(QString::fromLatin1(names[i]), picked, {43, y});
    }
    Panel61 = new ColorSwatch(QStringLiteral("Panel61"), QStringLiteral("Текущий цвет для выбора"), hover);
    Panel61->setGeometry(43, 15, 40, 34);
    Panel61->setColor(Silver);
    Panel62 = new ColorSwatch(QStringLiteral("Panel62"),
                              QStringLiteral("Выбранный для передачи цвет"), picked);
    Panel62->setGeometry(0, 15, 40, 34);
    Panel62->setColor(Silver);
}

void ScreenPage::buildArrowCross() {
    const QPoint o(177, 76);
    arrows[0] = makeToolButton(QStringLiteral("SpeedButton30"), QStringLiteral("Сдвинуть область влево"),
                               colorGroup, QRect(o + QPoint(0, 19), QSize(14, 32)));
    arrows[1] = makeToolButton(QStringLiteral("SpeedButton31"), QStringLiteral("Сдвинуть область вверх"),
                               colorGroup, QRect(o + QPoint(15, 4), QSize(42, 14)));
    arrows[2] = makeToolButton(QStringLiteral("SpeedButton32"), QStringLiteral("Сдвинуть область вправо"),
                               colorGroup, QRect(o + QPoint(58, 19), QSize(14, 32)));
    arrows[3] = makeToolButton(QStringLiteral("SpeedButton33"), QStringLiteral("Сдвинуть область вниз"),
                               colorGroup, QRect(o + QPoint(15, 52), QSize(42, 14)));
    const Qt::ArrowType kinds[] = {Qt::LeftArrow, Qt::UpArrow, Qt::RightArrow, Qt::DownArrow};
    for (int i = 0; i < 4; ++i) arrows[i]->setArrowType(kinds[i]);
    frame(colorGroup, QRect(o + QPoint(15, 19), QSize(42, 32)));
    Image16 = new ImageView(QStringLiteral("Image16"), QSize(40, 30), colorGroup);
    SetElementHint(Image16, QStringLiteral("Выбор цвета"));
    Image16->move(o + QPoint(16, 20));
}

void ScreenPage::buildButtons() {
    const char* hints[] = {"Скопировать текстовое представление", "Скопировать растровый экземпляр",
                           "Скопировать векторный экземпляр"};
    const char* glyphs[] = {"T", "▦", "◇"};
    for (int i = 0; i < 3; ++i) {
        copyButtons[i] = makeToolButton(QStringLiteral("ScreenCopyButton%1").arg(i),
                                        QString::fromUtf8(hints[i]), this,
                                        QRect(360, 278 + 40 * i, 35, 35));
        copyButtons[i]->setText(QString::fromUtf8(glyphs[i]));
    }
    applyButton = new QPushButton(QStringLiteral(" Применить"), this);
    applyButton->setObjectName(QStringLiteral("ScreenApplyButton"));
    SetElementHint(applyButton, QStringLiteral("Передать выбранный цвет"), applyButton->text());
    applyButton->setGeometry(53, 400, 145, 25);
    refreshButton = new QPushButton(QStringLiteral("Обновить "), this);
    refreshButton->setObjectName(QStringLiteral("ScreenRefreshButton"));
    SetElementHint(refreshButton, QStringLiteral("Обновить образ экрана"), refreshButton->text());
    refreshButton->setGeometry(240, 400, 103, 25);
    saveButton = makeToolButton(QStringLiteral("ScreenSaveButton"),
                                QStringLiteral("Сохранить образ экрана как bmp"), this,
                                QRect(362, 397, 25, 25));
    saveButton->hide();
}

} // namespace huebit
