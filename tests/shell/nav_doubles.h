// Test doubles for the navigation, search and command tests: a page opener
// that records calls, a browser pane with a settable address, a main window
// that records what it was asked, a trace recorder and a clock that moves on
// every reading.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "ports/browser_pane.h"
#include "ports/page_kinds.h"
#include "ports/trace.h"
#include "shell/commands.h"
#include "ports/page_opener.h"

namespace mivrel::testing {

struct OpenedPage {
  PageKind kind;
  int id;
  std::string name;
  Record record;
  SyncTree sync;
  std::string anchor;
};

class RecordingOpener final : public PageOpener {
 public:
  void ShowEntryPage(int id, const std::string& name, Record record, SyncTree sync,
                     const std::string& anchor) override {
    opened.push_back(OpenedPage{PageKind::Entry, id, name, record, sync, anchor});
    if (during_open) during_open();
  }
  void ShowCategoryPage(int id, Record record, SyncTree sync) override {
    opened.push_back(OpenedPage{PageKind::Category, id, "", record, sync, ""});
  }
  const OpenedPage& Last() const { return opened.back(); }
  std::vector<OpenedPage> opened;
  std::function<void()> during_open;  // runs inside each entry page's showing
};

class AddressPane final : public BrowserPane {
 public:
  void WritePage(const std::string& html, const std::string& addr) override {
    page = html;
    address = addr.empty() ? "about:blank" : addr;
  }
  std::string CurrentAddress() override { return address; }
  void Navigate(const std::string& url) override { address = url; }
  void GoBackInBrowser() override { ++browser_backs; }
  void GoForwardInBrowser() override { ++browser_forwards; }
  void FocusPane() override {}
  void FindInPage() override { ++finds; }

  std::string address = "about:blank";
  std::string page;
  int browser_backs = 0;
  int browser_forwards = 0;
  int finds = 0;
};

// A trace sink that keeps every line.
class TraceRecorder {
 public:
  TraceRecorder() { sink.SetSink([this](const std::string& line) { lines.push_back(line); }); }
  TraceRecorder(const TraceRecorder&) = delete;
  TraceRecorder& operator=(const TraceRecorder&) = delete;
  TraceSink sink;
  std::vector<std::string> lines;
};

// Every reading is `step` milliseconds later than the one before.
class SteppingClock final : public Clock {
 public:
  uint32_t NowMs() override { return now += step; }
  uint32_t now = 0;
  uint32_t step = 0;
};

class RecordingWindow final : public MainWindowActions {
 public:
  bool AlwaysOnTopButtonDown() override { return button_down; }
  void SetAlwaysOnTop(bool on) override { topmost_calls.push_back(on); }
  bool AboutWindowOpen() override { return about_open; }
  void OpenAboutWindow() override {
    ++about_opened;
    about_open = true;
  }
  void ShowMainWindow() override { ++shows; }
  void HideMainWindow() override { ++hides; }
  void SetExitFlag() override { exit_flag = true; }
  void PostCloseRequest() override { close_requested_with_exit_flag = exit_flag; ++closes; }
  void OpenOptionsWindow() override { ++options_opened; }
  void RestoreBackup(int n) override { restored.push_back(n); }

  bool button_down = false;
  std::vector<bool> topmost_calls;
  bool about_open = false;
  int about_opened = 0;
  int shows = 0;
  int hides = 0;
  bool exit_flag = false;
  bool close_requested_with_exit_flag = false;
  int closes = 0;
  int options_opened = 0;
  std::vector<int> restored;
};

}  // namespace mivrel::testing
