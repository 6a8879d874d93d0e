// Test doubles for the directory-tree tests: a browser pane that keeps every
// page written and address navigated to, and a clock that moves on by a
// fixed step at every reading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/clock.h"
#include "ports/browser_pane.h"

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

class TickingClock final : public Clock {
 public:
  uint32_t NowMs() override { return now += step; }
  uint32_t now = 0;
  uint32_t step = 0;
};

}  // namespace mivrel::testing
