#include "interchange/contents_file.h"

#include "base/text.h"

namespace mivrel {
namespace {

constexpr std::string_view kListOpen = "<UL>";
constexpr std::string_view kListClose = "</UL>";
constexpr std::string_view kNamePrefix = "<PARAM NAME=\"NAME\" VALUE=\"";    // 26 bytes
constexpr std::string_view kLocalPrefix = "<PARAM NAME=\"LOCAL\" VALUE=\"";  // 27 bytes

// The value of a parameter tag: after the prefix, without the closing quote
// and ">".  A tag too short to hold both gives an empty value.
std::string ParameterValue(std::string_view tag, size_t prefix_length) {
  if (tag.size() < prefix_length + 2) return std::string();
  return std::string(tag.substr(prefix_length, tag.size() - 2 - prefix_length));
}

// A name as items carry it: cut, since every page of the list copies it.
std::string ItemName(std::string_view tag) {
  return CutAtCharBoundary(ParameterValue(tag, kNamePrefix.size()), kMaxContentsLabelBytes);
}

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
  const std::string upper = UpperAscii(text);
  size_t pos = upper.find(kListOpen);
  if (pos == std::string::npos) return items;
  pos += kListOpen.size();

  std::vector<OpenList> lists{{-1, std::string(), {}}};
  while (!lists.empty()) {
    const size_t open = upper.find('<', pos);
    if (open == std::string::npos) break;
    const size_t close = upper.find('>', open + 1);
    if (close == std::string::npos) break;
    const std::string_view tag(upper.data() + open, close + 1 - open);
    const std::string_view original = text.substr(open, close + 1 - open);
    pos = close + 1;

    OpenList& list = lists.back();
    if (tag == kListOpen) {
      if (lists.size() > static_cast<size_t>(kMaxContentsDepth)) {
        list.flattened.push_back(std::move(list.name));
        list.name.clear();
        continue;
      }
      items.push_back({ContentsKind::Book, list.book, list.name, std::string()});
      lists.push_back({static_cast<int>(items.size()) - 1, std::string(), {}});
    } else if (tag == kListClose) {
      if (!list.flattened.empty()) {
        list.name = std::move(list.flattened.back());
        list.flattened.pop_back();
      } else {
        lists.pop_back();
      }
    } else if (StartsWith(tag, kNamePrefix)) {
      list.name = ItemName(original);
    } else if (StartsWith(tag, kLocalPrefix)) {
      items.push_back({ContentsKind::Page, list.book, list.name,
                       ParameterValue(original, kLocalPrefix.size())});
    }
  }
  return items;
}

}  // namespace mivrel
