#include "ui/font_name_box.h"

#include "settings/element_tags.h"

#include <QFontDatabase>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace huebit {

namespace {

// Each line is drawn in its family's face; a family that cannot write its own name (a symbol
// font, a script of its own) keeps the list's face, so every line stays readable. Lines are
// measured in the list's face: measuring each in its own would load every installed font.
class OwnFaceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        m_measuring = true;
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        m_measuring = false;
        size.rwidth() += size.width() / 4; // room for the wider faces
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (m_measuring) return;
        const QString family = index.data(Qt::DisplayRole).toString();
        const QList<QFontDatabase::WritingSystem> scripts = QFontDatabase::writingSystems(family);
        if (!scripts.contains(QFontDatabase::Latin) || scripts.contains(QFontDatabase::Symbol))
            return;
        option->font.setFamilies({family});
    }

private:
    mutable bool m_measuring = false;
};

} // namespace

QStringList InstalledFamilyNames() {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) families.append(family);
    }
    return PlainFamilyNames(families);
}

FontNameBox::FontNameBox(QWidget* parent) : WholeLinesBox(parent) {
    setItemDelegate(new OwnFaceDelegate(this));
    uniformLines(); // the delegate has made the list already
    // As wide as about fourteen characters, whatever the names: measuring every name in its own
    // face would load every font at start.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(14);
}

int FontNameBox::indexOfFamily(const QString& name) const {
    QStringList families;
    for (int i = 0; i < count(); ++i)
        families.append(itemText(i));
    const auto family = MatchFontFamily(families, name);
    return family ? int(families.indexOf(*family)) : -1;
}

int FontNameBox::offerFamily(const QString& name) {
    if (const int index = indexOfFamily(name); index >= 0 || m_listed) return index;
    // The installed families' names cost next to nothing once the font database is read, as
    // the first text drawn reads it; what the start spares is the list's lines. Resolving the
    // name as a font instead would load a font engine for it.
    const auto family = MatchFontFamily(InstalledFamilyNames(), name);
    if (!family) return -1;
    addItem(*family);
    return count() - 1;
}

void FontNameBox::listInstalledFamilies() {
    if (m_listed) return;
    m_listed = true;
    const QString shown = currentIndex() < 0 ? QString() : currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(InstalledFamilyNames());
    setCurrentIndex(shown.isEmpty() ? -1 : indexOfFamily(shown));
}

void FontNameBox::showPopup() {
    listInstalledFamilies();
    WholeLinesBox::showPopup();
}

void FontNameBox::showEvent(QShowEvent* event) {
    listInstalledFamilies();
    WholeLinesBox::showEvent(event);
}

void FontNameBox::focusInEvent(QFocusEvent* event) {
    listInstalledFamilies();
    WholeLinesBox::focusInEvent(event);
}

} // namespace huebit
