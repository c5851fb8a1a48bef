#include "ui/window_appearance.h"

#include "core/extra_texts.h"
#include "settings/element_tags.h"
#include "ui/extra_text_binding.h"
#include "ui/font_group.h"
#include "ui/font_name_box.h"
#include "ui/indicator_mode_group.h"
#include "ui/language_group.h"
#include "ui/lazy_page.h"
#include "ui/modal_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QEvent>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace huebit {

WindowAppearance::WindowAppearance(QWidget& window, Groups groups, UiTexts& texts,
                                   ShellOptions& options)
    : QObject(&window), m_window(window), m_groups(groups), m_texts(texts), m_options(options),
      m_startupDirectory(QDir::currentPath()) {
    connect(m_groups.font.SpinEdit3, &QSpinBox::valueChanged, this,
            [this](int v) { FontSizeChanged(v); });
    connect(m_groups.font.ComboBox3, &QComboBox::currentIndexChanged, this,
            [this] { FontNameChanged(); });
    connect(&m_groups.indicator, &IndicatorModeGroup::modeChanged, this,
            [this](IndicatorMode mode) { m_options.indicatorMode = mode; });
    connect(m_groups.language.ComboBox2, &QComboBox::activated, this,
            [this](int index) { ChooseLanguage(index); });
}

void WindowAppearance::CollectElements() {
    m_elements = WindowElements(&m_window);
    PinFixedFonts(m_elements);
    m_builtInCaptions = Captions(captionedElements());
    m_waitingCaptions = QStringList(m_builtInCaptions.size(), QString());
    for (LazyPage* page : m_window.findChildren<LazyPage*>())
        page->whenMade([this, page] { pageMade(*page); });
    m_groups.language.ComboBox2->addItem(ExtraText("Русский"));
    m_groups.language.ComboBox2->setCurrentIndex(0);
    m_groups.language.ComboBox2->installEventFilter(this);
    m_watchedLanguageList = m_groups.language.ComboBox2;
}

bool WindowAppearance::eventFilter(QObject* watched, QEvent* event) {
    // Files added since the last look are offered when the "Окно" page comes up.
    if (event->type() == QEvent::Show && watched == m_watchedLanguageList) findLanguages();
    return QObject::eventFilter(watched, event);
}

void WindowAppearance::SetFontSize(int points) {
    m_groups.font.SpinEdit3->setValue(points);
}

void WindowAppearance::SelectFontName(const QString& name) {
    // Kept even when the font is not installed now, so the next save does not lose it.
    if (!name.isEmpty()) m_options.fontName = name;
    FontNameBox* list = m_groups.font.ComboBox3;
    if (const int index = list->offerFamily(name); index >= 0) list->setCurrentIndex(index);
}

void WindowAppearance::ShowFontInUse() {
    FontNameBox* list = m_groups.font.ComboBox3;
    if (list->currentIndex() >= 0) return;
    // The family the list's own text is drawn in, as fontconfig resolves it: the application's
    // default font names a generic family that is not in the list.
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(list->offerFamily(QFontInfo(list->font()).family()));
}

void WindowAppearance::FontSizeChanged(int value) {
    m_options.fontSize = value;
    if (m_walksHeld)
        m_heldSize = value;
    else if (value > 0)
        walkFont(value, QString());
}

void WindowAppearance::FontNameChanged() {
    const QString name = m_groups.font.chosenName();
    if (name.isEmpty()) return;
    m_options.fontName = name;
    if (m_walksHeld)
        m_heldName = name;
    else
        walkFont(std::nullopt, name);
}

void WindowAppearance::ReleaseFontWalks() {
    m_walksHeld = false;
    const std::optional<int> size = m_heldSize && *m_heldSize > 0 ? m_heldSize : std::nullopt;
    if (size || !m_heldName.isEmpty()) walkFont(size, m_heldName);
    m_heldSize.reset();
    m_heldName.clear();
}

void WindowAppearance::walkFont(std::optional<int> size, const QString& name) {
    if (size) m_walkedSize = size;
    if (!name.isEmpty()) m_walkedName = name;
    emit fontChanging();
    ApplyInterfaceFont(m_elements, size, name);
    // After the refits the new fonts have queued (FontRefit).
    QMetaObject::invokeMethod(this, [this] { emit fontChanged(); }, Qt::QueuedConnection);
}

