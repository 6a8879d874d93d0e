// Reading help-book tables of contents (".hhc"): the books and pages they
// list, for the directory tree's external books and the help-book import.
//
// Reading rules: the tags of interchange/contents_reader.h.  "<UL>" opens a
// nested book named by the current name, "</UL>" closes the current list (at
// the top list: the end), a NAME parameter sets the current name (each list
// has its own, empty at its start), a LOCAL parameter adds a page with the
// current name.  So an item with a page and a nested list shows twice.
//
// Names are cut to kMaxContentsLabelBytes.  Any input is safe: the reading is
// one forward pass with an explicit list stack (no recursion).  Lists nested deeper than kMaxContentsDepth are not
// given books of their own; their items go into the deepest book, so that no
// tree control has to hold an absurdly deep tree.  Pure functions and plain
// data; any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/contents_reader.h"

namespace mivrel {

constexpr int kMaxContentsDepth = 256;
// Names longer than this are cut (at a character boundary).
constexpr size_t kMaxContentsLabelBytes = kMaxContentsNameBytes;

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

}  // namespace mivrel
