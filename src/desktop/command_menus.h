// The toolbar, the tray menu and the directory tree's context menu, built
// from the command table's ids: each item is a CommandId with its caption
// and icon, enabled when CommandAvailable says its feature is built.  A
// chosen item arrives as a menu or tool event carrying its CommandId.
// User-interface thread only.
#pragma once

class wxFrame;
class wxMenu;

namespace mivrel {

// Fills the frame's toolbar (the 前 button is a toggle).
void BuildCommandToolbar(wxFrame& frame);
// New menus; the caller owns them.
wxMenu* NewTrayMenu();
wxMenu* NewTreeMenu();

}  // namespace mivrel
