#pragma once
// Every page and sub-page of the main window in turn, for the widget tests that look at each.

#include "ui/huebit_window.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTabWidget>
#include <functional>

namespace huebit {

// Every page and sub-page in turn, switched without their change handlers (no screen copy, no
// colour dialog): `visit` runs on each, named by the pages shown.
inline void walkPages(THuebit& window, const std::function<void(const QString&)>& visit) {
    const QList<QTabWidget*> all = window.findChildren<QTabWidget*>();
    const auto inner = [&all](const QWidget* page) {
        QList<QTabWidget*> out;
        for (QTabWidget* t : all) {
            if (page->isAncestorOf(t)) out << t;
        }
        return out;
    };
    // Shows page `index` of `tabs`, then every page of the page controls inside it.
    std::function<void(QTabWidget*, int, const QString&)> walk;
    walk = [&](QTabWidget* tabs, int index, const QString& path) {
        {
            const QSignalBlocker quiet(tabs);
            tabs->setCurrentIndex(index);
        }
        QApplication::processEvents();
        const QString here = path + "/" + tabs->tabText(index).trimmed();
        visit(here);
        for (QTabWidget* t : inner(tabs->widget(index))) {
            for (int i = 0; i < t->count(); ++i)
                walk(t, i, here);
            const QSignalBlocker quiet(t);
            t->setCurrentIndex(0);
        }
    };
    for (int page = 0; page < window.pages()->count(); ++page)
        walk(window.pages(), page, QString());
    window.ShowPage(0);
}

} // namespace huebit
