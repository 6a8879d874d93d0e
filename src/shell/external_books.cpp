#include "shell/external_books.h"

#include "base/files.h"
#include "base/text.h"
#include "interchange/contents_file.h"
#include "base/gb_chars.h"
#include "store/library_files.h"

namespace mivrel {

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