void WindowAppearance::pageMade(LazyPage& page) {
    m_elements = WindowElements(&m_window);
    const ElementList made = WindowElements(&page);
    if (m_walkedSize || !m_walkedName.isEmpty()) {
        ApplyInterfaceFont(made, m_walkedSize, m_walkedName);
        // The window fits the new controls once they have taken the font in (FontRefit): once
        // for all the pages made in one go.
        if (!m_refitQueued) {
            m_refitQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_refitQueued = false;
                    emit fontChanged();
                },
                Qt::QueuedConnection);
        }
    }
    const QList<QWidget*> captioned = captionedElements();
    for (int i = 0; i < captioned.size() && i < m_builtInCaptions.size(); ++i) {
        if (!captioned[i] || captioned[i] == &page || !page.isAncestorOf(captioned[i])) continue;
        m_builtInCaptions[i] = Caption(captioned[i]);
        if (!m_waitingCaptions[i].isNull()) SetCaption(captioned[i], m_waitingCaptions[i]);
        m_waitingCaptions[i] = QString();
    }
}

QStringList WindowAppearance::captionsInForce(const QList<QWidget*>& captioned) const {
    QStringList captions = Captions(captioned);
    for (int i = 0; i < captioned.size() && i < m_waitingCaptions.size(); ++i)
        if (!captioned[i]) captions[i] = m_waitingCaptions[i];
    return captions;
}

void WindowAppearance::showCaptions(const QList<QWidget*>& captioned,
                                    const QStringList& captions) {
    for (int i = 0; i < captioned.size() && i < captions.size(); ++i) {
        if (captioned[i])
            SetCaption(captioned[i], captions[i]);
        else if (i < m_waitingCaptions.size())
            m_waitingCaptions[i] = captions[i];
    }
}

void WindowAppearance::LoadLanguage() {
    const QList<QWidget*> captioned = captionedElements();
    QStringList captions = captionsInForce(captioned);
    if (!huebit::LoadLanguage(m_languageBuffer, m_texts, captions)) {
        showErrorBox(LanguageErrorText());
        return;
    }
    showCaptions(captioned, captions);
    languageApplied(false);
}

void WindowAppearance::setStartupDirectory(const QString& dir) {
    m_startupDirectory = dir;
    findLanguages();
}

void WindowAppearance::setLanguageFolders(const QStringList& folders) {
    m_languageFolders = folders;
    findLanguages();
}

void WindowAppearance::findLanguages() {
    m_languages = FindLanguages(
        m_languageFolders.value_or(LanguageFolders(LanguagePlacesOfThisRun(m_startupDirectory))));
    QComboBox* box = m_groups.language.ComboBox2;
    const QSignalBlocker block(box);
    // The entry shown stays shown: the built-in one, a file's, or none.
    const QString shown = box->currentIndex() < 0 ? QString() : box->currentText();
    box->clear();
    box->addItem(ExtraText("Русский"));
    for (const LanguageEntry& e : m_languages)
        box->addItem(e.name);
    box->setCurrentIndex(shown.isEmpty() ? -1 : box->findText(shown));
}

void WindowAppearance::RestoreLanguage(const QString& name) {
    m_options.language = name;
    findLanguages();
    m_languageBuffer = LanguageBuffer();
    const LanguageEntry* entry = FindLanguage(m_languages, name);
    // No entry found: no selection, the texts in force stay.
    m_groups.language.ComboBox2->setCurrentIndex(entry ? int(entry - m_languages.data()) + 1 : -1);
    if (entry) loadLanguageFile(entry->path);
}

void WindowAppearance::ChooseLanguage(int index) {
    if (index == 0) {
        m_options.language.clear();
        applyBuiltInLanguage();
        return;
    }
    if (index < 1 || index > m_languages.size()) return;
    m_options.language = m_languages.at(index - 1).name;
    m_languageBuffer = LanguageBuffer();
    loadLanguageFile(m_languages.at(index - 1).path);
}

void WindowAppearance::loadLanguageFile(const QString& path) {
    // A file that cannot be opened is passed over silently.
    const auto lines = ReadLanguageFile(path);
    if (!lines) return;
    m_languageBuffer = *lines;
    LoadLanguage();
}

void WindowAppearance::applyBuiltInLanguage() {
    m_texts.reset();
    ResetExtraTexts();
    // Controls still to be made show their built-in captions when made.
    showCaptions(captionedElements(), m_builtInCaptions);
    languageApplied(true);
}

void WindowAppearance::languageApplied(bool builtIn) {
    m_builtIn = builtIn;
    m_groups.language.ComboBox2->setItemText(0, ExtraText("Русский"));
    RetextWindows();
    emit languageChanged(builtIn);
}

QByteArray WindowAppearance::LanguageTemplate() {
    MakeAllPages(&m_window);
    return LanguageFileBytes(m_texts, Captions(captionedElements()));
}

void WindowAppearance::showErrorBox(const QString& text) {
    if (m_errorBox) {
        m_errorBox(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Huebit"), text, QMessageBox::Yes,
                    &m_window);
    box.setObjectName(QStringLiteral("LanguageErrorBox"));
    ExecWindowModal(box);
}

} // namespace huebit
