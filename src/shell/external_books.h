// The external help books of the "htm" folder in the directory tree: the
// ExternalPageTable of the pages their tables of contents name, and the
// loading of one book's contents below its tree item.  Plain data and
// functions over the TreeView port; user-interface thread only (the view).
#pragma once

#include <string>
#include <vector>

#include "ports/tree_view.h"

namespace mivrel {

// One external page: the book's folder name (below "htm") and the page's
// local path with its backslashes turned into "/" (GB18030-aware).
struct ExternalPage {
  std::string book_folder;
  std::string local_path;
  // "htm/" + book folder + "/" + local path: relative to the application folder.
  std::string RelativePath() const;
};

// ExternalPageTable: the pages of the external books, numbered from 1 in the
// order the tree load meets them; numbers are given anew by every full load.
class ExternalPageTable {
 public:
  void Reset() { pages_.clear(); }
  // The new page's number (>= 1).
  int Add(ExternalPage page);
  // The page of that number, or nullptr.
  const ExternalPage* Find(int number) const;
  int Count() const { return static_cast<int>(pages_.size()); }

 private:
  std::vector<ExternalPage> pages_;
};

// LoadContentsFile: reads the contents file at `contents_path` (GB18030 path)
// of the book in folder "htm/" + `book_folder` and adds its books (image 32,
// id 0) and pages (image 33, id = page number) below `book_item`, each as the
// last child, registering every page in `pages`.  An unreadable file adds
// nothing.  Returns the number of items added.
int LoadContentsFile(const std::string& book_folder, const std::string& contents_path,
                     TreeView& view, TreeItem book_item, ExternalPageTable& pages);

}  // namespace mivrel
