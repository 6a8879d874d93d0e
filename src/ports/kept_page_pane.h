// A browser pane without a screen: it keeps the last page written and ignores
// everything else.  Used where pages are built but not shown (the command-line
// tool, benchmarks, tests).
#pragma once

#include <string>
#include <utility>

#include "ports/browser_pane.h"

namespace mivrel {

class KeptPagePane final : public BrowserPane {
 public:
  void WritePage(const std::string& gb_html, const std::string&) override { page = gb_html; }
  void TakePage(std::string&& gb_html, const std::string&) override { page = std::move(gb_html); }
  std::string CurrentAddress() override { return "about:blank"; }
  void Navigate(const std::string&) override {}
  void GoBackInBrowser() override {}
  void GoForwardInBrowser() override {}
  void FocusPane() override {}
  void FindInPage() override {}

  std::string page;  // the last page written, GB18030
};

}  // namespace mivrel
