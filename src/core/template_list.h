#pragma once
// The template selector's entries, its selected position and its current (active) text.

#include "core/text_template.h"

#include <QStringList>

namespace huebit {

class TemplateList {
public:
    /// The list editor takes and gives at most this many entries.
    static constexpr int MaxEditorEntries = 255;

    TemplateList() : m_entries(FirstStartTemplates()) { select(DefaultTemplateIndex); }
    /// A list of these entries with nothing selected and no active text.
    explicit TemplateList(QStringList entries) : m_entries(std::move(entries)) {}

    const QStringList& entries() const { return m_entries; }
    /// The selected position, or -1 while the active text was typed rather than chosen.
    int selected() const { return m_selected; }
    /// The selector's text: the selected entry, or what the user typed into its field.
    const QString& activeEntry() const { return m_active; }

    /// Choosing an entry makes it the active text; an index outside the list selects nothing
    /// and leaves the text as it is.
    void select(int index);
    /// Typing into the selector's field: selected only if the text is one of the entries.
    void setActiveEntry(const QString& text);
    void setEntries(const QStringList& entries);

    /// The list editor's lines: the entries, at most MaxEditorEntries of them.
    QStringList editorLines() const;
    /// Replaces the entries by the non-empty lines (at most MaxEditorEntries), keeping the
    /// selected position; a typed active text stays as typed, with nothing selected.
    void applyLines(const QStringList& lines);

private:
    QStringList m_entries;
    int m_selected = -1;
    QString m_active;
};

} // namespace huebit
