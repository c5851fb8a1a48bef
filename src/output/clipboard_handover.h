#pragma once
// The clipboard when the program ends. On X11 a copied colour lives in the program that copied
// it: without a successor it is gone at exit, and a paste after closing gets nothing. A running
// clipboard manager takes the content over itself (Qt asks it to, SAVE_TARGETS, as the program
// ends); without one, a small keeper process of ours serves the same content until another
// program takes the clipboard.

#include "output/clipboard_offer.h"

namespace huebit {

/// The seam to the platform's clipboard at exit.
class ClipboardHandover {
public:
    virtual ~ClipboardHandover() = default;
    /// The clipboard still holds what this program put there.
    virtual bool ownsClipboard() const = 0;
    /// A clipboard manager runs and will save the content when the program ends.
    virtual bool managerRunning() const = 0;
    virtual ClipboardOffer content() const = 0;
    /// Starts a keeper serving `offer`; true once it holds the clipboard, false when it has not
    /// reported so within `waitMs` (it may still take it a moment later).
    virtual bool startKeeper(const ClipboardOffer& offer, int waitMs) = 0;
};

enum class HandoverResult {
    NotOwned,      ///< another program holds the clipboard: nothing to keep
    ToManager,     ///< the clipboard manager saves it
    NothingToKeep, ///< no format another program could paste
    Kept,          ///< the keeper serves it
    KeeperLate,    ///< the keeper did not confirm within the time allowed
};

/// What the program does with its clipboard as it ends, within `budgetMs`.
HandoverResult HandOverClipboardOnExit(ClipboardHandover& clipboard, int budgetMs);

/// The time a closing program may spend on its clipboard.
inline constexpr int HandoverBudgetMs = 100;

} // namespace huebit
