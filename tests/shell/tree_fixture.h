// A directory tree over a temporary library, with a real renderer, an
// in-memory tree control and recording doubles, plus the vocabulary the tree
// tests share: load, find items by label, list labels, add help books.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "shell/directory_tree.h"
#include "ports/memory_tree_view.h"
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
        renderer(lib.Db(), settings, pane, ui, hooks, clock),
        tree(lib.Db(), view, renderer, pane, ui, clock, lib.Folder()) {
    hooks.tree = &tree;
    view.SetSelectionHandler([this](TreeItem item) { tree.OnSelectionChanged(item); });
    renderer.BuildPageTemplate();
    renderer.SetPageTempFolder(temp.Path());
  }

  void Load() { tree.LoadDirectoryTree(); }
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
  TreeFollowHooks hooks;
  PageRenderer renderer;
  MemoryTreeView view;
  DirectoryTree tree;
};

}  // namespace mivrel::testing
