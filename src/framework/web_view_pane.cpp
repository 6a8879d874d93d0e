#include "framework/web_view_pane.h"

#include <wx/clipbrd.h>
#include <wx/sizer.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include <webkit2/webkit2.h>

#include "base/file_urls.h"
#include "base/files.h"
#include "base/text.h"
#include "framework/desktop_browser.h"
#include "framework/find_dialog.h"
#include "framework/link_address.h"
#include "framework/wx_text.h"
#include "framework/wx_ui.h"

namespace mivrel {
namespace {

constexpr int kFocusTimerMs = 100;
constexpr const char* kAnchorAddressPrefix = "about:blank#";

// Sent from the page when a mouse button goes down while text is selected,
// before the press clears the selection.
const wchar_t kCopyOnPressScript[] =
    L"document.addEventListener('mousedown', function() {"
    L"  var text = window.getSelection ? window.getSelection().toString() : '';"
    L"  if (text.length > 0) window.webkit.messageHandlers.mivrelSelection.postMessage(text);"
    L"}, true);";

// A JavaScript string literal for any text: everything outside printable
// ASCII, quotes and backslashes as \uXXXX.
wxString ScriptString(const wxString& text) {
  wxString out = L"'";
  for (wxUniChar c : text) {
    const unsigned long code = c.GetValue();
    if (code >= 0x20 && code < 0x7F && code != '\'' && code != '\\' && code != '"') {
      out += c;
    } else if (code <= 0xFFFF) {
      out += wxString::Format(L"\\u%04lX", code);
    } else {
      const unsigned long v = code - 0x10000;
      out += wxString::Format(L"\\u%04lX\\u%04lX", 0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF));
    }
  }
  out += L"'";
  return out;
}

}  // namespace

WebViewPane::WebViewPane(wxWindow* parent, Ui& ui, EventObserver* observer)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, L"Form4"),
      ui_(ui),
      observer_(observer),
      focus_timer_(this) {
  base_url_ = FolderFileUrl(TempRoot());
  view_ = wxWebView::New(this, wxID_ANY, L"about:blank");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(view_, 1, wxEXPAND);
  SetSizer(sizer);

  // Pages carry text from shared libraries and help books (names, briefs,
  // web-format entries, book labels), so script written into a page must not
  // run: it could navigate, reach the copy handler or read local files.  The
  // program's own scripts (the user script below, RunScript) still run.
  WebKitSettings* engine_settings =
      webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view_->GetNativeBackend()));
  webkit_settings_set_enable_javascript_markup(engine_settings, FALSE);

  view_->EnableHistory(true);
  // The message handler is registered with the engine directly: the
  // toolkit's own registration also runs a script in the blank page and
  // waits for the web process to start, which held the window back from
  // the screen for about a second.
  WebKitUserContentManager* contents =
      webkit_web_view_get_user_content_manager(WEBKIT_WEB_VIEW(view_->GetNativeBackend()));
  g_signal_connect(contents, "script-message-received::mivrelSelection",
                   G_CALLBACK(&WebViewPane::OnSelectionMessage), this);
  if (webkit_user_content_manager_register_script_message_handler(contents, "mivrelSelection")) {
    view_->AddUserScript(kCopyOnPressScript);
  }
  view_->Bind(wxEVT_WEBVIEW_NAVIGATING, &WebViewPane::OnNavigating, this);
  view_->Bind(wxEVT_WEBVIEW_NAVIGATED, &WebViewPane::OnNavigated, this);
  view_->Bind(wxEVT_WEBVIEW_LOADED, &WebViewPane::OnLoaded, this);
  view_->Bind(wxEVT_WEBVIEW_NEWWINDOW, &WebViewPane::OnNewWindow, this);
  Bind(wxEVT_TIMER, &WebViewPane::OnFocusTimer, this, focus_timer_.GetId());

  WritePage(std::string(), std::string());
  focus_timer_.Start(kFocusTimerMs);
}

WebViewPane::~WebViewPane() {
  focus_timer_.Stop();
  g_signal_handlers_disconnect_by_data(
      webkit_web_view_get_user_content_manager(WEBKIT_WEB_VIEW(view_->GetNativeBackend())), this);
  if (find_dialog_ != nullptr) find_dialog_->Destroy();
}

void WebViewPane::SetBaseFolder(const std::string& gb_folder) {
  base_url_ = FolderFileUrl(WithTrailingSeparator(gb_folder));
}

void WebViewPane::SetLinkHandler(std::function<void(const std::string&)> handler) {
  link_handler_ = std::move(handler);
}

void WebViewPane::SetFocusGuard(std::function<bool()> may_take_focus) {
  focus_guard_ = std::move(may_take_focus);
}

void WebViewPane::WritePage(const std::string& gb_html, const std::string& address) {
  current_address_ = address.empty() ? std::string("about:blank") : address;
  pending_anchor_ = StartsWith(current_address_, kAnchorAddressPrefix)
                        ? current_address_.substr(std::string(kAnchorAddressPrefix).size())
                        : std::string();
  loaded_ = false;
  view_->SetPage(GbToWx(gb_html), wxString::FromUTF8(base_url_));
}

std::string WebViewPane::CurrentAddress() { return current_address_; }

void WebViewPane::Navigate(const std::string& gb_url) {
  current_address_ = gb_url;
  loaded_ = false;
  view_->LoadURL(GbToWx(gb_url));
}

void WebViewPane::GoBackInBrowser() {
  if (view_->CanGoBack()) view_->GoBack();
}

void WebViewPane::GoForwardInBrowser() {
  if (view_->CanGoForward()) view_->GoForward();
}

