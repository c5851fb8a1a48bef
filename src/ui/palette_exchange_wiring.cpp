#include "ui/palette_exchange_wiring.h"

#include "palettes/palette_exchange.h"
#include "ui/extra_text_binding.h"

#include <QMenu>

namespace huebit {

void WirePaletteExchange(const PaletteExchangeWiring& w) {
    // After the menu's own entries, so that those keep their places.
    w.menu.addSeparator();
    const auto exportStrip = [w](StripId which) {
        return [w, which] { w.report(w.exchange.ExportWithDialog(which, w.fileDialog())); };
    };
    QAction* save = BoundAction(w.menu.addAction(QStringLiteral("Сохранить палитру в файл...")));
    save->setObjectName(QStringLiteral("SavePaletteItem"));
    QObject::connect(save, &QAction::triggered, &w.menu, exportStrip(StripId::UserPalette));
    QAction* open = BoundAction(w.menu.addAction(QStringLiteral("Загрузить палитру GIMP...")));
    open->setObjectName(QStringLiteral("OpenPaletteItem"));
    QObject::connect(open, &QAction::triggered, &w.menu,
                     [w] { w.report(w.exchange.ImportWithDialog(w.fileDialog())); });
    QAction* previous =
        BoundAction(w.menu.addAction(QStringLiteral("Сохранить предыдущие цвета в файл...")));
    previous->setObjectName(QStringLiteral("SavePreviousItem"));
    QObject::connect(previous, &QAction::triggered, &w.menu, exportStrip(StripId::PreviousColors));
}

} // namespace huebit
