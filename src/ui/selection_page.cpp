#include "ui/selection_page.h"

#include "ui/button_icons.h"
#include "ui/component_editors.h"
#include "ui/contrast_view.h"
#include "ui/element_hint.h"
#include "ui/lazy_page.h"
#include "ui/whole_lines_box.h"
#include "ui/pixel_buffer_view.h"
#include "ui/refine_pages.h"
#include "ui/sample_view.h"
#include "ui/text_line.h"
#include "ui/web_page.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace huebit {

namespace {

constexpr int SampleIconSize = 20;
// The "Win " page's two captions.
constexpr int WinPageCaptionCount = 2;

QToolButton* makeFlatButton(const QString& name, const QString& text, const QString& hint,
                            QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setAutoRaise(true);
    SetElementHint(b, hint);
    return b;
}

// A thin sunken frame around a strip, so an empty strip still shows where it is.
QFrame* frameAround(QWidget* w) {
    auto* frame = new QFrame(w->parentWidget());
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::WindowText, QColor(0x9a, 0x9a, 0xc8));
    frame->setPalette(pal);
    frame->setGeometry(w->geometry().adjusted(-1, -1, 1, 1));
    frame->lower();
    return frame;
}

constexpr int PageRight = 394; // the right edge of the palettes above

QLabel* makeLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAccessibleName(text);
    return l;
}

} // namespace

SelectionPage::SelectionPage(const ColorModel& model, const PaletteImages& images,
                             QWidget* parent)
    : QWidget(parent), m_model(model), m_images(images) {
    setObjectName(QStringLiteral("TabSheet1"));
    setAutoFillBackground(true);
    buildPalettes();
    buildStrips();
    editors = new ComponentEditors(model, this);
    editors->setGeometry(2, 214, 392, 106);
    buildTargetAndText();
    buildSample();
    for (QLabel* l : {paletteLabel, previousLabel, backgroundLabel, textLabel}) l->installEventFilter(this);
    placeCaptionedRows();
    refresh(~0u);
}

