// Commands a GUI test sends through the hand-over channel, honoured only
// while the test report (app/test_report.h) is on.  A test command is
// a message that starts with the byte 0x01, then a verb, a blank and its
// argument (UTF-8):
//   exit            the exit command (as 退出资料库)
//   command <id>    a command of the table by number, as a toolbar click
//   script <js>     runs JavaScript in the browser pane; reports "script" + result
//   index <text>    types the text into the name index box
//   select <label>  selects the directory tree item with that label (a
//                   loaded category's "(count)" may be left out)
//   drag <from>|<to> drops the item labelled <from> onto the one labelled <to>
//                   through the tree adapter, as a mouse drag ends
//   tree-key <code> presses a key (wx key code) in the directory tree;
//                   reports "tree-key" + the selected item's label after it
//   edit-label [<text>]  reports "edit-label" + the open label editor's text
//                   ("<none>" when closed); with a text, types it and presses Enter
//   dialog <name>=<value>  sets a control of the open modal dialog (by its
//                   window name): text, check box "1"/"0", or the first list
//                   item containing the value
//   dialog-click <name>    presses a button of the open dialog
//   dialog-script <js>     runs JavaScript in the dialog's web view ("web");
//                   reports "dialog-script" + result
//   dialog-close    closes the open dialog by its close box
//   options-colour <index> <hex>  sets colour <index> in the open options
//                   dialog as its colour dialog would
//   options-compact / options-backup / options-restore-menu / options-close
//                   the options dialog's "整理", "备份", "恢复" and closing
//   file-answer <path>  the path the next open or save dialog returns (no
//                   path: the dialog is cancelled)
//   answer yes|no|cancel  the answer of the next question box
// Results and events go to the observer (the test report).  User-interface thread only.
#pragma once

#include <string>

namespace mivrel {

class EventObserver;
class MainWindow;
class ScriptedFileDialogs;
class ScriptedUi;

// The seams whose answers a test queues ahead of the dialogs that take them.
struct ScriptedAnswers {
  ScriptedUi& messages;
  ScriptedFileDialogs& files;
};

constexpr char kTestCommandMark = '\x01';

// True when `message` is a test command; `command` receives it without the mark.
bool IsTestCommand(const std::string& message, std::string& command);
void RunTestCommand(MainWindow& window, EventObserver& report, ScriptedAnswers& answers,
                    const std::string& command);

}  // namespace mivrel
