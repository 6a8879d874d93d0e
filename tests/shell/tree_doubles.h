// Test doubles for the directory-tree tests: a browser pane that keeps every
// page written and address navigated to, page hooks that make the tree follow
// shown pages the way the browsing shell does, and a clock that moves on by a
// fixed step at every reading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/clock.h"
#include "ports/browser_pane.h"
#include "render/page_hooks.h"
#include "shell/directory_tree.h"

namespace mivrel::testing {

class TreePagePane final : public BrowserPane {
 public:
  void WritePage(const std::string& html, const std::string& address) override {
    pages.push_back(html);
    addresses.push_back(address);
  }
  std::string CurrentAddress() override { return "about:blank"; }
  void Navigate(const std::string& url) override { navigations.push_back(url); }
  void GoBackInBrowser() override {}
  void GoForwardInBrowser() override {}
  void FocusPane() override {}
  void FindInPage() override {}

  std::string LastPage() const { return pages.empty() ? std::string() : pages.back(); }

  std::vector<std::string> pages;
  std::vector<std::string> addresses;
  std::vector<std::string> navigations;
};

struct RecordedPage {
  PageKind kind;
  int id;
  std::string title;
};

// Forwards the tree-following hooks to a DirectoryTree (set `tree` before use).
class TreeFollowHooks final : public PageHooks {
 public:
  void RecordPage(PageKind kind, int id, const std::string& title) override {
    recorded.push_back({kind, id, title});
  }
  void SelectTreeItemByPath(const std::string& path, PageKind kind) override {
    tree->SelectQuietly(tree->SelectItemByPath(path, kind));
  }
  void ClearTreeSelection() override { tree->ClearSelectionQuietly(); }
  bool SelectedTreeLabel(std::string& label) override {
    const TreeItem item = tree->View().SelectedItem();
    if (item == kNoTreeItem) return false;
    label = tree->View().Label(item);
    return true;
  }

  DirectoryTree* tree = nullptr;
  std::vector<RecordedPage> recorded;
};

class TickingClock final : public Clock {
 public:
  uint32_t NowMs() override { return now += step; }
  uint32_t now = 0;
  uint32_t step = 0;
};

}  // namespace mivrel::testing
