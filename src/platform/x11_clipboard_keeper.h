#pragma once
// The keeper of a copied colour: the program's own executable started under another name when
// the program ends while the clipboard still holds its colour and no clipboard manager runs.
// It reads the offer (clipboard_offer.h) on standard input, takes the X11 clipboard, writes
// one byte to standard output once it holds it, and serves every paste until another program
// takes the clipboard; then it ends. It never touches Qt's GUI.

namespace huebit {

inline constexpr char ClipboardKeeperName[] = "huebit-clipboard";
/// The byte the keeper writes once it holds the clipboard.
inline constexpr char KeeperReady = 'K';

/// The process was started as the keeper (its argv[0] is the keeper's name).
bool IsClipboardKeeper(const char* argv0);

/// The keeper's whole life; returns its exit code.
int RunClipboardKeeper();

} // namespace huebit
