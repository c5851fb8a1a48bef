#pragma once
// The interface text table: every title and message the program shows at run time. A language
// file may replace it; users read an entry at the moment they show it.

#include <QString>
#include <array>

namespace huebit {

constexpr int UiTextCount = 51;

class UiTexts {
public:
    /// Entries 0-39 hold the built-in texts, 40-50 stay empty.
    UiTexts() { reset(); }
    void reset();

    const QString& operator[](int index) const { return m_texts.at(std::size_t(index)); }
    void set(int index, const QString& text) { m_texts.at(std::size_t(index)) = text; }

    /// The built-in text of an entry (empty for 40-50).
    static QString defaultText(int index);

private:
    std::array<QString, UiTextCount> m_texts;
};

} // namespace huebit
