#include "shell/contents_file.h"

#include "base/files.h"
#include "base/text.h"
#include "interchange/contents_reader.h"
#include "render/gb_chars.h"
#include "store/library_files.h"

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
        list.name = std::string(event.value);
        break;
      case ContentsTag::Local:
        items.push_back({ContentsKind::Page, list.book, list.name, std::string(event.value)});
        break;
    }
  }
  return items;
}

std::string ExternalPage::RelativePath() const {
  std::string path(kExternalBooksFolder);
  path += kPathSeparator;
  path += book_folder;
  path += kPathSeparator;
  path += local_path;
  return path;
}

int ExternalPageTable::Add(ExternalPage page) {
  pages_.push_back(std::move(page));
  return static_cast<int>(pages_.size());
}

const ExternalPage* ExternalPageTable::Find(int number) const {
  if (number < 1 || number > Count()) return nullptr;
  return &pages_[static_cast<size_t>(number) - 1];
}

int LoadContentsFile(const std::string& book_folder, const std::string& contents_path,
                     TreeView& view, TreeItem book_item, ExternalPageTable& pages) {
  std::string text;
  if (!ReadWholeFile(contents_path, text)) return 0;
  const std::vector<ContentsItem> items = ParseContents(text);
  // Parents come before their children, so each parent's handle is known.
  std::vector<TreeItem> handles(items.size(), kNoTreeItem);
  for (size_t i = 0; i < items.size(); ++i) {
    const ContentsItem& entry = items[i];
    const TreeItem parent = entry.parent < 0 ? book_item : handles[entry.parent];
    DirectoryItem item;
    item.label = entry.name;
    if (entry.kind == ContentsKind::Book) {
      item.image = kExternalBookImage;
    } else {
      std::string local = entry.local;
      // Help books write Windows paths; a backslash inside a double-byte
      // character is not a separator.
      ReplaceAllAtCharStarts(local, "\\", "/");
      item.id = pages.Add({book_folder, local});
      item.image = kExternalPageImage;
    }
    handles[i] = view.AppendItem(parent, item);
  }
  return static_cast<int>(items.size());
}

}  // namespace mivrel