void WebViewPane::FocusPane() { view_->SetFocus(); }

void WebViewPane::FindInPage() {
  if (find_dialog_ != nullptr) {
    find_dialog_->Raise();
    return;
  }
  find_dialog_ = new FindDialog(
      wxGetTopLevelParent(this),
      [this](const FindRequest& request) {
        int flags = wxWEBVIEW_FIND_HIGHLIGHT_RESULT | wxWEBVIEW_FIND_WRAP;
        if (request.match_case) flags |= wxWEBVIEW_FIND_MATCH_CASE;
        if (request.whole_word) flags |= wxWEBVIEW_FIND_ENTIRE_WORD;
        if (request.backwards) flags |= wxWEBVIEW_FIND_BACKWARDS;
        // The engine finds asynchronously and its answer comes too late to
        // tell the user at once; the page's text answers whether there is a hit.
        if (!PageHasText(request)) {
          ui_.ShowMessage("找不到“" + WxToGb(request.text) + "”。", MessageIcon::Exclamation,
                          MessageButtons::Ok, MessageOwner::MainWindow);
          return;
        }
        view_->Find(request.text, flags);
      },
      [this] {
        view_->Find(wxString());
        find_dialog_ = nullptr;
      });
  find_dialog_->Show();
}

bool WebViewPane::PageHasText(const FindRequest& request) {
  const wxString script =
      L"(function(t,c,w){var s=document.body?document.body.innerText:'';"
      L"if(!c){s=s.toLowerCase();t=t.toLowerCase();}"
      L"if(!w)return s.indexOf(t)>=0?'1':'0';"
      L"var e=t.replace(/[.*+?^${}()|[\\]\\\\]/g,'\\\\$&');"
      L"return new RegExp('(^|[^A-Za-z0-9_])'+e+'($|[^A-Za-z0-9_])').test(s)?'1':'0';})(" +
      ScriptString(request.text) + (request.match_case ? L",true" : L",false") +
      (request.whole_word ? L",true)" : L",false)");
  wxString found;
  // When the page cannot answer, the engine's own search still runs.
  return !view_->RunScript(script, &found) || found != L"0";
}

void WebViewPane::OnNavigating(wxWebViewEvent& event) {
  const wxScopedCharBuffer url = event.GetURL().utf8_str();
  const LinkTarget target = MapLinkUrl(std::string(url.data(), url.length()), base_url_);
  if (target.kind != LinkKind::Generated) return;
  // The page stays; the program decides what the link shows.  SetPage must not
  // run inside the engine's callback, hence CallAfter.
  event.Veto();
  Observe(observer_, "link", target.address);
  const std::string address = target.address;
  CallAfter([this, address] {
    if (link_handler_) link_handler_(address);
  });
}

void WebViewPane::OnNavigated(wxWebViewEvent& event) {
  const wxScopedCharBuffer url = event.GetURL().utf8_str();
  const std::string utf8(url.data(), url.length());
  if (MapLinkUrl(utf8, base_url_).kind == LinkKind::Outside && utf8 != "about:blank") {
    current_address_ = Utf8ToGb(utf8);
  }
}

void WebViewPane::OnLoaded(wxWebViewEvent& event) {
  const wxScopedCharBuffer url = event.GetURL().utf8_str();
  const std::string utf8(url.data(), url.length());
  const bool own_page = utf8 == base_url_;
  // The view's own first "about:blank" also reports LOADED; only the load of
  // our base (or of an outside page) means the page asked for is there.
  if (!own_page && utf8 == "about:blank") return;
  loaded_ = true;
  if (own_page && !pending_anchor_.empty()) {
    ScrollToAnchor(pending_anchor_);
    pending_anchor_.clear();
  }
  Observe(observer_, "loaded", own_page ? current_address_ : Utf8ToGb(utf8));
}

void WebViewPane::ScrollToAnchor(const std::string& gb_anchor) {
  const wxString name = ScriptString(GbToWx(gb_anchor));
  view_->RunScript(L"(function(){var e=document.getElementById(" + name +
                   L")||document.getElementsByName(" + name +
                   L")[0];if(e)e.scrollIntoView();})();");
}

void WebViewPane::OnNewWindow(wxWebViewEvent& event) {
  // Links that ask for a new window (the maker's web site on the home page)
  // open in the desktop's browser.
  const wxString url = event.GetURL();
  if (!url.StartsWith(L"http://") && !url.StartsWith(L"https://")) return;
  static_cast<void>(OpenInDesktopBrowser(url, ui_, MessageOwner::MainWindow));
}

void WebViewPane::OnSelectionMessage(WebKitUserContentManager*, WebKitJavascriptResult* result,
                                     WebViewPane* pane) {
  gchar* utf8 = jsc_value_to_string(webkit_javascript_result_get_js_value(result));
  const wxString text = wxString::FromUTF8(utf8 != nullptr ? utf8 : "");
  g_free(utf8);
  pane->CopySelection(text);
}

void WebViewPane::CopySelection(const wxString& text) {
  if (text.empty()) return;
  if (wxTheClipboard->Open()) {
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
  }
  Observe(observer_, "copied", WxToGb(text));
}

void WebViewPane::OnFocusTimer(wxTimerEvent&) {
  if (!IsShownOnScreen()) return;
  const wxPoint pointer = wxGetMousePosition();
  if (!view_->GetScreenRect().Contains(pointer)) return;
  if (wxWindow::FindFocus() == view_) return;
  if (focus_guard_ && !focus_guard_()) return;
  view_->SetFocus();
}

}  // namespace mivrel
