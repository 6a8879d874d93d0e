#include "framework/wx_ui.h"

#include <algorithm>

#include <wx/frame.h>
#include <wx/msgdlg.h>
// After msgdlg.h, which declares its base class.
#include <wx/generic/msgdlgg.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "framework/wx_text.h"

namespace mivrel {
namespace {

long IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return wxICON_ERROR;
    case MessageIcon::Exclamation:
      return wxICON_WARNING;
    case MessageIcon::Information:
      return wxICON_INFORMATION;
    case MessageIcon::Question:
      return wxICON_QUESTION;
  }
  return 0;
}

long ButtonStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return wxOK;
    case MessageButtons::YesNo:
      return wxYES_NO | wxNO_DEFAULT;
    case MessageButtons::YesNoCancel:
      return wxYES_NO | wxCANCEL | wxNO_DEFAULT;
  }
  return wxOK;
}

MessageAnswer Answer(int result) {
  switch (result) {
    case wxID_YES:
      return MessageAnswer::Yes;
    case wxID_NO:
      return MessageAnswer::No;
    case wxID_CANCEL:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace

WxUi::~WxUi() {
  if (busy_) wxEndBusyCursor();
}

void WxUi::SetMainWindow(wxFrame* frame) { frame_ = frame; }

MessageAnswer ShowMessageBox(wxWindow* parent, const std::string& gb_text, MessageIcon icon,
                             MessageButtons buttons) {
  wxGenericMessageDialog dialog(parent, GbToWx(gb_text), L"Mivrel",
                                IconStyle(icon) | ButtonStyle(buttons) | wxCENTRE);
  dialog.SetOKLabel(L"确定");
  dialog.SetYesNoCancelLabels(L"是", L"否", L"取消");
  // A box with a short text widens itself to half again its height before it
  // is shown, and on GTK it then lands on its owner's top-left corner instead
  // of over its middle.  Once it is on the screen (after the show has been
  // handled; the dialog's pending calls go with it): that width, so that the
  // title fits, and centred like the other boxes.
  dialog.Bind(wxEVT_SHOW, [&dialog](wxShowEvent& event) {
    event.Skip();
    if (!event.IsShown()) return;
    dialog.CallAfter([&dialog] {
      wxSize size = dialog.GetSize();
      size.x = std::max(size.x, size.y * 3 / 2);
      dialog.SetSize(size);
      dialog.CentreOnParent();
    });
  });
  return Answer(dialog.ShowModal());
}

MessageAnswer WxUi::ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                MessageOwner owner) {
  wxWindow* parent = owner == MessageOwner::MainWindow ? frame_ : nullptr;
  // A busy cursor over a message box would hide that the program waits for
  // the user.
  const bool was_busy = busy_;
  if (was_busy) SetBusyCursor(false);
  const MessageAnswer answer = ShowMessageBox(parent, text, icon, buttons);
  if (was_busy) SetBusyCursor(true);
  return answer;
}

void WxUi::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    wxBeginBusyCursor();
  } else {
    wxEndBusyCursor();
  }
}

void WxUi::SetStatusText(const std::string& text) {
  Observe(observer_, "status", text);
  if (frame_ == nullptr) return;
  wxStatusBar* bar = frame_->GetStatusBar();
  if (bar != nullptr && bar->GetFieldsCount() > kMessageStatusPart) {
    bar->SetStatusText(GbToWx(text), kMessageStatusPart);
  }
}

void WxUi::Beep() {
  Observe(observer_, "beep", "");
  wxBell();
}

}  // namespace mivrel
