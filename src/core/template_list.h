#pragma once
// The template selector's entries, its selected position and its current (active) text.

#include "core/text_template.h"

#include <QStringList>

namespace huebit {

class TemplateList {
public:
    TemplateList() : m_entries(DefaultTemplates()) { select(DefaultTemplateIndex); }

    const QStringList& entries() const { return m_entries; }
    int selected() const { return m_selected; }
    /// The selector's text: the selected entry, or what the user typed into its field.
    const QString& activeEntry() const { return m_active; }

    void select(int index) {
        m_selected = (index >= 0 && index < m_entries.size()) ? index : -1;
        if (m_selected >= 0) m_active = m_entries[m_selected];
    }
    void setActiveEntry(const QString& text) { m_active = text; }
    void setEntries(const QStringList& entries) { m_entries = entries; }

private:
    QStringList m_entries;
    int m_selected = -1;
    QString m_active;
};

} // namespace huebit
