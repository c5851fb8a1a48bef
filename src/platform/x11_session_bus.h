#pragma once
// The D-Bus session bus of an X session whose environment does not name it. The D-Bus library
// would then start its launcher as a process at every start of the program just to read the
// address the launcher keeps on the display; reading it here takes two round trips.

#include <QByteArray>
#include <xcb/xcb.h>

namespace huebit {

/// The selection the session's bus launcher owns on the display for `user` on the machine
/// with id `machineId`.
QByteArray SessionBusSelection(const QByteArray& user, const QByteArray& machineId);

/// The bus address the launcher keeps on the window that owns `selection`; empty when nobody
/// owns it or the window carries no address.
QByteArray SessionBusAddressOnX11(xcb_connection_t* c, const QByteArray& selection);

/// When the environment names no session bus and the X display behind `c` has one, puts its
/// address in the environment. Called before any other thread runs, as it changes the
/// environment; does nothing without a connection.
void NameX11SessionBus(xcb_connection_t* c);

} // namespace huebit
