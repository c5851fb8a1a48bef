#include "ui/screen_page.h"

#include "ui/button_icons.h"
#include "ui/color_swatch.h"
#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"
#include "ui/font_refit.h"
#include "ui/image_view.h"
#include "ui/readout_group.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace huebit {

namespace {

constexpr Color Silver = 0xC0C0C0;
// The large-font layout's side: just right of the large view's frame, and the two pixels the
// colour group keeps either side.
constexpr int LargeSideLeft = 170;
constexpr int GroupEdges = 4;

QToolButton* makeToolButton(const QString& name, const QString& hint, QWidget* parent, QRect at) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    SetElementHint(b, hint);
    b->setGeometry(at);
    return b;
}

QLabel* makeLabel(const QString& text, QWidget* parent, int tag) {
    auto* l = new QLabel(text, parent);
    l->setAccessibleName(text);
    SetElementTag(l, tag);
    if (tag == -1) { // the magnifier's labels are one size smaller
        // Before anything polishes the label: the style sheet keeps the font it finds at the
        // first polish and puts it back when the page is moved into the page control.
        QFont small = l->font();
        if (small.pixelSize() > 1) {
            small.setPixelSize(small.pixelSize() - 1);
        } else if (small.pointSizeF() > 1) {
            small.setPointSizeF(small.pointSizeF() - 1);
        }
        l->setFont(small);
    }
    return l;
}

// A thin frame one pixel around a view: a panel of the layout.
void frame(const QString& name, QWidget* parent, QRect at) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    MarkAsPanel(f);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setGeometry(at);
}

} // namespace

ScreenPage::ScreenPage(QWidget* parent) : LazyPage(CaptionCount, {}, parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    setAutoFillBackground(true);
}

void ScreenPage::makeControls() {
    buildAreaGroup();
    buildColorGroup();
    buildButtons();
    QList<QWidget*> captions = m_side->findChildren<QWidget*>();
    captions << colorGroup << applyButton << refreshButton;
    auto* refit = new FontRefit({}, [this] { placeForFont(); }, this);
    for (QWidget* w : captions) w->installEventFilter(refit);
}

void ScreenPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (made()) placeForFont();
}

void ScreenPage::placeForFont() {
    constexpr QRect Group(4, 240, 353, 153);
    constexpr QRect Side(173, 16, 178, 134);
    // A hidden page's controls do not tell their layout that their fonts changed.
    for (QWidget* w : m_side->findChildren<QWidget*>()) w->updateGeometry();
    m_side->layout()->invalidate();
    m_side->layout()->activate(); // which also refreshes the layouts nested in it
    const QSize side = m_side->minimumSizeHint();
    if (side.width() <= Side.width() && side.height() <= Side.height()) {
        colorGroup->setGeometry(Group);
        m_side->setGeometry(Side);
        for (int i = 0; i < 3; ++i) copyButtons[i]->setGeometry(360, 278 + 40 * i, 35, 35);
        applyButton->setGeometry(53, 400, 145, 25);
        refreshButton->setGeometry(240, 400, 103, 25);
        return;
    }
    // The group takes the page's width and the height its side needs, a pixel below the area
    // group; the side starts just right of the large view's frame. The row of buttons below it
    // is as tall as their captions need, the copy buttons at its right end. Every pixel spared
    // here is one more interface font size at which the page fits the window.
    const int right = width() - 1;
    const int groupTop = areaGroup->geometry().bottom() + 2;
    const int groupHeight = Side.top() + side.height() + 1;
    colorGroup->setGeometry(1, groupTop, right - 1, groupHeight);
    m_side->setGeometry(LargeSideLeft, Side.top(), colorGroup->width() - LargeSideLeft - 2,
                        side.height());
    const int rowTop = colorGroup->geometry().bottom() + 2;
    const int rowHeight =
        std::max({22, applyButton->sizeHint().height(), refreshButton->sizeHint().height()});
    int x = right;
    for (int i = 2; i >= 0; --i) {
        x -= 30;
        copyButtons[i]->setGeometry(x, rowTop, 30, rowHeight);
        x -= 2;
    }
    const int apply = applyButton->sizeHint().width();
    applyButton->setGeometry(1, rowTop, apply, rowHeight);
    refreshButton->setGeometry(applyButton->geometry().right() + 6, rowTop,
                               refreshButton->sizeHint().width(), rowHeight);
}

