// Tells the window manager what kind of top-level window a window is, for the
// buttons it draws on the title bar.  Some managers (openbox among them) draw
// minimise and maximise on every dialog, whatever the window's functions and
// size hints say: they ignore the Motif function hints for those two buttons
// by design and keep a disabled maximise button on a window that cannot be
// resized.  Only a window of the toolbar kind gets a title bar with the close
// button alone there; other managers decorate such a window like a dialog.
// Does nothing where GTK is not the toolkit.  User-interface thread only.
#pragma once

class wxTopLevelWindow;

namespace mivrel {

// REQUIRES: the window is not shown yet (the kind is read when it is mapped).
void MarkAsCloseOnlyWindow(wxTopLevelWindow& window);

}  // namespace mivrel
