#include "app/test_commands.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

#include "app/item_lookup.h"
#include "app/scripted_file_dialogs.h"
#include "app/scripted_ui.h"
#include "base/text.h"
#include "framework/find_dialog.h"
#include "framework/tree_view_adapter.h"
#include "framework/virtual_tree_control.h"
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

wxDialog* ModalDialog() {
  wxDialog* modal = nullptr;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog != nullptr && dialog->IsModal()) modal = dialog;
  }
  return modal;
}

// Sets a control of the open dialog as the user would (the control's own
// change event follows): a text, a check box ("1"/"0"), or the first list
// item whose text contains the value.
void SetDialogControl(wxWindow* control, const std::string& utf8_value) {
  const wxString value = wxString::FromUTF8(utf8_value);
  if (auto* text = dynamic_cast<wxTextCtrl*>(control)) {
    text->SetValue(value);
  } else if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
    box->SetValue(utf8_value == "1");
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(event);
  } else if (auto* list = dynamic_cast<wxChoice*>(control)) {
    for (unsigned i = 0; i < list->GetCount(); ++i) {
      if (list->GetString(i).Find(value) == wxNOT_FOUND) continue;
      list->SetSelection(static_cast<int>(i));
      wxCommandEvent event(wxEVT_CHOICE, list->GetId());
      event.SetEventObject(list);
      event.SetInt(static_cast<int>(i));
      list->ProcessWindowEvent(event);
      return;
    }
  }
}

// dialog <name>=<value>, dialog-click <name>, dialog-script <js>, dialog-close:
// act on the open modal dialog's controls, found by their window names.
void RunDialogCommand(EventObserver& report, const std::string& verb, const std::string& argument) {
  wxDialog* dialog = ModalDialog();
  if (dialog == nullptr) {
    report.Observe("dialog-missing", verb);
    return;
  }
  if (verb == "dialog-close") {
    dialog->Close();
    return;
  }
  const size_t equals = argument.find('=');
  const std::string name = verb == "dialog" ? argument.substr(0, equals) : argument;
  wxWindow* control = wxWindow::FindWindowByName(wxString::FromUTF8(verb == "dialog-script" ? "web" : name), dialog);
  if (control == nullptr) {
    report.Observe("dialog-missing", name);
    return;
  }
  if (verb == "dialog" && equals != std::string::npos) {
    SetDialogControl(control, argument.substr(equals + 1));
  } else if (verb == "dialog-click") {
    wxCommandEvent event(wxEVT_BUTTON, control->GetId());
    event.SetEventObject(control);
    control->ProcessWindowEvent(event);
  } else if (verb == "dialog-script") {
    wxString output;
    auto* web = dynamic_cast<wxWebView*>(control);
    const bool ran = web != nullptr && web->RunScript(wxString::FromUTF8(argument), &output);
    report.Observe("dialog-script", ran ? WxToGb(output) : std::string("<error>"));
  }
}

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
  } else if (verb == "options-backup") {
    options->BackUp();
  } else if (verb == "options-restore-menu") {
    options->ShowRestoreMenu();
  } else if (verb == "options-close") {
    options->EndModal(wxID_CANCEL);
  } else {
    return false;
  }
  return true;
}

// answer yes|no|cancel: queues the answer of the next question box.
void QueueQuestionAnswer(ScriptedUi& messages, EventObserver& report, const std::string& argument) {
  if (argument == "yes") {
    messages.QueueAnswer(MessageAnswer::Yes);
  } else if (argument == "no") {
    messages.QueueAnswer(MessageAnswer::No);
  } else if (argument == "cancel") {
    messages.QueueAnswer(MessageAnswer::Cancel);
  } else {
    report.Observe("unknown-command", "answer " + Utf8ToGb(argument));
  }
}

}  // namespace

void RunTestCommand(MainWindow& window, EventObserver& report, ScriptedAnswers& answers,
                    const std::string& command) {
  const size_t blank = command.find(' ');
  const std::string verb = command.substr(0, blank);
  const std::string argument = blank == std::string::npos ? std::string() : command.substr(blank + 1);
  if (verb == "exit") {
    window.RunCommand(static_cast<int>(CommandId::TrayExit));
  } else if (verb == "command") {
    // After this handler has returned: a command that opens a modal window
    // must not hold the channel's timer, or no later test command arrives.
    const int id = static_cast<int>(LeadingNumber(argument));
    window.CallAfter([&window, id] { window.RunCommand(id); });
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
    // A key pressed in the directory tree, by wx key code; reports the
    // selected item after the key.
    VirtualTreeControl* tree = window.Side().tree;
    tree->PressKey(static_cast<int>(LeadingNumber(argument)));
    WxTreeView& view = window.TreeAdapter();
    const TreeItem selected = view.SelectedItem();
    report.Observe("tree-key", selected != kNoTreeItem ? view.Label(selected) : std::string("<none>"));
  } else if (verb == "edit-label") {
    // The text of the tree's label editor; with an argument, typed in and accepted.
    VirtualTreeControl* tree = window.Side().tree;
    wxTextCtrl* editor = tree->EditControl();
    report.Observe("edit-label", editor != nullptr ? WxToGb(editor->GetValue()) : std::string("<none>"));
    if (editor != nullptr && !argument.empty()) {
      editor->SetValue(wxString::FromUTF8(argument));
      tree->EndEditLabel(EditEnd::Accept);
    }
  } else if (verb == "find") {
    // Opens the find dialog, reports its labels and searches for the argument.
    window.Pane().FindInPage();
    FindDialog* dialog = window.Pane().OpenFindDialog();
    report.Observe("find-dialog", dialog != nullptr ? WxToGb(dialog->Labels()) : std::string("<none>"));
    if (dialog != nullptr) dialog->FindText(wxString::FromUTF8(argument));
  } else if (verb == "file-answer") {
    answers.files.QueueAnswer(Utf8ToGb(argument));
  } else if (verb == "answer") {
    QueueQuestionAnswer(answers.messages, report, argument);
  } else if (StartsWith(verb, "dialog")) {
    RunDialogCommand(report, verb, argument);
  } else if (StartsWith(verb, "options-")) {
    if (!RunOptionsCommand(verb, argument)) report.Observe("unknown-command", Utf8ToGb(command));
  } else {
    report.Observe("unknown-command", Utf8ToGb(command));
  }
}

}  // namespace mivrel
