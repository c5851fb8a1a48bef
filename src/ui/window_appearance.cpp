#include "ui/window_appearance.h"

#include "core/extra_texts.h"
#include "settings/element_tags.h"
#include "ui/extra_text_binding.h"
#include "ui/font_group.h"
#include "ui/font_name_box.h"
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

#include <algorithm>

namespace huebit {

WindowAppearance::WindowAppearance(QWidget& window, UiTexts& texts, ShellOptions& options)
    : QObject(&window), m_window(window), m_texts(texts), m_options(options),
      m_startupDirectory(QDir::currentPath()) {}

void WindowAppearance::AttachControls(LanguageGroup& language, FontGroup& font) {
    m_languageGroup = &language;
    m_fontGroup = &font;
    {
        const QSignalBlocker quiet(font.SpinEdit3);
        font.SpinEdit3->setValue(m_options.fontSize);
    }
    showFamily();
    showLanguages();
    connect(font.SpinEdit3, &QSpinBox::valueChanged, this, [this](int v) { FontSizeChanged(v); });
    connect(font.ComboBox3, &QComboBox::currentIndexChanged, this, [this] {
        if (const QString name = m_fontGroup->chosenName(); !name.isEmpty()) chooseFamily(name);
    });
    connect(language.ComboBox2, &QComboBox::activated, this,
            [this](int index) { ChooseLanguage(index); });
    language.ComboBox2->installEventFilter(this);
    m_watchedLanguageList = language.ComboBox2;
}

void WindowAppearance::CollectElements() {
    m_elements = WindowElements(&m_window);
    PinFixedFonts(m_elements);
    m_builtInCaptions = Captions(captionedElements());
    m_waitingCaptions = QStringList(m_builtInCaptions.size(), QString());
    for (LazyPage* page : m_window.findChildren<LazyPage*>())
        page->whenMade([this, page] { pageMade(*page); });
}

bool WindowAppearance::eventFilter(QObject* watched, QEvent* event) {
    // Files added since the last look are offered when the "Окно" page comes up.
    if (event->type() == QEvent::Show && watched == m_watchedLanguageList) findLanguages();
    return QObject::eventFilter(watched, event);
}

void WindowAppearance::SetFontSize(int points) {
    const int size = std::clamp(points, MinFontSize, MaxFontSize);
    if (size == m_options.fontSize) return;
    if (m_fontGroup) {
        const QSignalBlocker quiet(m_fontGroup->SpinEdit3);
        m_fontGroup->SpinEdit3->setValue(size);
    }
    FontSizeChanged(size);
}

void WindowAppearance::SelectFontName(const QString& name) {
    // Kept even when the font is not installed now, so the next save does not lose it.
    if (!name.isEmpty()) m_options.fontName = name;
    const auto family = MatchFontFamily(InstalledFamilyNames(), name);
    if (!family || *family == m_chosenFamily) return;
    chooseFamily(*family);
    showFamily();
}

void WindowAppearance::showFamily() {
    if (!m_fontGroup) return;
    FontNameBox* list = m_fontGroup->ComboBox3;
    const QSignalBlocker quiet(list);
    // Without a choice, the family the list's own text is drawn in, as fontconfig resolves it:
    // the application's default font names a generic family that is not in the list.
    const QString family =
        m_chosenFamily.isEmpty() ? QFontInfo(list->font()).family() : m_chosenFamily;
    list->setCurrentIndex(list->offerFamily(family));
}

void WindowAppearance::FontSizeChanged(int value) {
    m_options.fontSize = value;
    if (m_walksHeld)
        m_heldSize = value;
    else if (value > 0)
        walkFont(value, QString());
}

void WindowAppearance::chooseFamily(const QString& family) {
    m_chosenFamily = family;
    m_options.fontName = family;
    if (m_walksHeld)
        m_heldName = family;
    else
        walkFont(std::nullopt, family);
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
    showLanguages();
}

void WindowAppearance::showLanguages() {
    if (!m_languageGroup) return;
    QComboBox* box = m_languageGroup->ComboBox2;
    const QSignalBlocker block(box);
    box->clear();
    box->addItem(ExtraText("Русский"));
    for (const LanguageEntry& e : m_languages)
        box->addItem(e.name);
    selectShownLanguage();
}

void WindowAppearance::selectShownLanguage() {
    if (!m_languageGroup) return;
    QComboBox* box = m_languageGroup->ComboBox2;
    const QSignalBlocker block(box);
    // The entry shown stays shown: the built-in one, a file's, or none.
    int index = -1;
    if (m_shownLanguage && m_shownLanguage->isEmpty()) {
        index = 0;
    } else if (m_shownLanguage) {
        if (const LanguageEntry* entry = FindLanguage(m_languages, *m_shownLanguage))
            index = int(entry - m_languages.data()) + 1;
    }
    box->setCurrentIndex(index);
}

void WindowAppearance::RestoreLanguage(const QString& name) {
    m_options.language = name;
    m_languageBuffer = LanguageBuffer();
    findLanguages();
    const LanguageEntry* entry = FindLanguage(m_languages, name);
    // No entry found: no selection, the texts in force stay.
    m_shownLanguage = entry ? std::optional(entry->name) : std::nullopt;
    selectShownLanguage();
    if (entry) loadLanguageFile(entry->path);
}

void WindowAppearance::ChooseLanguage(int index) {
    if (index == 0) {
        m_options.language.clear();
        m_shownLanguage = QString();
        selectShownLanguage();
        applyBuiltInLanguage();
        return;
    }
    if (index < 1 || index > m_languages.size()) return;
    const LanguageEntry entry = m_languages.at(index - 1);
    m_options.language = entry.name;
    m_shownLanguage = entry.name;
    selectShownLanguage();
    m_languageBuffer = LanguageBuffer();
    loadLanguageFile(entry.path);
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
    if (m_languageGroup) m_languageGroup->ComboBox2->setItemText(0, ExtraText("Русский"));
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
