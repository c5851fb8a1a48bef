#include "ui/settings_page.h"

#include "ui/element_hint.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

namespace huebit {

namespace {

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
    windowPage = NewPage(QStringLiteral("TabSheetWindow"));
    samplePage = NewPage(QStringLiteral("TabSheetSample"));
    PageControl5->addTab(windowPage, QStringLiteral("Окно"));
    PageControl5->addTab(buildTemplatesPage(), QStringLiteral("Шаблоны "));
    PageControl5->addTab(samplePage, QStringLiteral("Пример "));
    connect(PageControl5, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == TemplatesSubPage) ResetTemplateEditor();
    });
    ResetTemplateEditor();
}

QWidget* SettingsPage::buildTemplatesPage() {
    QWidget* page = NewPage(QStringLiteral("TabSheetTemplates"));
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
    return page;
}

void SettingsPage::ResetTemplateEditor() {
    Memo2->setPlainText(m_model.Templates().editorLines().join(QLatin1Char('\n')));
}

void SettingsPage::ApplyTemplateEditor() {
    m_model.ApplyTemplateLines(Memo2->toPlainText().split(QLatin1Char('\n')));
}

} // namespace huebit
