#include "ui/extra_text_binding.h"

#include "core/extra_texts.h"
#include "ui/element_hint.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QVariantMap>
#include <QWidget>

namespace huebit {

namespace {

constexpr const char* BindingsProperty = "huebitExtraTexts";
constexpr const char* TabBindingsProperty = "huebitTabWhatsThis";

// The texts widgets bind most, set through their setters: finding a property by its name costs
// more than setting the text.
bool setWidgetText(QObject* o, QLatin1StringView property, const QString& text) {
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    if (property == QLatin1StringView("statusTip")) {
        w->setStatusTip(text);
    } else if (property == QLatin1StringView("accessibleName")) {
        w->setAccessibleName(text);
    } else if (property == QLatin1StringView("accessibleDescription")) {
        w->setAccessibleDescription(text);
    } else if (property == QLatin1StringView("toolTip")) {
        w->setToolTip(text);
    } else {
        return false;
    }
    return true;
}

void setText(QObject* o, const char* property, const QString& text) {
    if (!setWidgetText(o, QLatin1StringView(property), text)) o->setProperty(property, text);
}

void Retext(QObject* o) {
    const QVariantMap bindings = o->property(BindingsProperty).toMap();
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it)
        setText(o, it.key().toLatin1().constData(), ExtraText(it.value().toString()));
    if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
        const QStringList builtIn = tabs->property(TabBindingsProperty).toStringList();
        for (int i = 0; i < builtIn.size() && i < tabs->count(); ++i)
            tabs->setTabWhatsThis(i, ExtraText(builtIn.at(i)));
    }
}

} // namespace

void BindExtraText(QObject* o, const char* property, const QString& builtIn) {
    QVariantMap bindings = o->property(BindingsProperty).toMap();
    bindings.insert(QLatin1String(property), builtIn);
    o->setProperty(BindingsProperty, bindings);
    setText(o, property, ExtraText(builtIn));
}

void BindExtraText(QObject* o, const char* property) {
    BindExtraText(o, property, o->property(property).toString());
}

void UnbindExtraText(QObject* o, const char* property) {
    const QVariant stored = o->property(BindingsProperty);
    if (!stored.isValid()) return;
    QVariantMap bindings = stored.toMap();
    if (bindings.remove(QLatin1String(property)) > 0) o->setProperty(BindingsProperty, bindings);
}

void BindTabWhatsThis(QTabWidget* tabs, int index, const QString& builtIn) {
    QStringList builtIns = tabs->property(TabBindingsProperty).toStringList();
    while (builtIns.size() <= index)
        builtIns.append(QString());
    builtIns[index] = builtIn;
    tabs->setProperty(TabBindingsProperty, builtIns);
    tabs->setTabWhatsThis(index, ExtraText(builtIn));
}

QAction* BoundAction(QAction* action) {
    BindExtraText(action, "text");
    return action;
}

void RetextWindows() {
    // Guarded: a new text may replace parts of a control (a text document's frames).
    QList<QPointer<QObject>> objects;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        objects.append(window);
        for (QObject* o : window->findChildren<QObject*>())
            objects.append(o);
    }
    for (const QPointer<QObject>& o : objects) {
        if (o) Retext(o);
    }
    // Texts composed at run time are composed again (a widget passes it on to its children).
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}

void SetElementHint(QWidget* w, const QString& hint, const QString& caption) {
    BindExtraText(w, "statusTip", hint);
    if (caption.isEmpty()) {
        BindExtraText(w, "accessibleName", hint);
    } else {
        UnbindExtraText(w, "accessibleName");
        w->setAccessibleName(caption);
    }
    if (!hint.isEmpty()) BindExtraText(w, "accessibleDescription", hint);
}

} // namespace huebit
