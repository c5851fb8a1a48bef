#pragma once
// The D-Bus session bus of an X session whose environment does not name it. The D-Bus library
// would then start its launcher as a process at every start of the program just to read the
// address the launcher keeps on the display; reading it here takes two round trips. Where no
// launcher is installed, the library would fork the program only to find that out.

#include <QByteArray>
#include <QtGlobal>
#include <xcb/xcb.h>

namespace huebit {

/// The selection the session's bus launcher owns on the display for `user` on the machine
/// with id `machineId`.
QByteArray SessionBusSelection(const QByteArray& user, const QByteArray& machineId);

/// The bus address the launcher keeps on the window that owns `selection`; empty when nobody
/// owns it or the window carries no address.
QByteArray SessionBusAddressOnX11(xcb_connection_t* c, const QByteArray& selection);

/// Whether a program named `name` can be run from one of the folders of `path` (a PATH value)
/// or from `fixedFolder`, the folder the D-Bus library looks in first.
bool ProgramOnPath(const QByteArray& name, const QByteArray& path,
                   const QByteArray& fixedFolder = "/usr/bin");

/// The per-user bus socket's address, in the runtime folder `runtimeDir` or, without one, in
/// the system's usual place for the user `uid`.
QByteArray UserBusAddress(const QByteArray& runtimeDir, uint uid);

/// When the environment names no session bus, names the one the D-Bus library would find by
/// itself, without its costly way of looking: the address a launcher keeps on the X display
/// behind `c`; or, when there is none and no launcher is installed to start one, the per-user
/// socket, the only place left where the library could find a bus. A connection then fails at
/// once when there is no bus at all, instead of after forking the program to run a launcher that
/// is not there. Called before any other thread runs, as it changes the environment.
void NameSessionBus(xcb_connection_t* c);

} // namespace huebit
