#pragma once
// The main window's appearance: the interface font applied through the element walk, and the
// language file applied to the text table and the captions. The font group and the language
// selector of the settings sub-page "Окно" drive it once that sub-page has made them, and show
// what is in force; the settings file restores both through the same operations.

#include "core/ui_texts.h"
#include "settings/language_choice.h"
#include "settings/language_file.h"
#include "settings/shell_options.h"
#include "ui/element_walk.h"

#include <QObject>
#include <functional>

namespace huebit {

class FontGroup;
class LanguageGroup;
class LazyPage;

class WindowAppearance : public QObject {
    Q_OBJECT
public:
    WindowAppearance(QWidget& window, UiTexts& texts, ShellOptions& options);

    /// The settings sub-page has made its language selector and font group: they show the
    /// language and the font in force, and choose them from now on.
    void AttachControls(LanguageGroup& language, FontGroup& font);

    /// Takes the element list once the layout is complete; later walks use this order. A page
    /// that makes its controls later (LazyPage) takes the font and captions in force then.
    void CollectElements();
    const ElementList& elements() const { return m_elements; }
    /// The elements that take caption lines, in line order; null for those of a page that has
    /// not made its controls yet.
    QList<QWidget*> captionedElements() const { return CaptionedElements(m_elements); }

    /// The interface font size as the user sets it in the spin box (1-100; a change re-fonts
    /// the window).
    void SetFontSize(int points);
    /// Chooses the installed family a stored font name selects, compared without case; a name
    /// no installed family carries changes nothing, and the list goes on showing the font in use.
    void SelectFontName(const QString& name);

    /// While the settings file is applied at start, a stored size and name re-font the window
    /// in one walk when released, not one walk each.
    void HoldFontWalks() { m_walksHeld = true; }
    void ReleaseFontWalks();

    /// Applies `LanguageBuffer` to the text table, the captions and the extra texts; an empty
    /// buffer or a wrong version shows the error box and changes nothing.
    void LoadLanguage();
    /// The settings file's language (its line 169), or a first start's: the named file among
    /// the language folders' "*.lng" files is selected and loaded; a name none of them carries,
    /// or a file that cannot be opened, is ignored (the texts in force stay).
    void RestoreLanguage(const QString& name);
    /// The selector's choice: its first entry brings the built-in texts back, any other loads
    /// that file.
    void ChooseLanguage(int index);
    /// True while the built-in (Russian) texts are in force.
    bool builtInLanguage() const { return m_builtIn; }
    /// The languages the selector offers after its built-in entry: the folders are listed when
    /// a language is restored and when the selector is shown, not at every start.
    const QList<LanguageEntry>& languages() const { return m_languages; }
    LanguageBuffer& languageBuffer() { return m_languageBuffer; }

    /// A complete language file of the texts and captions now in force: every page's controls
    /// are made for it.
    QByteArray LanguageTemplate();

    /// The start-up directory, one of the folders whose "*.lng" files the selector offers.
    void setStartupDirectory(const QString& dir);
    /// Replaces every language folder (tests); the start-up directory is not searched then.
    void setLanguageFolders(const QStringList& folders);
    /// Replaces the error box (tests record its text instead).
    void setErrorBox(std::function<void(const QString&)> box) { m_errorBox = std::move(box); }

signals:
    /// The interface font is about to change: the window takes its layout's size first, so the
    /// new font is fitted to that, whatever size an earlier font left.
    void fontChanging();
    /// The interface font has changed and the controls have taken it in.
    void fontChanged();
    /// Another language is in force; `builtIn` when it is the built-in one.
    void languageChanged(bool builtIn);

private:
    void walkFont(std::optional<int> size, const QString& name);
    /// A page has made its controls: they join the walk, take the interface font and the
    /// captions the language in force gave them while they were waiting.
    void pageMade(LazyPage& page);
    /// The captions in force, those of controls still to be made included (null: built-in).
    QStringList captionsInForce(const QList<QWidget*>& captioned) const;
    /// Shows `captions` on the elements, or keeps them for those still to be made.
    void showCaptions(const QList<QWidget*>& captioned, const QStringList& captions);
    void FontSizeChanged(int value);
    void chooseFamily(const QString& family);
    /// The font list shows the chosen family, or while none is chosen (none stored, or a stored
    /// one not installed) the family the interface font is drawn in. That is no choice: nothing
    /// is re-fonted or stored.
    void showFamily();
    /// The language selector lists the language files found and shows the language in force.
    void showLanguages();
    void selectShownLanguage();
    void showErrorBox(const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void findLanguages();
    void loadLanguageFile(const QString& path);
    void applyBuiltInLanguage();
    void languageApplied(bool builtIn);

    QWidget& m_window;
    LanguageGroup* m_languageGroup = nullptr; ///< null until the settings sub-page is made
    FontGroup* m_fontGroup = nullptr;
    UiTexts& m_texts;
    ShellOptions& m_options;
    ElementList m_elements;
    LanguageBuffer m_languageBuffer;
    QString m_startupDirectory;
    std::optional<QStringList> m_languageFolders;
    QList<LanguageEntry> m_languages;
    /// The selector's entry: the built-in texts (empty), a file's name, or none (no value).
    std::optional<QString> m_shownLanguage = QString();
    /// The installed family chosen for the interface; empty while none is.
    QString m_chosenFamily;
    QStringList m_builtInCaptions;
    /// By caption line: the caption a control still to be made takes when made; null for the
    /// built-in one.
    QStringList m_waitingCaptions;
    /// The last interface font walk's size and family, for controls made later.
    std::optional<int> m_walkedSize;
    QString m_walkedName;
    bool m_refitQueued = false; ///< a fit for pages made since is on its way
    bool m_builtIn = true;
    std::function<void(const QString&)> m_errorBox;
    /// The language list that the event filter watches, compared by address only: its group
    /// may already be half destroyed when the list's last events arrive.
    const QObject* m_watchedLanguageList = nullptr;
    bool m_walksHeld = false;
    std::optional<int> m_heldSize;
    QString m_heldName;
};

} // namespace huebit
