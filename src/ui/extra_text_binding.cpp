#include "ui/extra_text_binding.h"

#include "core/extra_texts.h"
#include "ui/element_hint.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>

namespace huebit {

namespace {

constexpr const char* BindingsProperty = "huebitExtraTexts";

void Retext(QObject* o) {
    const QVariantMap bindings = o->property(BindingsProperty).toMap();
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it)
        o->setProperty(it.key().toLatin1().constData(), ExtraText(it.value().toString()));
}

} // namespace

void BindExtraText(QObject* o, const char* property, const QString& builtIn) {
    QVariantMap bindings = o->property(BindingsProperty).toMap();
    bindings.insert(QLatin1String(property), builtIn);
    o->setProperty(BindingsProperty, bindings);
    o->setProperty(property, ExtraText(builtIn));
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
