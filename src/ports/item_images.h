// The images of the shared image list, the one owner of their numbers: which
// image draws which kind of item in the directory tree and the hit lists.
//   0-15   categories (the category's stored icon number)
//   16-31  entries (16 + the entry's stored icon number)
//   32     external book      33  external page      34  recycle bin
// The desktop's image list paints them in this order.  Pure; any thread.
#pragma once

namespace mivrel {

constexpr int kFirstCategoryImage = 0;
constexpr int kFirstEntryImage = 16;
constexpr int kExternalBookImage = 32;
constexpr int kExternalPageImage = 33;
constexpr int kRecycleBinImage = 34;
constexpr int kSharedImageCount = 35;

enum class ItemKind { None, Category, Entry, ExternalBook, ExternalPage, RecycleBin };

// The kind an image draws.  Image 34 draws the recycle bin, but a category
// whose stored icon is 34 is drawn with it too, and an external page without
// a page number is a book: only the tree, which knows its items, can tell
// those apart (DirectoryTree::KindOf).  None for numbers outside the list.
constexpr ItemKind ItemKindOfImage(int image) {
  if (image >= kFirstCategoryImage && image < kFirstEntryImage) return ItemKind::Category;
  if (image >= kFirstEntryImage && image < kExternalBookImage) return ItemKind::Entry;
  if (image == kExternalBookImage) return ItemKind::ExternalBook;
  if (image == kExternalPageImage) return ItemKind::ExternalPage;
  if (image == kRecycleBinImage) return ItemKind::RecycleBin;
  return ItemKind::None;
}

// The image of a category with this stored icon.  An icon outside the
// category images would draw it as another kind, so it gets the first
// category image; 34 (the bin's) is kept as stored.
constexpr int CategoryImage(long long icon) {
  return (icon >= kFirstCategoryImage && icon < kFirstEntryImage) || icon == kRecycleBinImage
             ? static_cast<int>(icon)
             : kFirstCategoryImage;
}

// The image of an entry with this stored icon (0-15); any other icon gets the
// first entry image.
constexpr int EntryImage(long long icon) {
  return kFirstEntryImage + (icon >= 0 && icon < kFirstEntryImage - kFirstCategoryImage ? static_cast<int>(icon) : 0);
}

}  // namespace mivrel
