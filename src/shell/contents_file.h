// Help-book tables of contents (".hhc") as the directory tree shows them, and
// the ExternalPageTable of the pages they name.
//
// Reading rules: the tags of interchange/contents_reader.h.  "<UL>" opens a
// nested book named by the current name, "</UL>" closes the current list (at
// the top list: the end), a NAME parameter sets the current name (each list
// has its own, empty at its start), a LOCAL parameter adds a page with the
// current name.  So an item with a page and a nested list shows twice.
//
// Any input is safe: the reading is one forward pass with an explicit list
// stack (no recursion).  Lists nested deeper than kMaxContentsDepth are not
// given books of their own; their items go into the deepest book, so that no
// tree control has to hold an absurdly deep tree.  Pure functions and plain
// data; any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/tree_view.h"

namespace mivrel {

constexpr int kMaxContentsDepth = 256;

enum class ContentsKind { Book, Page };

struct ContentsItem {
  ContentsKind kind = ContentsKind::Page;
  int parent = -1;      // index of the enclosing book in the list; -1 = top list
  std::string name;     // as read (GB18030 bytes of the file)
  std::string local;    // Page: the local path as read; Book: empty
};

// The items of a table of contents in document order (a book before its
// children).  Empty when the text has no "<UL>".
std::vector<ContentsItem> ParseContents(std::string_view text);

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
