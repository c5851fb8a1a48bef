#include "ui/font_name_box.h"

#include "settings/element_tags.h"

#include <QFontDatabase>
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

QStringList installedFamilies() {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) families.append(family);
    }
    return PlainFamilyNames(families);
}

} // namespace

FontNameBox::FontNameBox(QWidget* parent) : WholeLinesBox(parent) {
    setItemDelegate(new OwnFaceDelegate(this));
    addItems(installedFamilies());
    // As wide as about fourteen characters, whatever the names: measuring every name in its own
    // face would load every font at start.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(14);
    SetUniformLines(this);
}

} // namespace huebit
