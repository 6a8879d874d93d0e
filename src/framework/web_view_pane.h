// The BrowserPane port over a wxWebView.
//
// Pages are written with SetPage(html, base) where base is the file:/// URL
// of the page temp folder, so that images written there load and every
// relative link comes back as base + link.  Clicked links of generated pages
// are vetoed and handed, as the address the navigation rules expect
// ("about:.y.7", "about:blank#x", "about:Sleep"), to the link handler, which
// runs after the engine's callback has returned.  Outside pages (http, file
// pages of external books) are left to the engine.
//
// The pane also gives the view the focus when the mouse is over it (unless
// the focus guard says no), and copies the page's selection to the
// clipboard when a mouse button is pressed in the page.
// User-interface thread only.
#pragma once

#include <functional>
#include <string>

#include <wx/panel.h>
#include <wx/timer.h>

#include "ports/browser_pane.h"
#include "ports/event_observer.h"
#include "ports/ui.h"

class wxWebView;
class wxWebViewEvent;
typedef struct _WebKitUserContentManager WebKitUserContentManager;
typedef struct _WebKitJavascriptResult WebKitJavascriptResult;

namespace mivrel {

class FindDialog;
struct FindRequest;

class WebViewPane final : public wxPanel, public BrowserPane {
 public:
  // Messages (nothing found, no browser) go to `ui`, which must outlive the
  // pane.  Links, loaded pages and copies are reported to `observer` when there
  // is one.
  WebViewPane(wxWindow* parent, Ui& ui, EventObserver* observer = nullptr);
  ~WebViewPane() override;

  // The folder generated pages are based in (the page temp folder).
  void SetBaseFolder(const std::string& gb_folder);
  // Receives the address of every clicked link of a generated page.
  void SetLinkHandler(std::function<void(const std::string& gb_address)> handler);
  // Asked before the mouse gives the view the focus; false keeps it where it is
  // (for example while a tree label is being edited).
  void SetFocusGuard(std::function<bool()> may_take_focus);

  wxWebView* View() const { return view_; }
  // True once the last page written has been loaded by the engine.
  bool PageLoaded() const { return loaded_; }

  // BrowserPane
  void WritePage(const std::string& gb_html, const std::string& address) override;
  std::string CurrentAddress() override;
  void Navigate(const std::string& gb_url) override;
  void GoBackInBrowser() override;
  void GoForwardInBrowser() override;
  void FocusPane() override;
  void FindInPage() override;
  // The open find dialog, or null.
  FindDialog* OpenFindDialog() const { return find_dialog_; }

 private:
  // Whether the shown page's text holds the request's text (as the find
  // options say); true when the page cannot be asked.
  bool PageHasText(const FindRequest& request);
  void OnNavigating(wxWebViewEvent& event);
  void OnNavigated(wxWebViewEvent& event);
  void OnLoaded(wxWebViewEvent& event);
  void OnNewWindow(wxWebViewEvent& event);
  // The page's copy-on-press message (the engine's signal handler).
  static void OnSelectionMessage(WebKitUserContentManager* contents, WebKitJavascriptResult* result,
                                 WebViewPane* pane);
  void CopySelection(const wxString& text);
  void OnFocusTimer(wxTimerEvent& event);
  void ScrollToAnchor(const std::string& gb_anchor);

  Ui& ui_;
  EventObserver* observer_;
  wxWebView* view_ = nullptr;
  wxTimer focus_timer_;
  std::string base_url_;        // UTF-8, ends with "/"
  std::string current_address_; // GB18030
  std::string pending_anchor_;  // GB18030, scrolled to when the page has loaded
  bool loaded_ = false;
  std::function<void(const std::string&)> link_handler_;
  std::function<bool()> focus_guard_;
  FindDialog* find_dialog_ = nullptr;
};

}  // namespace mivrel
