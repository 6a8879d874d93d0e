// A search/index rig over a temporary library: the panes with in-memory
// controls wired as the windows wire them (text change -> typing timer, timer
// tick -> IndexTimerTick, list selection -> OnHitSelected), a recording page
// opener and a navigator over the same parts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/history.h"
#include "ports/memory_panes.h"
#include "shell/navigation.h"
#include "shell/search_panes.h"
#include "support/recording_ui.h"
#include "support/test_library.h"
#include "nav_doubles.h"

namespace mivrel::testing {

class PanesFixture : public ::testing::Test {
 protected:
  PanesFixture()
      : panes(lib.Db(), ui, clock, opener, trace.sink,
              PaneControls{search_box, search_list, search_scope},
              PaneControls{index_box, index_list, index_scope}, timer),
        navigator(lib.Db(), pane, history, opener, panes, tabs) {
    index_box.on_change = [this] { panes.OnIndexTextChanged(); };
    timer.on_tick = [this] { panes.IndexTimerTick(); };
    search_list.on_selection = [this] { panes.OnHitSelected(ResultPane::Search); };
    index_list.on_selection = [this] { panes.OnHitSelected(ResultPane::Index); };
  }

  // Types the text into the index box one letter more at a time, `gap_ms` apart.
  void TypeIntoIndex(const std::string& text, uint32_t gap_ms) {
    for (size_t n = 1; n <= text.size(); ++n) {
      index_box.SetText(text.substr(0, n));
      timer.Advance(gap_ms);
    }
  }

  void Search(const std::string& text) {
    search_box.text = text;
    panes.RunSearch();
  }

  static std::vector<std::string> Labels(const MemoryResultList& list) {
    std::vector<std::string> labels;
    for (const auto& item : list.items) labels.push_back(item.label);
    return labels;
  }

  // Status texts of the index (those without "毫秒" after the load time).
  int IndexStatusCount() const {
    int n = 0;
    for (const std::string& s : ui.status)
      if (s.find("，结果数量:") != std::string::npos && s.find("毫秒，结果数量:") == std::string::npos) ++n;
    return n;
  }

  TestLibrary lib;
  RecordingUi ui;
  SteppingClock clock;
  RecordingOpener opener;
  TraceRecorder trace;
  AddressPane pane;
  History history;
  MemoryTextBox search_box, index_box;
  MemoryResultList search_list, index_list;
  MemoryScopePicker search_scope, index_scope;
  MemoryTypingTimer timer;
  MemorySideTabs tabs;
  SearchPanes panes;
  Navigator navigator;
};

}  // namespace mivrel::testing