QSize ScreenPage::minimumSizeHint() const {
    if (!made()) return QWidget::minimumSizeHint();
    return {LargeSideLeft + m_side->minimumSizeHint().width() + GroupEdges, 0};
}

int ScreenPage::heightForWidth(int) const {
    if (!made()) return 0;
    int bottom = colorGroup->geometry().bottom();
    for (const QWidget* w : {static_cast<QWidget*>(applyButton), static_cast<QWidget*>(refreshButton),
                             static_cast<QWidget*>(copyButtons[2])})
        bottom = std::max(bottom, w->geometry().bottom());
    return bottom + 2;
}

void ScreenPage::buildAreaGroup() {
    areaGroup = new QGroupBox(QStringLiteral(" Выберите участок "), this);
    areaGroup->setGeometry(4, 0, 387, 237);
    Image14 = new ImageView(QStringLiteral("Image14"), QSize(383, 219), areaGroup);
    SetElementHint(Image14, QStringLiteral("Левый клик — выбрать фрагмент, правый — сразу цвет"));
    Image14->move(2, 16);
    // A capture may place the overview as high as the group's row 15, so a larger interface font
    // must not push the title's letters under the picture: the title takes the largest size that
    // fits above it.
    new FontRefit({areaGroup}, [this] { FitTitleAbove(areaGroup, 15); }, this);
}

void ScreenPage::placeOverview(QRect geometry) { Image14->setGeometry(geometry); }

void ScreenPage::buildColorGroup() {
    colorGroup = new QGroupBox(QStringLiteral(" Выберите цвет "), this);
    colorGroup->setGeometry(4, 240, 353, 153);
    // Positions inside the group are measured from its inner area at (5, 16).
    frame(QStringLiteral("LargeViewFrame"), colorGroup, QRect(6, 20, 162, 122));
    Image15 = new ImageView(QStringLiteral("Image15"), QSize(160, 120), colorGroup);
    SetElementHint(Image15, QStringLiteral("Увеличенный выбор цвета"));
    Image15->move(7, 21);
    // Right of the large view: the readouts above, the arrow cross and the two spin edits
    // below. Box layouts place them from their fonts, so no text is cut or runs under a swatch.
    auto* side = new QWidget(colorGroup);
    m_side = side;
    side->setObjectName(QStringLiteral("MagnifierSide"));
    side->setGeometry(173, 16, 178, 134);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    // Grow rather than squeeze the readouts when a larger font needs more room.
    column->setSizeConstraint(QLayout::SetMinimumSize);
    column->addLayout(buildReadouts(side));
    auto* lower = new QHBoxLayout;
    lower->setContentsMargins(4, 0, 1, 0);
    lower->setSpacing(2);
    // Made in the order the layout lists them (the caption walk follows it), placed cross first.
    QLayout* spinEdits = buildSpinEdits(side);
    lower->addWidget(buildArrowCross(side), 0, Qt::AlignTop);
    lower->addLayout(spinEdits, 1);
    column->addLayout(lower);
    column->addStretch();
}

QLayout* ScreenPage::buildReadouts(QWidget* side) {
    Panel61 = new ColorSwatch(QStringLiteral("Panel61"), QStringLiteral("Текущий цвет для выбора"),
                              side);
    Panel61->setColor(Silver);
    auto* hover = new ReadoutGroup(QStringLiteral(" Текущий "), Panel61,
                                   ReadoutGroup::SwatchSide::Right, side);
    Panel62 = new ColorSwatch(QStringLiteral("Panel62"),
                              QStringLiteral("Выбранный для передачи цвет"), side);
    Panel62->setColor(Silver);
    auto* picked = new ReadoutGroup(QStringLiteral(" Выбранный "), Panel62,
                                    ReadoutGroup::SwatchSide::Left, side);
    hoverLabels = hover->labels();
    pickedLabels = picked->labels();
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(hover);
    row->addWidget(picked);
    return row;
}

