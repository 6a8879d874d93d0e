// Makes a modeless top-level window take the user's input from every other
// window of the program, as a modal one does, without running a modal loop of
// its own.  The progress window needs it: it is shown while the caller's own
// loop keeps running, and when the options dialog (itself modal) owns it, the
// dialog's grab would otherwise keep the clicks on "停止" from arriving.
// Does nothing where GTK is not the toolkit.  User-interface thread only.
#pragma once

class wxTopLevelWindow;

namespace mivrel {

// Call after the window is shown; the grab ends when the window is destroyed.
void TakeInputGrab(wxTopLevelWindow& window);

}  // namespace mivrel
