#include "ui/sample_wiring.h"

#include "core/readable_text.h"
#include "output/sample_options.h"
#include "output/sample_text_settings.h"
#include "palettes/palette_picking.h"
#include "ui/extra_text_binding.h"
#include "ui/sample_text_page.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace huebit {

namespace {

constexpr int SelectionMainPage = 0;
constexpr int SettingsMainPage = 2;

QMenu* sampleMenu(const SampleWiring& w) {
    auto* menu = new QMenu(&w.page);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    BoundAction(
        menu->addAction(QStringLiteral("Показать/скрыть выносную панель"), menu, w.showHidePanel));
    menu->addSeparator();
    ColorModel& model = w.model;
    BoundAction(menu->addAction(QStringLiteral("Показать/скрыть текст"), menu,
                                [&model] { model.ToggleSampleText(); }));
    BoundAction(menu->addAction(QStringLiteral("Параметры текста примера"), menu, [w] {
        w.sampleSettings.EditSampleTextSettings();
        w.showPage(SettingsMainPage);
        w.settings.ShowSubPage(SettingsPage::SampleSubPage);
    }));
    const SampleOptions& options = w.options;
    QAction* readable = BoundAction(menu->addAction(
        QStringLiteral("Сделать текст читаемым"), menu, [&model, &options, show = w.showStatus] {
            show(MakeSampleTextReadable(model, options.ReadableTarget()));
        }));
    // Shown in the menu; the window's own key table runs Ctrl+R outside it.
    readable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    readable->setShortcutContext(Qt::WidgetShortcut);
    menu->addSeparator();
    const char* copies[] = {"Скопировать текстовое представление",
                            "Скопировать растровый экземпляр", "Скопировать векторный экземпляр"};
    for (int i = 0; i < 3; ++i)
        BoundAction(menu->addAction(QString::fromUtf8(copies[i]), menu, w.copy[i]));
    return menu;
}

void wireButtons(const SampleWiring& w, QMenu* menu) {
    SelectionPage& page = w.page;
    ColorModel& model = w.model;
    QObject::connect(page.panelButton, &QToolButton::clicked, menu, w.showHidePanel);
    QObject::connect(page.swapButton, &QToolButton::clicked, &model,
                     [&model] { model.SwapSampleColors(); });
    QObject::connect(page.textButton, &QToolButton::clicked, &model,
                     [&model] { model.ToggleSampleText(); });
    for (int i = 0; i < 3; ++i) {
        QObject::connect(page.copyButtons[i], &QToolButton::clicked, menu, w.copy[i]);
    }
    SampleView* sample = page.Panel4;
    QObject::connect(sample, &SampleView::doubleClicked, menu, w.showHidePanel);
    QObject::connect(sample, &QWidget::customContextMenuRequested, menu,
                     [menu, sample](QPoint at) { menu->popup(sample->mapToGlobal(at)); });
    PalettePicking& palettes = w.palettes;
    QObject::connect(sample, &SampleView::hovered, &palettes,
                     [&palettes] { palettes.SampleHovered(); });
}

void wireSampleControls(const SampleWiring& w);

void wireSettingsPage(const SampleWiring& w) {
    SampleTextPage* page = w.settings.samplePage;
    SampleTextSettings& settings = w.sampleSettings;
    QObject::connect(&settings, &SampleTextSettings::editorChanged, page,
                     [page, &settings] { page->showEditor(settings.Editor()); });
    QObject::connect(&w.settings, &SettingsPage::sampleSubPageEntered, &settings,
                     [&settings] { settings.ResetSampleTextSettings(); });
    // The sub-page makes its controls when first shown.
    page->whenMade([w] { wireSampleControls(w); });
}

void wireSampleControls(const SampleWiring& w) {
    SampleTextPage* page = w.settings.samplePage;
    SampleTextSettings& settings = w.sampleSettings;
    QObject::connect(page->textEdit, &QLineEdit::textEdited, &settings,
                     [&settings](const QString& text) { settings.SetEditorText(text); });
    QObject::connect(page->fontButton, &QToolButton::clicked, &settings,
                     [&settings, dialog = w.fontDialog] { settings.ChooseSampleFont(dialog()); });
    QObject::connect(page->applyButton, &QToolButton::clicked, &settings, [w] {
        w.sampleSettings.ApplySampleTextSettings();
        w.showPage(SelectionMainPage);
    });
    QObject::connect(page->resetButton, &QToolButton::clicked, &settings,
                     [&settings] { settings.ResetSampleTextSettings(); });
    ColorModel& model = w.model;
    QObject::connect(page->toggleButton, &QToolButton::clicked, &model,
                     [&model] { model.ToggleSampleText(); });
    SampleOptions& options = w.options;
    page->aaaBox->setChecked(options.aaaText);
    QObject::connect(page->aaaBox, &QCheckBox::toggled, page,
                     [&options](bool on) { options.aaaText = on; });
}

} // namespace

QMenu* WireSample(const SampleWiring& w) {
    QMenu* menu = sampleMenu(w);
    wireButtons(w, menu);
    wireSettingsPage(w);
    return menu;
}

} // namespace huebit
