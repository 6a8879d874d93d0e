// The port to the browser pane, the right-hand pane that shows every page.
// The desktop program implements it with a web view; tests and the
// command-line tool keep the last page written.  User-interface thread only.
#pragma once

#include <string>

namespace mivrel {

class BrowserPane {
 public:
  virtual ~BrowserPane() = default;
  // WritePageToPane: shows a finished GB18030 document.  An empty address means
  // "about:blank"; "about:blank#" + anchor opens the page at that anchor.
  virtual void WritePage(const std::string& gb_html, const std::string& address) = 0;
  // WritePage for a page its builder no longer needs: a pane that keeps the
  // page takes it over instead of copying megabytes.
  virtual void TakePage(std::string&& gb_html, const std::string& address) {
    WritePage(gb_html, address);
  }
  // The address of the shown document in the forms links are resolved in
  // ("about:..." for generated pages, the file or web address otherwise), GB18030.
  virtual std::string CurrentAddress() = 0;
  // Shows an outside document (an external help page) by its URL.
  virtual void Navigate(const std::string& gb_url) = 0;
  // The browser's own history, used while an outside page is shown.
  virtual void GoBackInBrowser() = 0;
  virtual void GoForwardInBrowser() = 0;
  virtual void FocusPane() = 0;
  virtual void FindInPage() = 0;
};

}  // namespace mivrel
