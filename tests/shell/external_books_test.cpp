// The external books' pages below their tree items.
#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "interchange/contents_file.h"
#include "ports/memory_tree_view.h"
#include "shell/external_books.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

std::string Name(const std::string& name) { return "<param name=\"Name\" value=\"" + name + "\">"; }
std::string Local(const std::string& path) { return "<param name=\"Local\" value=\"" + path + "\">"; }

TEST(ExternalBooksTest, TenThousandNestedListsLoadAsTheirItemsAndGoAwayWithTheBook) {
  std::string text = "<UL>";
  for (int i = 0; i < 10000; ++i) text += Name("L" + std::to_string(i)) + "<UL>";
  text += Name("底") + Local("deep.htm");
  for (int i = 0; i < 10000; ++i) text += "</UL>";
  text += "</UL>";
  const size_t items = ParseContents(text).size();

  MemoryTreeView view;
  ExternalPageTable pages;
  TempFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Path() + "deep.hhc", text));
  const TreeItem book = view.AppendItem(kNoTreeItem, DirectoryItem{"book", 0, kExternalBookImage});
  EXPECT_EQ(LoadContentsFile("book", folder.Path() + "deep.hhc", view, book, pages), static_cast<int>(items));
  EXPECT_EQ(view.ItemCount(), items + 1);
  view.DeleteItem(book);
  EXPECT_EQ(view.ItemCount(), 0u);
}

TEST(ExternalBooksTest, PagesAreNumberedAndTheirWindowsPathsTurnedIntoLinuxOnes) {
  TempFolder folder;
  // 乗 is 0x81 0x5C: its second byte is a backslash that must stay.
  const std::string text = "<UL>" + Name("页") + Local("sub\\乗\\p.htm") + "<UL>" + Name("in") + Local("q.htm") + "</UL></UL>";
  ASSERT_TRUE(WriteWholeFile(folder.Path() + "t.hhc", text));
  MemoryTreeView view;
  ExternalPageTable pages;
  pages.Add({"earlier", "x.htm"});
  const TreeItem book = view.AppendItem(kNoTreeItem, DirectoryItem{"书", 0, kExternalBookImage});
  EXPECT_EQ(LoadContentsFile("书", folder.Path() + "t.hhc", view, book, pages), 3);
  EXPECT_EQ(DescribeTree(view), "0\t32\t0\t书\n1\t33\t2\t页\n1\t32\t0\t页\n2\t33\t3\tin\n");
  ASSERT_NE(pages.Find(2), nullptr);
  EXPECT_EQ(pages.Find(2)->RelativePath(), "htm/书/sub/乗/p.htm");
  EXPECT_EQ(pages.Find(4), nullptr);
  EXPECT_EQ(pages.Find(0), nullptr);

  EXPECT_EQ(LoadContentsFile("书", folder.Path() + "missing.hhc", view, book, pages), 0);
}

}  // namespace
}  // namespace mivrel::testing
