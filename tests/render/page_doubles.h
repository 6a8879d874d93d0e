// Doubles of the browser pane and the shell hooks for page tests, and a
// fixture that wires a PageRenderer to a fresh test library.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ports/browser_pane.h"
#include "render/page_hooks.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "support/recording_ui.h"
#include "support/test_library.h"

namespace mivrel::testing {

// Keeps every page written and counts focus requests.
class RecordingPane final : public BrowserPane {
 public:
  struct Written {
    std::string html;
    std::string address;
  };
  void WritePage(const std::string& gb_html, const std::string& address) override {
    pages.push_back({gb_html, address});
  }
  std::string CurrentAddress() override { return "about:blank"; }
  void Navigate(const std::string&) override {}
  void GoBackInBrowser() override {}
  void GoForwardInBrowser() override {}
  void FocusPane() override { ++focus_requests; }
  void FindInPage() override {}

  const std::string& LastPage() const { return pages.back().html; }
  std::vector<Written> pages;
  int focus_requests = 0;
};

// Records what page building asks of the shell; the search tab, the search
// text and the selected tree label are set by the test.
class RecordingHooks final : public PageHooks {
 public:
  struct Recorded {
    PageKind kind;
    int id;
    std::string title;
  };
  struct Selection {
    std::string path;
    PageKind kind;
  };
  void RecordPage(PageKind kind, int id, const std::string& title) override {
    recorded.push_back({kind, id, title});
  }
  void SelectTreeItemByPath(const std::string& path, PageKind kind) override {
    selections.push_back({path, kind});
  }
  void ClearTreeSelection() override { ++clears; }
  bool SelectedTreeLabel(std::string& label) override {
    label = selected_label;
    return has_selection;
  }
  bool SearchTabShowing() override { return search_tab; }
  std::string CurrentSearchText() override { return search_text; }
  void Trace(const std::string& line) override { traces.push_back(line); }

  std::vector<Recorded> recorded;
  std::vector<Selection> selections;
  std::vector<std::string> traces;
  int clears = 0;
  bool has_selection = false;
  std::string selected_label;
  bool search_tab = false;
  std::string search_text;
};

class PageTest : public ::testing::Test {
 protected:
  PageTest() : renderer(library.Db(), settings, pane, ui, hooks, clock) {
    renderer.BuildPageTemplate();
  }

  // The page after the head and the bar (the part pages differ in).
  std::string BodyOf(const std::string& page) const {
    const std::string bar_end = "</td></tr></table>";
    const size_t at = page.find(bar_end, renderer.Template().head.size());
    return at == std::string::npos ? std::string() : page.substr(at + bar_end.size());
  }
  // The trail: between the head and the end of the bar.
  std::string TrailOf(const std::string& page) const {
    const size_t head = renderer.Template().head.size();
    const size_t at = page.find("</td></tr></table>", head);
    return at == std::string::npos ? std::string() : page.substr(head, at - head);
  }

  TestLibrary library;
  Settings settings = DefaultSettings();
  RecordingPane pane;
  RecordingUi ui;
  RecordingHooks hooks;
  FakeClock clock;
  PageRenderer renderer;
};

}  // namespace mivrel::testing