QWidget* ScreenPage::buildArrowCross(QWidget* side) {
    auto* cross = new QWidget(side);
    cross->setObjectName(QStringLiteral("ArrowCross"));
    MarkAsPanel(cross);          // the panel that holds the arrows and the medium view
    cross->setFixedSize(73, 66); // the layout's 73 x 73 square, without the empty rows below
    arrows[0] = makeToolButton(QStringLiteral("SpeedButton30"), QStringLiteral("Сдвинуть область влево"),
                               cross, QRect(0, 19, 14, 32));
    arrows[1] = makeToolButton(QStringLiteral("SpeedButton31"), QStringLiteral("Сдвинуть область вверх"),
                               cross, QRect(15, 4, 42, 14));
    arrows[2] = makeToolButton(QStringLiteral("SpeedButton32"), QStringLiteral("Сдвинуть область вправо"),
                               cross, QRect(58, 19, 14, 32));
    arrows[3] = makeToolButton(QStringLiteral("SpeedButton33"), QStringLiteral("Сдвинуть область вниз"),
                               cross, QRect(15, 52, 42, 14));
    const Qt::ArrowType kinds[] = {Qt::LeftArrow, Qt::UpArrow, Qt::RightArrow, Qt::DownArrow};
    for (int i = 0; i < 4; ++i) arrows[i]->setArrowType(kinds[i]);
    frame(QStringLiteral("MediumViewFrame"), cross, QRect(15, 19, 42, 32));
    Image16 = new ImageView(QStringLiteral("Image16"), QSize(40, 30), cross);
    SetElementHint(Image16, QStringLiteral("Выбор цвета"));
    Image16->move(16, 20);
    return cross;
}

QLayout* ScreenPage::buildSpinEdits(QWidget* side) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 12, 0, 0); // the first edit level with the cross's arrows
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    const auto addSpin = [&](int row, const QString& label, const QString& unit,
                             const QString& name, int top) {
        grid->addWidget(makeLabel(label, side, -1), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        auto* spin = new QSpinBox(side);
        spin->setObjectName(name);
        spin->setRange(1, top);
        BindExtraText(spin, "accessibleName", label);
        spin->setMinimumSize(36, 22);
        // Both as wide as the wider; when a large font leaves too little room, the edits give
        // way before their captions.
        spin->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        grid->addWidget(spin, row, 1);
        // The units are part of the layout but the group's width leaves them no room beside
        // the edits: they stay hidden, as in the layout this page follows.
        makeLabel(unit, side, -1)->hide();
        return spin;
    };
    SpinEdit1 = addSpin(0, QStringLiteral("Сдвижка"), QStringLiteral("пунк."),
                        QStringLiteral("SpinEdit1"), 30);
    SpinEdit1->setValue(3);
    SpinEdit2 = addSpin(1, QStringLiteral("Диаметр"), QStringLiteral("пикс."),
                        QStringLiteral("SpinEdit2"), 200);
    SpinEdit2->setValue(1);
    grid->setRowStretch(2, 1);    // spare height below the edits, not between them
    grid->setColumnStretch(0, 1); // and spare width before the captions
    return grid;
}

void ScreenPage::buildButtons() {
    const char* hints[] = {"Скопировать текстовое представление", "Скопировать растровый экземпляр",
                           "Скопировать векторный экземпляр"};
    // The same drawn pictures as the selection page's copy buttons: no caption to translate.
    const ButtonIcon icons[] = {ButtonIcon::CopyText, ButtonIcon::CopyBitmap, ButtonIcon::CopyVector};
    constexpr int IconSize = 20;
    for (int i = 0; i < 3; ++i) {
        copyButtons[i] = makeToolButton(QStringLiteral("ScreenCopyButton%1").arg(i),
                                        QString::fromUtf8(hints[i]), this,
                                        QRect(360, 278 + 40 * i, 35, 35));
        copyButtons[i]->setIcon(DrawButtonIcon(icons[i]));
        copyButtons[i]->setIconSize(QSize(IconSize, IconSize));
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
