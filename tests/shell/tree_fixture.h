// A session over a temporary library, with an in-memory tree control and
// recording doubles, plus the vocabulary the tree tests share: load, find
// items by label, list labels, add help books.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "ports/memory_screen.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "store/result_grid.h"
#include "support/recording_ui.h"
#include "support/test_library.h"
#include "tree_doubles.h"

namespace mivrel::testing {

inline EntrySpec Entry(const std::string& name, int category = 0, int priority = 100,
                       int category2 = -1, int category3 = -1, int icon = 0) {
  EntrySpec entry;
  entry.name = name;
  entry.category = category;
  entry.priority = priority;
  entry.category2 = category2;
  entry.category3 = category3;
  entry.icon = icon;
  return entry;
}

class TreeFixture : public ::testing::Test {
 protected:
  TreeFixture()
      : settings(DefaultSettings()),
        session(lib.Db(), settings, lib.Folder(),
                SessionPorts{ui, clock, pane, screen.tree, screen.tabs,
                             PaneControls{screen.search_input, screen.search_list, screen.search_scope},
                             PaneControls{screen.index_input, screen.index_list, screen.index_scope},
                             screen.index_timer, screen.window}),
        view(screen.tree),
        tree(session.tree()),
        pages(session.pages()) {
    WireMemoryScreen(screen, session);
    pages.SetPageTempFolder(temp.Path());
  }

  void Load() { tree.LoadDirectoryTree(); }
  // The pages shown with recording on, in the history's order.
  const std::vector<HistoryRecord>& Recorded() { return session.history().BackList(); }
  std::string Listing() const { return DescribeTree(view); }

  // The first item in pre-order whose label is `label`; fails the test if none.
  TreeItem Item(const std::string& label) const {
    std::vector<TreeItem> pending{view.FirstChild(kNoTreeItem)};
    while (!pending.empty()) {
      TreeItem item = pending.back();
      pending.pop_back();
      for (; item != kNoTreeItem; item = view.NextSibling(item)) {
        if (view.Label(item) == label) return item;
        if (view.FirstChild(item) != kNoTreeItem) pending.push_back(view.FirstChild(item));
      }
    }
    ADD_FAILURE() << "no item labelled " << GbToUtf8(label);
    return kNoTreeItem;
  }
  bool HasItem(const std::string& label) const {
    std::string listing = "\t" + Listing();
    return listing.find("\t" + label + "\n") != std::string::npos;
  }

  // Labels of the children of `parent` (0: the root items), in order.
  std::vector<std::string> Labels(TreeItem parent = kNoTreeItem) const {
    std::vector<std::string> labels;
    for (TreeItem item = view.FirstChild(parent); item != kNoTreeItem; item = view.NextSibling(item))
      labels.push_back(view.Label(item));
    return labels;
  }

  // Writes htm/<folder>/<file> below the library folder.
  void AddBookFile(const std::string& folder, const std::string& file, const std::string& bytes) {
    const std::string path = lib.Folder() + "htm/" + folder;
    ASSERT_TRUE(MakeDirectories(path));
    ASSERT_TRUE(WriteWholeFile(path + "/" + file, bytes));
  }

  long long Number(const std::string& sql) {
    ResultGrid grid;
    return lib.Db().Query(sql, grid) > 0 ? grid.Number(1, 0) : -999;
  }
  std::string Text(const std::string& sql) {
    ResultGrid grid;
    return lib.Db().Query(sql, grid) > 0 ? grid.At(1, 0) : std::string();
  }

  TestLibrary lib;
  TempFolder temp;
  RecordingUi ui;
  TickingClock clock;
  Settings settings;
  TreePagePane pane;
  MemoryScreen screen;
  Session session;
  MemoryTreeView& view;
  DirectoryTree& tree;
  PageBuilder& pages;
};

}  // namespace mivrel::testing
