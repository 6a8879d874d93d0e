// The port to what the main window does itself for the commands: the
// always-on-top band, the About window, showing, hiding and ending.  The
// desktop's main window implements it; the tool and tests use a double.
// User-interface thread only.
#pragma once

namespace mivrel {

// What the main window does itself.
class MainWindowActions {
 public:
  virtual ~MainWindowActions() = default;
  // State of the 前 toggle button after the click: true when down (pressed
  // and enabled).
  virtual bool AlwaysOnTopButtonDown() = 0;
  // Puts the main window into the topmost band or takes it out of it, without
  // moving or sizing it.
  virtual void SetAlwaysOnTop(bool topmost) = 0;
  virtual bool AboutWindowOpen() = 0;
  virtual void OpenAboutWindow() = 0;
  // Restores (if minimised), shows, activates and raises the main window.
  virtual void ShowMainWindow() = 0;
  virtual void HideMainWindow() = 0;
  // Sets the exit flag, so that the next close request ends the program.
  virtual void SetExitFlag() = 0;
  // Posts a close request to the main window (handled after this returns).
  virtual void PostCloseRequest() = 0;
  // Opens the options dialog (modal).
  virtual void OpenOptionsWindow() = 0;
  // Restores backup n (1-11) over the database.
  virtual void RestoreBackup(int n) = 0;
};

}  // namespace mivrel
