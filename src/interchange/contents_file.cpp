#include "interchange/contents_file.h"

#include "base/text.h"
#include "interchange/contents_reader.h"

namespace mivrel {
namespace {

// One open list while reading: the book it fills (-1 = the top list), its
// current name, and for each list too deep for a book of its own that is open
// inside it, the name that was current when that list began.
struct OpenList {
  int book;
  std::string name;
  std::vector<std::string> flattened;
};

}  // namespace

std::vector<ContentsItem> ParseContents(std::string_view text) {
  std::vector<ContentsItem> items;
  ContentsReader reader(text);
  std::vector<OpenList> lists{{-1, std::string(), {}}};
  ContentsEvent event;
  while (!lists.empty() && reader.Next(event)) {
    OpenList& list = lists.back();
    switch (event.tag) {
      case ContentsTag::ListOpen:
        if (lists.size() > static_cast<size_t>(kMaxContentsDepth)) {
          list.flattened.push_back(std::move(list.name));
          list.name.clear();
          break;
        }
        items.push_back({ContentsKind::Book, list.book, list.name, std::string()});
        lists.push_back({static_cast<int>(items.size()) - 1, std::string(), {}});
        break;
      case ContentsTag::ListClose:
        if (!list.flattened.empty()) {
          list.name = std::move(list.flattened.back());
          list.flattened.pop_back();
        } else {
          lists.pop_back();
        }
        break;
      case ContentsTag::Name:
        // Every page of the list copies the name: a long one is cut.
        list.name = CutAtCharBoundary(event.value, kMaxContentsLabelBytes);
        break;
      case ContentsTag::Local:
        items.push_back({ContentsKind::Page, list.book, list.name, std::string(event.value)});
        break;
    }
  }
  return items;
}

}  // namespace mivrel
