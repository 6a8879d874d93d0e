#include "app/test_commands.h"

#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/webview.h>

#include "app/item_lookup.h"
#include "base/text.h"
#include "framework/find_dialog.h"
#include "framework/tree_view_adapter.h"
#include "framework/web_view_pane.h"
#include "framework/wx_text.h"
#include "desktop/main_window.h"
#include "desktop/options_window.h"
#include "desktop/side_pane_window.h"

namespace mivrel {

bool IsTestCommand(const std::string& message, std::string& command) {
  if (message.empty() || message[0] != kTestCommandMark) return false;
  command = message.substr(1);
  return true;
}

namespace {

OptionsWindow* OpenOptionsWindow() {
  return dynamic_cast<OptionsWindow*>(wxWindow::FindWindowByName("FORM_Mivrel_FORM9_CLASS"));
}

// The options dialog's controls that a test cannot click through a system
// dialog or a pop-up menu.
bool RunOptionsCommand(const std::string& verb, const std::string& argument) {
  OptionsWindow* options = OpenOptionsWindow();
  if (options == nullptr) return false;
  if (verb == "options-colour") {
    const size_t blank = argument.find(' ');
    const long long index = LeadingNumber(argument);
    const auto colour = static_cast<std::uint32_t>(std::stoul(argument.substr(blank + 1), nullptr, 16));
    options->ApplyColour(static_cast<int>(index), colour);
  } else if (verb == "options-compact") {
    options->Compact();
  } else if (verb == "options-restore-menu") {
    options->ShowRestoreMenu();
  } else if (verb == "options-close") {
    options->EndModal(wxID_CANCEL);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void RunTestCommand(MainWindow& window, EventObserver& report, const std::string& command) {
  const size_t blank = command.find(' ');
  const std::string verb = command.substr(0, blank);
  const std::string argument = blank == std::string::npos ? std::string() : command.substr(blank + 1);
  if (verb == "exit") {
    window.RunCommand(static_cast<int>(CommandId::TrayExit));
  } else if (verb == "command") {
    window.RunCommand(static_cast<int>(LeadingNumber(argument)));
  } else if (verb == "script") {
    wxString output;
    const bool ran = window.Pane().View()->RunScript(wxString::FromUTF8(argument), &output);
    report.Observe("script", ran ? WxToGb(output) : std::string("<error>"));
  } else if (verb == "index") {
    window.Side().index_input->SetValue(wxString::FromUTF8(argument));
  } else if (verb == "select") {
    WxTreeView& tree = window.TreeAdapter();
    const TreeItem item = FindItemByLabel(tree, Utf8ToGb(argument));
    report.Observe("selected", item != kNoTreeItem ? tree.Label(item) : std::string("<none>"));
    if (item != kNoTreeItem) tree.SelectItem(item);
  } else if (verb == "drag") {
    WxTreeView& tree = window.TreeAdapter();
    const size_t bar = argument.find('|');
    const TreeItem from = FindItemByLabel(tree, Utf8ToGb(argument.substr(0, bar)));
    const TreeItem to =
        bar == std::string::npos ? kNoTreeItem : FindItemByLabel(tree, Utf8ToGb(argument.substr(bar + 1)));
    report.Observe("dragging", from != kNoTreeItem ? tree.Label(from) : std::string("<none>"));
    if (from != kNoTreeItem) tree.DropOnto(from, to);
  } else if (StartsWith(verb, "options-")) {
    if (!RunOptionsCommand(verb, argument)) report.Observe("unknown-command", Utf8ToGb(command));
  } else if (verb == "layout") {
    report.Observe("layout", "sash " + std::to_string(window.SashWidth()) + " pane " +
                             std::to_string(window.Side().GetSize().GetWidth()));
  } else if (verb == "index-caret") {
    // Selection start, end and the insertion point of the index's input box.
    long from = 0, to = 0;
    window.Side().index_input->GetSelection(&from, &to);
    report.Observe("index-caret", std::to_string(from) + "," + std::to_string(to) + "," +
                                  std::to_string(window.Side().index_input->GetInsertionPoint()));
  } else if (verb == "tree-key") {
    // A key pressed in the directory tree, by wx key code.
    wxTreeCtrl* tree = window.Side().tree;
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = static_cast<int>(LeadingNumber(argument));
    wxTreeEvent event(wxEVT_TREE_KEY_DOWN, tree);
    event.SetKeyEvent(key);
    tree->GetEventHandler()->ProcessEvent(event);
  } else if (verb == "edit-label") {
    // The text of the tree's label editor; with an argument, typed in and accepted.
    wxTreeCtrl* tree = window.Side().tree;
    wxTextCtrl* editor = tree->GetEditControl();
    report.Observe("edit-label", editor != nullptr ? WxToGb(editor->GetValue()) : std::string("<none>"));
    if (editor != nullptr && !argument.empty()) {
      editor->SetValue(wxString::FromUTF8(argument));
      tree->EndEditLabel(tree->GetSelection(), false);
    }
  } else if (verb == "find") {
    // Opens the find dialog, reports its labels and searches for the argument.
    window.Pane().FindInPage();
    FindDialog* dialog = window.Pane().OpenFindDialog();
    report.Observe("find-dialog", dialog != nullptr ? WxToGb(dialog->Labels()) : std::string("<none>"));
    if (dialog != nullptr) dialog->FindText(wxString::FromUTF8(argument));
  } else {
    report.Observe("unknown-command", Utf8ToGb(command));
  }
}

}  // namespace mivrel
