#include "core/template_list.h"

namespace huebit {

void TemplateList::select(int index) {
    m_selected = (index >= 0 && index < m_entries.size()) ? index : -1;
    if (m_selected >= 0) m_active = m_entries[m_selected];
}

void TemplateList::setActiveEntry(const QString& text) {
    m_active = text;
    if (m_selected >= 0 && m_selected < m_entries.size() && m_entries[m_selected] == text) return;
    m_selected = int(m_entries.indexOf(text));
}

void TemplateList::setEntries(const QStringList& entries) { m_entries = entries; }

QStringList TemplateList::editorLines() const { return m_entries.mid(0, MaxEditorEntries); }

void TemplateList::applyLines(const QStringList& lines) {
    const int remembered = m_selected;
    QStringList entries;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        if (entries.size() == MaxEditorEntries) break;
        entries.append(line);
    }
    m_entries = entries;
    if (remembered >= 0) select(remembered);
}

} // namespace huebit
