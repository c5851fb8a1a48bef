#include "ui/choice_button.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace huebit {

namespace {

class ChoiceButtonAccessible : public QAccessibleWidget {
public:
    explicit ChoiceButtonAccessible(ChoiceButton* b)
        : QAccessibleWidget(b, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        return QString(button()->text()).remove(QLatin1Char('&'));
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (!button()->isEnabled()) return;
        if (name == toggleAction() || name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ChoiceButton* button() const { return static_cast<ChoiceButton*>(widget()); }
};

QAccessibleInterface* accessibleChoice(const QString&, QObject* object) {
    if (auto* b = qobject_cast<ChoiceButton*>(object)) return new ChoiceButtonAccessible(b);
    return nullptr;
}

} // namespace

ChoiceButton::ChoiceButton(QWidget* parent) : QToolButton(parent) {
    // Installed before the first of these buttons can be asked for its interface.
    static const bool installed = (QAccessible::installFactory(accessibleChoice), true);
    Q_UNUSED(installed);
    setCheckable(true);
}

} // namespace huebit
