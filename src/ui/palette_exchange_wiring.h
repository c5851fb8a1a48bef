#pragma once
// The palette menu's entries for saving the strips to files and opening a GIMP palette.

#include <functional>

class QMenu;
class QString;

namespace huebit {

class FileDialog;
class PaletteExchange;
struct ExchangeResult;

struct PaletteExchangeWiring {
    QMenu& menu; ///< the user palette's menu
    PaletteExchange& exchange;
    std::function<FileDialog&()> fileDialog;
    /// Shows an outcome: its text in the status line, its error on standard error.
    std::function<void(const ExchangeResult&)> report;
};

void WirePaletteExchange(const PaletteExchangeWiring& w);

} // namespace huebit
