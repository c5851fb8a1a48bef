#include "output/clipboard_handover.h"

#include <QElapsedTimer>

namespace huebit {

HandoverResult HandOverClipboardOnExit(ClipboardHandover& clipboard, int budgetMs) {
    QElapsedTimer clock;
    clock.start();
    if (!clipboard.ownsClipboard()) return HandoverResult::NotOwned;
    if (clipboard.managerRunning()) return HandoverResult::ToManager;
    const ClipboardOffer offer = clipboard.content();
    if (offer.entries.empty()) return HandoverResult::NothingToKeep;
    const int left = qMax(0, budgetMs - int(clock.elapsed()));
    return clipboard.startKeeper(offer, left) ? HandoverResult::Kept : HandoverResult::KeeperLate;
}

} // namespace huebit
