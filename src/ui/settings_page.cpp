#include "ui/settings_page.h"

#include "ui/element_hint.h"
#include "ui/font_group.h"
#include "ui/indicator_mode_group.h"
#include "ui/language_group.h"
#include "ui/lazy_page.h"
#include "ui/sample_text_page.h"
#include "ui/window_options_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

namespace huebit {

namespace {

// The "Окно" sub-page's captioned controls: the groups' titles, the options and the labels.
constexpr int WindowCaptionCount = 25;
// The "Шаблоны " sub-page's two button captions.
constexpr int TemplatesCaptionCount = 2;

QToolButton* makeTextButton(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    SetElementHint(b, QString(), text);
    return b;
}

} // namespace

SettingsPage::SettingsPage(ColorModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("TabSheet3"));
    setAutoFillBackground(true);
    PageControl5 = new QTabWidget(this);
    PageControl5->setObjectName(QStringLiteral("PageControl5"));
    PageControl5->setGeometry(2, 2, 394, 428);
    windowPage = new LazyPage(WindowCaptionCount, [this](LazyPage& page) { buildWindowPage(page); });
    windowPage->setObjectName(QStringLiteral("TabSheetWindow"));
    samplePage = new SampleTextPage;
    windowPage->AddTo(*PageControl5, QStringLiteral("Окно"));
    PageControl5->addTab(buildTemplatesPage(), QStringLiteral("Шаблоны "));
    PageControl5->addTab(samplePage, QStringLiteral("Пример "));
    // The sub-page control and its pages keep their designed fonts.
    SetElementTag(PageControl5, -100);
    for (int i = 0; i < PageControl5->count(); ++i) SetElementTag(PageControl5->widget(i), -100);
    connect(PageControl5, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_programSwitch) return;
        emit subPageChosen(index);
        if (index == TemplatesSubPage) ResetTemplateEditor();
        if (index == SampleSubPage) emit sampleSubPageEntered();
    });
}

void SettingsPage::buildWindowPage(LazyPage& page) {
    // The "Окно" sub-page, top to bottom: the language beside the interface font, the hidden
    // indicator group, the options, the clipboard samples. Side by side, the two short groups
    // leave the page its height for the larger interface fonts.
    languageGroup = new LanguageGroup(&page);
    indicatorGroup = new IndicatorModeGroup(&page);
    indicatorGroup->hide();
    fontGroup = new FontGroup(&page);
    options = new WindowOptionsGroup(&page);
    buildSampleGroup();
    // Stacked from their fonts, so a larger interface font moves the groups apart instead of
    // cutting their captions.
    auto* column = new QVBoxLayout(&page);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);
    // Both lists may narrow to a short name, so the row fits the page up to the larger fonts:
    // as narrow as they are in the designed font, whatever the interface font.
    fontGroup->ComboBox3->setMinimumContentsLength(8);
    for (QComboBox* list : {static_cast<QComboBox*>(languageGroup->ComboBox2),
                            static_cast<QComboBox*>(fontGroup->ComboBox3)})
        list->setMinimumWidth(list->minimumSizeHint().width());
    auto* firstRow = new QHBoxLayout;
    firstRow->setSpacing(6);
    firstRow->addWidget(languageGroup);
    firstRow->addWidget(fontGroup, 1);
    column->addLayout(firstRow);
    m_firstRow = firstRow;
    arrangeFirstRow();
    languageGroup->installEventFilter(this);
    for (QWidget* group : {static_cast<QWidget*>(indicatorGroup), static_cast<QWidget*>(options),
                           static_cast<QWidget*>(sampleGroup)})
        column->addWidget(group);
    column->addStretch(1);
}

// Above the sizes the page is laid out for, the language and the font go one above the other:
// the window grows in height there anyway, and the row would widen it. Arranged as the font
// arrives, so the window's fit to the font measures the page as it will be.
void SettingsPage::arrangeFirstRow() {
    const bool stacked = languageGroup->font().pointSize() > 12;
    m_firstRow->setDirection(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

bool SettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == languageGroup && event->type() == QEvent::FontChange) arrangeFirstRow();
    return QWidget::eventFilter(watched, event);
}

