#pragma once
// The clipboard at exit on X11: ownership and the clipboard manager asked through the X server,
// the keeper started as a detached copy of this very executable (so a portable copy needs no
// second file, and a program replaced on disk by an upgrade still starts its own keeper).

#include "output/clipboard_handover.h"

struct xcb_connection_t;

namespace huebit {

class X11ClipboardHandover : public ClipboardHandover {
public:
    /// Nothing happens off X11: every query answers "not owned".
    X11ClipboardHandover();

    bool ownsClipboard() const override;
    bool managerRunning() const override;
    ClipboardOffer content() const override;
    bool startKeeper(const ClipboardOffer& offer, int waitMs) override;

private:
    quint32 selectionOwner(const char* selection) const;

    xcb_connection_t* m_connection = nullptr;
};

} // namespace huebit
