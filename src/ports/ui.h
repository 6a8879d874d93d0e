// The port through which the core talks to the user: message boxes, the wait
// cursor and the status bar's last part.  The desktop program implements it
// with real windows; tests use a recording double; the command-line tool
// writes to standard error.  Call only from the user-interface thread.
#pragma once

#include <string>

namespace mivrel {

enum class MessageIcon { Stop, Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
// Who owns the box: the main window, or none (before any window exists).
enum class MessageOwner { MainWindow, None };

class Ui {
 public:
  virtual ~Ui() = default;
  // Shows a modal message box titled "Mivrel".  Texts are GB18030.  Questions
  // default to No.
  virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                                    MessageButtons buttons = MessageButtons::Ok,
                                    MessageOwner owner = MessageOwner::MainWindow) = 0;
  // Wait cursor on (true) or back to normal (false).
  virtual void SetBusyCursor(bool busy) = 0;
  // Writes the text into the last (sixth) part of the main window's status bar.
  virtual void SetStatusText(const std::string& text) = 0;
  // The system's warning sound (refused drops).
  virtual void Beep() = 0;
};

}  // namespace mivrel