QWidget* SettingsPage::buildTemplatesPage() {
    auto* page = new LazyPage(TemplatesCaptionCount, [this](LazyPage& page) {
        buildTemplateEditor(&page);
        ResetTemplateEditor();
    });
    page->setObjectName(QStringLiteral("TabSheetTemplates"));
    return page;
}

void SettingsPage::buildTemplateEditor(QWidget* page) {
    Memo2 = new QPlainTextEdit(page);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    SetElementHint(Memo2, QStringLiteral("Текстовые шаблоны отображения выбранного цвета"));
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setGeometry(6, 6, 376, 340);
    SpeedButton7 = makeTextButton(QStringLiteral("SpeedButton7"), QStringLiteral("Применить"), page);
    SpeedButton7->setGeometry(6, 352, 120, 24);
    SpeedButton10 = makeTextButton(QStringLiteral("SpeedButton10"), QStringLiteral("  Сброс"), page);
    SpeedButton10->setGeometry(132, 352, 120, 24);
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { ApplyTemplateEditor(); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { ResetTemplateEditor(); });
}

void SettingsPage::buildSampleGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Параметры графических экземпляров "), windowPage);
    sampleGroup = group;
    group->setObjectName(QStringLiteral("GroupBox8"));
    auto makeSize = [group](const char* name, const char* hint) {
        auto* spin = new QSpinBox(group);
        spin->setObjectName(QString::fromLatin1(name));
        SetElementHint(spin, QString::fromUtf8(hint));
        spin->setRange(1, 100);
        spin->setValue(20);
        return spin;
    };
    SpinEdit4 = makeSize("SpinEdit4", "Ширина экземпляра");
    auto* times = new QLabel(QStringLiteral("x"), group);
    SpinEdit5 = makeSize("SpinEdit5", "Высота экземпляра");
    auto* pixels = new QLabel(QStringLiteral("пикс."), group);
    CheckBox11 = new QCheckBox(QStringLiteral("квадрат"), group);
    CheckBox11->setObjectName(QStringLiteral("CheckBox11"));
    CheckBox11->setAccessibleName(CheckBox11->text());
    CheckBox10 = new QCheckBox(QStringLiteral("создавать контур"), group);
    CheckBox10->setObjectName(QStringLiteral("CheckBox10"));
    CheckBox10->setAccessibleName(CheckBox10->text());
    CheckBox10->setChecked(true);
    CheckBox10->hide();
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(4);
    for (QWidget* w : {static_cast<QWidget*>(SpinEdit4), static_cast<QWidget*>(times),
                       static_cast<QWidget*>(SpinEdit5), static_cast<QWidget*>(pixels)})
        row->addWidget(w);
    row->addSpacing(12);
    row->addWidget(CheckBox11);
    row->addWidget(CheckBox10);
    row->addStretch(1);
}

namespace {

// The sub-page control's margins in the page: 2 left and top, 4 right, 3 below.
constexpr QMargins SubPagesMargins(2, 2, 4, 3);

} // namespace

void SettingsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PageControl5->setGeometry(rect().marginsRemoved(SubPagesMargins));
}

int SettingsPage::heightForWidth(int width) const {
    const int across = SubPagesMargins.left() + SubPagesMargins.right();
    const int down = SubPagesMargins.top() + SubPagesMargins.bottom();
    return PageControl5->heightForWidth(width - across) + down;
}

QSize SettingsPage::minimumSizeHint() const {
    return PageControl5->minimumSizeHint().grownBy(SubPagesMargins);
}

void SettingsPage::ShowSubPage(int index) {
    m_programSwitch = true;
    PageControl5->setCurrentIndex(index);
    m_programSwitch = false;
}

void SettingsPage::ResetTemplateEditor() {
    // Made when its sub-page first shows, with the lines then.
    if (!Memo2) return;
    Memo2->setPlainText(m_model.Templates().editorLines().join(QLatin1Char('\n')));
}

void SettingsPage::ApplyTemplateEditor() {
    if (!Memo2) return;
    m_model.ApplyTemplateLines(Memo2->toPlainText().split(QLatin1Char('\n')));
}

} // namespace huebit
