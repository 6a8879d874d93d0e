// The directory tree's selection: what each kind of item shows, the path walk
// by which pages make the tree follow them, and item kinds and labels.
#include "shell/directory_tree.h"

#include <vector>

#include "base/clock.h"
#include "base/file_urls.h"
#include "base/scoped_flag.h"
#include "base/text.h"
#include "ports/ui.h"
#include "ports/browser_pane.h"
#include "ports/page_opener.h"
#include "render/pages.h"

namespace mivrel {
namespace {

// The ids of a NUL-separated path; empty pieces (a trailing NUL) are skipped.
std::vector<int> PathIds(const std::string& path) {
  std::vector<int> ids;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\0', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) ids.push_back(static_cast<int>(LeadingNumber(path.substr(start, end - start))));
    start = end + 1;
  }
  return ids;
}

bool IsCategoryKind(ItemKind kind) { return kind == ItemKind::Category || kind == ItemKind::RecycleBin; }

}  // namespace

ItemKind DirectoryTree::KindOf(TreeItem item) const {
  if (item == kNoTreeItem) return ItemKind::None;
  const ItemKind drawn = ItemKindOfImage(view_.Image(item));
  if (drawn == ItemKind::ExternalPage && view_.Id(item) <= 0) return ItemKind::ExternalBook;
  // A category drawn with the bin's icon is still an ordinary category.
  if (drawn == ItemKind::RecycleBin && item != recycle_bin_item_) return ItemKind::Category;
  return drawn;
}

std::string DirectoryTree::LabelWithoutCount(TreeItem item) const {
  std::string label = view_.Label(item);
  if (EntriesLoaded(item) && EndsWith(label, ")")) {
    const size_t open = label.rfind('(');
    if (open != std::string::npos) label.erase(open);
  }
  return label;
}

void DirectoryTree::DropPageCacheFor(TreeItem category_item) {
  if (IsCategoryKind(KindOf(category_item))) pages_.DropPageCacheFor(view_.Id(category_item));
}

TreeItem DirectoryTree::SelectItemByPath(const std::string& path, PageKind last_kind) {
  const std::vector<int> ids = PathIds(path);
  if (ids.empty()) return kNoTreeItem;
  ScopedFlag suppress(suppressed_);
  TreeItem level = view_.FirstChild(kNoTreeItem);
  for (size_t i = 0; i < ids.size(); ++i) {
    const bool last = i + 1 == ids.size();
    const bool want_entry = last && last_kind == PageKind::Entry;
    TreeItem found = kNoTreeItem;
    for (TreeItem item = level; item != kNoTreeItem; item = view_.NextSibling(item)) {
      const ItemKind kind = KindOf(item);
      if (view_.Id(item) == ids[i] && (want_entry ? kind == ItemKind::Entry : IsCategoryKind(kind))) {
        found = item;
        break;
      }
    }
    if (found == kNoTreeItem || last) return found;
    if (!EntriesLoaded(found)) {
      view_.SelectItem(found);
      // The selection handler loads them, unless the tree is disabled.
      LoadEntriesUnder(found);
    }
    level = view_.FirstChild(found);
  }
  return kNoTreeItem;
}

void DirectoryTree::SelectQuietly(TreeItem item) {
  if (item == kNoTreeItem || view_.SelectedItem() == item) return;
  ScopedFlag suppress(suppressed_);
  view_.SelectItem(item);
}

void DirectoryTree::ClearSelectionQuietly() {
  ScopedFlag suppress(suppressed_);
  view_.ClearSelection();
}

void DirectoryTree::OnSelectionChanged(TreeItem item) {
  if (item == kNoTreeItem || !view_.IsEnabled()) return;
  switch (KindOf(item)) {
    case ItemKind::ExternalPage:
      if (!suppressed_) ShowExternalPage(item);
      break;
    case ItemKind::ExternalBook:
      if (!suppressed_) ShowBookListing(item);
      break;
    case ItemKind::Entry:
      if (!suppressed_)
        opener_.ShowEntryPage(view_.Id(item), std::string(), Record::Yes, SyncTree::No, std::string());
      break;
    case ItemKind::Category:
    case ItemKind::RecycleBin:
      OnCategorySelected(item);
      break;
    case ItemKind::None:
      break;
  }
}

void DirectoryTree::OnCategorySelected(TreeItem item) {
  const int id = view_.Id(item);
  if (EntriesLoaded(item)) {
    if (!suppressed_) opener_.ShowCategoryPage(id, Record::Yes, SyncTree::No);
    return;
  }
  view_.Disable();
  const EntryLoad load = LoadEntriesUnder(item);
  view_.Enable();
  if (suppressed_) return;
  const uint32_t start = clock_.NowMs();
  opener_.ShowCategoryPage(id, Record::Yes, SyncTree::Yes);
  const uint32_t page_ms = clock_.NowMs() - start;
  ui_.SetStatusText("查询化费:" + WithBlank(load.query_ms) + "毫秒，加载化费:" + WithBlank(load.insert_ms) +
                    "毫秒，显示化费:" + WithBlank(page_ms));
}

void DirectoryTree::ShowExternalPage(TreeItem item) {
  const ExternalPage* page = external_pages_.Find(view_.Id(item));
  if (page == nullptr) return;
  ExternalPage folder_only = *page;
  folder_only.local_path.clear();
  pane_.Navigate(FileUrl(application_folder_ + folder_only.RelativePath(), page->local_path));
}

void DirectoryTree::ShowBookListing(TreeItem item) {
  const std::string label = view_.Label(item);
  TreeItem child = view_.FirstChild(item);
  if (child == kNoTreeItem) {
    pane_.WritePage(label, std::string());
    return;
  }
  const PageTemplate& frame = pages_.Template();
  std::string page = frame.head + label +
                     "</td></tr></table><br><table Width=\"80%\" cellpadding=\"3\" >\r\n";
  for (; child != kNoTreeItem; child = view_.NextSibling(child))
    page += "  <tr>\r\n    <td >" + view_.Label(child) + "</td>\r\n  </tr>\r\n";
  page += "\r\n</table>" + frame.tail;
  pane_.WritePage(page, std::string());
}

}  // namespace mivrel