bool SelectionPage::eventFilter(QObject* watched, QEvent* event) {
    // After the label has taken its new font in: its size hint follows then.
    if (event->type() == QEvent::FontChange)
        QMetaObject::invokeMethod(this, [this] { placeCaptionedRows(); }, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void SelectionPage::placeCaptionedRows() {
    // The strips: captions at the left, as wide as they need and at least the designed 34.
    const int captions = std::max({34, paletteLabel->sizeHint().width(), previousLabel->sizeHint().width()});
    const int stripLeft = std::max(40, 4 + captions + 1);
    const int line = paletteLabel->sizeHint().height();
    const std::array<PixelBufferView*, 2> strips{Image1, Image2};
    const std::array<QLabel*, 2> labels{paletteLabel, previousLabel};
    for (int i = 0; i < 2; ++i) {
        const int top = i == 0 ? 168 : 190;
        strips[i]->move(stripLeft, top);
        m_stripFrames[i]->setGeometry(strips[i]->geometry().adjusted(-1, -1, 1, 1));
        labels[i]->setGeometry(4, top + 8 - std::max(17, line) / 2, captions, std::max(17, line));
    }
    // The two buttons after the user palette, narrower when the captions leave less room.
    const int buttonsLeft = std::max(344, stripLeft + Image1->width() + 2);
    const int button = std::min(19, (PageRight - buttonsLeft - 1) / 2);
    addToPaletteButton->setGeometry(buttonsLeft, 167, button, 19);
    SpeedButton37->setGeometry(addToPaletteButton->geometry().right() + (button < 19 ? 1 : 2), 167,
                               button, 19);
    // The target switches with their captions, then the template selector up to the text line.
    const auto captionWidth = [](QLabel* l) { return std::max(12, l->sizeHint().width()); };
    RadioButton1->move(4, 328);
    backgroundLabel->setGeometry(20, 328, captionWidth(backgroundLabel), 20);
    RadioButton2->move(std::max(34, backgroundLabel->geometry().right() + 2), 328);
    textLabel->setGeometry(RadioButton2->x() + 16, 328, captionWidth(textLabel), 20);
    const int selectorLeft = std::max(66, textLabel->geometry().right() + 4);
    ComboBox1->setGeometry(selectorLeft, 327, Edit1->x() - 4 - selectorLeft, 22);
}

void SelectionPage::buildPalettes() {
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(2, 2, 266, 160);
    auto* tiles = NewPage(QStringLiteral("TabSheetTiles"));
    aPalImage1 = new PixelBufferView(QStringLiteral("aPalImage1"), m_images.tile, tiles);
    aPalImage1->setGeometry(2, 2, 256, 127);
    SetElementHint(aPalImage1, QStringLiteral("Цветовые оттенки"));
    auto* ring = NewPage(QStringLiteral("TabSheetRing"));
    aPalImage2 = new PixelBufferView(QStringLiteral("aPalImage2"), m_images.ring, ring);
    aPalImage2->move(2, 2);
    SetElementHint(aPalImage2, QStringLiteral("Цветовой круг"));
    cPalImage2 = new PixelBufferView(QStringLiteral("cPalImage2"), m_images.flow, ring);
    cPalImage2->move(136, 2);
    SetElementHint(cPalImage2, QStringLiteral("Перетекание"));
    webPage = new WebPage;
    // Shown only while the colour dialog is open: what the page stands for.
    auto* win = new LazyPage(WinPageCaptionCount, [](LazyPage& page) {
        auto* labels = new QVBoxLayout(&page);
        labels->addStretch(1);
        for (const QString& text : {QStringLiteral("Системная палитра"), QStringLiteral("Windows")}) {
            QLabel* l = makeLabel(text, &page);
            l->setAlignment(Qt::AlignCenter);
            SetElementTag(l, 2);
            labels->addWidget(l);
        }
        labels->addStretch(1);
    });
    win->setObjectName(QStringLiteral("TabSheetWin"));
    PageControl2->addTab(tiles, QStringLiteral("Черепица "));
    PageControl2->addTab(ring, QStringLiteral("Круг "));
    PageControl2->addTab(webPage, QStringLiteral("Web "));
    PageControl2->addTab(win, QStringLiteral("Win "));
    for (QWidget* page : {tiles, ring, static_cast<QWidget*>(webPage), static_cast<QWidget*>(win)})
        SetElementTag(page, 1);

    refinePages = new RefinePages(m_model, m_images.grey, this);
    refinePages->setGeometry(270, 2, 124, 160);
}

void SelectionPage::buildStrips() {
    paletteLabel = makeLabel(QStringLiteral("Пал.:"), this);
    Image1 = new PixelBufferView(QStringLiteral("Image1"), m_model.UserPalette().pixels(), this);
    SetElementHint(Image1, QStringLiteral("Пользовательская палитра"));
    Image1->move(40, 168);
    m_stripFrames[0] = frameAround(Image1);
    addToPaletteButton = makeFlatButton(QStringLiteral("SpeedButton36"), QStringLiteral("+"),
                                        QStringLiteral("Занести текущий цвет в палитру"), this);
    SpeedButton37 = makeFlatButton(QStringLiteral("SpeedButton37"), QString(),
                                   QStringLiteral("Меню палитры"), this);
    SpeedButton37->setArrowType(Qt::DownArrow);
    previousLabel = makeLabel(QStringLiteral("Пред.:"), this);
    Image2 = new PixelBufferView(QStringLiteral("Image2"), m_model.PreviousColors().pixels(), this);
    SetElementHint(Image2, QStringLiteral("Палитра предыдущих цветов"));
    Image2->move(40, 190);
    m_stripFrames[1] = frameAround(Image2);
}

void SelectionPage::buildTargetAndText() {
    RadioButton1 = new QRadioButton(this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    SetElementHint(RadioButton1, QStringLiteral("Цвет фона примера (левая клавиша мыши)"));
    RadioButton1->resize(16, 20);
    backgroundLabel = makeLabel(QStringLiteral("Ф"), this);
    RadioButton2 = new QRadioButton(this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    SetElementHint(RadioButton2, QStringLiteral("Цвет текста примера (правая клавиша мыши)"));
    RadioButton2->resize(16, 20);
    textLabel = makeLabel(QStringLiteral("Т"), this);

    ComboBox1 = new UniformLinesBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    SetElementHint(ComboBox1, QStringLiteral("Шаблон текстового представления"));
    MakeEditable(ComboBox1);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // What the user types is the active entry; completing it to a listed one would replace it.
    ComboBox1->setCompleter(nullptr);
    LiftLengthLimit(ComboBox1->lineEdit());
    ComboBox1->resize(176, 22);
    Edit1 = new TextLine(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    SetElementHint(Edit1, QStringLiteral("Текстовое представление цвета"));
    Edit1->setGeometry(246, 327, 148, 22);
}

void SelectionPage::buildSample() {
    Panel4 = new SampleView(QStringLiteral("Panel4"), this);
    SetElementHint(Panel4, QStringLiteral("Пример использования цвета"));
    SetElementTag(Panel4, -100);
    Panel4->setGeometry(4, 358, 295, 65);
    Panel4->setContextMenuPolicy(Qt::CustomContextMenu);
    contrast = new ContrastView(Panel4);
    // The interface font, not the sample's: resolved outright, or the sample's would show through.
    QFont interfaceFont = font();
    interfaceFont.setResolveMask(QFont::AllPropertiesResolved);
    contrast->setFont(interfaceFont);
    // Beside the sample: its three commands above, the three copies below; each a drawn picture
    // with its hint as the name.
    auto iconButton = [this](const char* name, const char* hint, ButtonIcon icon) {
        QToolButton* b = makeFlatButton(QString::fromLatin1(name), QString(),
                                        QString::fromUtf8(hint), this);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIcon(DrawButtonIcon(icon));
        b->setIconSize(QSize(SampleIconSize, SampleIconSize));
        return b;
    };
    panelButton = iconButton("SpeedButton20", "Показать/скрыть выносную панель",
                             ButtonIcon::FloatingPanel);
    swapButton = iconButton("SpeedButton21", "Поменять цвета местами", ButtonIcon::SwapColors);
    SetElementTag(swapButton, -100);
    textButton = iconButton("SpeedButton22", "Показать/скрыть текст", ButtonIcon::SampleText);
    copyButtons[0] = iconButton("SpeedButton23", "Скопировать текстовое представление",
                                ButtonIcon::CopyText);
    copyButtons[1] = iconButton("SpeedButton24", "Скопировать растровый экземпляр",
                                ButtonIcon::CopyBitmap);
    copyButtons[2] = iconButton("SpeedButton25", "Скопировать векторный экземпляр",
                                ButtonIcon::CopyVector);
    const std::array<QToolButton*, 3> top{panelButton, swapButton, textButton};
    for (int i = 0; i < 3; ++i) {
        top[i]->setGeometry(304 + 31 * i, 360, 28, 28);
        copyButtons[i]->setGeometry(304 + 31 * i, 394, 28, 28);
    }
}

void SelectionPage::refresh(unsigned what) {
    refinePages->refresh(what);
    editors->refresh(what);
    if (what & ChangedPreviousColors) Image2->refresh();
    if (what & ChangedUserPalette) Image1->refresh();
    if (what & (ChangedSample | ChangedTarget)) {
        const Sample& s = m_model.SampleState();
        Panel4->showSample(s.background, s.text, s.caption, s.font);
        contrast->showPair(s.text, s.background);
        RadioButton2->setEnabled(s.textSwitchEnabled);
        textLabel->setEnabled(s.textSwitchEnabled);
        swapButton->setVisible(s.textSwitchEnabled);
        const bool background = m_model.Target() == ColorTarget::Background;
        RadioButton1->setChecked(background);
        RadioButton2->setChecked(!background);
    }
    if (what & ChangedTemplates) refreshTemplates();
    if ((what & ChangedTextLine) && Edit1->text() != m_model.TextLine()) {
        Edit1->setText(m_model.TextLine());
    }
}

void SelectionPage::refreshTemplates() {
    // The model already knows about the change; the selector must not report it back.
    const QSignalBlocker blocker(ComboBox1);
    const TemplateList& t = m_model.Templates();
    QStringList shown;
    for (int i = 0; i < ComboBox1->count(); ++i) shown.append(ComboBox1->itemText(i));
    if (shown != t.entries()) {
        ComboBox1->clear();
        ComboBox1->addItems(t.entries());
    }
    // While the user types, the field already shows the active text: leave it alone then, so its
    // cursor, selection and undo steps stay as they are (setting a text resets all three).
    QLineEdit* field = ComboBox1->lineEdit();
    if (t.selected() >= 0 || field->text() != t.activeEntry()) {
        ComboBox1->setCurrentIndex(t.selected());
    }
    if (field->text() != t.activeEntry()) ComboBox1->setEditText(t.activeEntry());
}

} // namespace huebit
