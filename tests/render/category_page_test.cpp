#include <string>

#include "base/text.h"
#include "page_doubles.h"

namespace mivrel::testing {
namespace {

using namespace std::string_literals;

class CategoryPageTest : public PageTest {
 protected:
  std::string Show(int id) { return builder.BuildCategoryPage(id).bytes; }
  // The bar after the trail: the summary.
  std::string SummaryOf(int id) {
    const std::string trail = TrailOf(Show(id));
    const std::string own_trail = builder.CategoryTrail(id);
    EXPECT_TRUE(StartsWith(trail, own_trail));
    return trail.substr(own_trail.size());
  }
  void AddEntries(int category, int count) {
    TransactionBracket bracket(library.Db());
    for (int i = 0; i < count; ++i) {
      EntrySpec e;
      e.name = "资料" + std::to_string(100000 + i);
      e.category = category;
      e.brief = "简介";
      library.AddEntry(e);
    }
  }
  static size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  static constexpr const char* kSpan = "<span class=\"sA\">";
};

TEST_F(CategoryPageTest, EmptyCategoryHasOnlyTheCategorySummary) {
  const int id = library.AddCategory("空");
  EXPECT_EQ(SummaryOf(id), std::string(kSpan) + "  0</span> 个分类");
  EXPECT_EQ(BodyOf(Show(id)), "<br>" + builder.Template().tail);
}

TEST_F(CategoryPageTest, SubcategoriesAreListedWithTheirCounts) {
  const int parent = library.AddCategory("父");
  const int first = library.AddCategory("第<一>", parent, 0, 1);
  const int second = library.AddCategory("第二", parent, 0, 2);
  library.AddCategory("孙", first);
  library.AddEntry("甲", first);
  EntrySpec secondary_only;
  secondary_only.name = "乙";
  secondary_only.category = second;
  secondary_only.category2 = first;
  library.AddEntry(secondary_only);

  const std::string body = BodyOf(Show(parent));
  const std::string f = std::to_string(first), s = std::to_string(second);
  EXPECT_EQ(body, "<br><table Width=\"500\" cellpadding=\"3\">\r\n"
                  "  <tr>\r\n    <td valign=\"top\"><a href=\".r." + f + "\">第<一></a></td>\r\n"
                  "    <td >共" + kSpan + " 1</span> 个子分类</td>\r\n"
                  "    <td >共" + kSpan + " 1</span> 篇资料</td>\r\n  </tr>\r\n"
                  "  <tr>\r\n    <td valign=\"top\"><a href=\".r." + s + "\">第二</a></td>\r\n"
                  "    <td >共" + kSpan + " 0</span> 个子分类</td>\r\n"
                  "    <td >共" + kSpan + " 1</span> 篇资料</td>\r\n  </tr>\r\n"
                  "\r\n</table><br>" + builder.Template().tail);
  EXPECT_EQ(SummaryOf(parent), std::string(kSpan) + "  2</span> 个分类");
}

TEST_F(CategoryPageTest, NoCountsOptionShowsPlaceholderCells) {
  settings.no_counts = true;
  const int parent = library.AddCategory("父");
  library.AddCategory("子", parent);
  const std::string body = BodyOf(Show(parent));
  EXPECT_NE(body.find("    <td >分类</td>\r\n    <td >包含资料数未统计</td>\r\n"), std::string::npos);
  EXPECT_EQ(body.find("共"), std::string::npos);
}

TEST_F(CategoryPageTest, EntriesListByPriorityThenNameWithBriefOrName) {
  const int id = library.AddCategory("类");
  EntrySpec e;
  e.category = id;
  e.name = "B<b>";
  e.brief = "<i>简介</i>";
  e.priority = 5;
  const int b = library.AddEntry(e);
  e.name = "A&a";
  e.brief = "";
  e.priority = 9;
  const int a = library.AddEntry(e);
  const std::string body = BodyOf(Show(id));
  EXPECT_EQ(body, "<br><table Width=\"100%\" cellpadding=\"3\" >\r\n"
                  "  <tr>\r\n    <td valign=\"top\"><a href=\".y." + std::to_string(b) +
                  "\">B&lt;b&gt;</a></td>\r\n    <td ><i>简介</i></td>\r\n  </tr>\r\n"
                  "  <tr>\r\n    <td valign=\"top\"><a href=\".y." + std::to_string(a) +
                  "\">A&amp;a</a></td>\r\n    <td >A&a</td>\r\n  </tr>\r\n"
                  "\r\n</table>" + builder.Template().tail);
  EXPECT_EQ(SummaryOf(id), std::string(kSpan) + "  0</span> 个分类，" + kSpan + "  2</span> 篇资料");
}

TEST_F(CategoryPageTest, SecondaryCategoriesListTheEntryToo) {
  const int id = library.AddCategory("类");
  EntrySpec e;
  e.name = "别处";
  e.category = library.AddCategory("他");
  e.category3 = id;
  library.AddEntry(e);
  EXPECT_NE(BodyOf(Show(id)).find("别处"), std::string::npos);
}

TEST_F(CategoryPageTest, SummaryFormsAroundTheListLimit) {
  const int below = library.AddCategory("499");
  AddEntries(below, 499);
  EXPECT_EQ(SummaryOf(below), std::string(kSpan) + "  0</span> 个分类，" + kSpan + "  499</span> 篇资料");

  const int at = library.AddCategory("500");
  AddEntries(at, 500);
  EXPECT_EQ(SummaryOf(at), std::string(kSpan) + "  0</span> 个分类，" + kSpan +
                               " 500</span> 篇资料，只显示" + kSpan + " 500 </span>篇资料");
  EXPECT_EQ(Count(Show(at), "<a href=\".y."), 500u);

  const int above = library.AddCategory("600");
  AddEntries(above, 600);
  EXPECT_EQ(SummaryOf(above), std::string(kSpan) + "  0</span> 个分类，" + kSpan +
                                  " 600</span> 篇资料，只显示" + kSpan + " 500 </span>篇资料");
  const std::string page = Show(above);
  EXPECT_EQ(Count(page, "<a href=\".y."), 500u);
  EXPECT_NE(page.find("资料100499<"), std::string::npos);
  EXPECT_EQ(page.find("资料100500<"), std::string::npos);
}

TEST_F(CategoryPageTest, HomePageHasIntroductionBeforeTopLevelTable) {
  library.AddCategory("一");
  library.AddCategory("二");
  library.AddCategory("三");
  const std::string page = Show(0);
  EXPECT_EQ(TrailOf(page), std::string(kSpan) + "  3</span> 个分类");
  const std::string body = BodyOf(page);
  EXPECT_TRUE(StartsWith(body, "OsterkMivrel软件，集API函数、类型、常数、编程语句资料为一体，统一管理和查阅。<br>"
                               "可以增加、删除，修改，所以可以当成代码笔记、代码资料库，还能自动给代码上色。<br>"
                               "支持命令行参数查找关键词，更多Osterk软件请点击<a href=\""))
      << body;
  EXPECT_NE(body.find("target=\"_blank\""), std::string::npos);
  EXPECT_NE(body.find("</a>\r\n<br><table Width=\"500\""), std::string::npos);
  EXPECT_EQ(Count(body, "  <tr>"), 3u);
}

TEST_F(CategoryPageTest, EmptyHomePageHasNoIntroduction) {
  EXPECT_EQ(BodyOf(Show(0)), "<br>" + builder.Template().tail);
}

TEST_F(CategoryPageTest, PageIsBuiltOnceAndRebuiltAfterClearing) {
  const int id = library.AddCategory("类");
  library.AddEntry("旧", id);
  const std::string first = Show(id);
  library.AddEntry("新", id);
  EXPECT_EQ(Show(id), first);  // from the cache: the new entry is not listed yet
  builder.ClearPageCache();
  EXPECT_NE(Show(id).find("新"), std::string::npos);
}

TEST_F(CategoryPageTest, DroppingOneCategoryKeepsTheOthersCached) {
  const int one = library.AddCategory("一");
  const int two = library.AddCategory("二");
  Show(one);
  Show(two);
  library.AddEntry("甲", one);
  library.AddEntry("乙", two);
  builder.DropPageCacheFor(one);
  EXPECT_NE(Show(one).find("甲"), std::string::npos);
  EXPECT_EQ(Show(two).find("乙"), std::string::npos);
}

TEST_F(CategoryPageTest, CachedPageRenewsPathAndTreePathAndTakesNewHead) {
  const int top = library.AddCategory("顶");
  const int child = library.AddCategory("子", top);
  Show(child);
  Show(top);
  EXPECT_EQ(builder.CategoryPath(), std::to_string(top) + "\0"s);
  settings.font_name = "宋体";
  builder.BuildPageTemplate();
  const Page page = builder.BuildCategoryPage(child);
  EXPECT_EQ(builder.CategoryPath(), std::to_string(top) + "\0"s + std::to_string(child) + "\0"s);
  EXPECT_EQ(page.tree_path, std::to_string(top) + "\0"s + std::to_string(child));
  EXPECT_EQ(page.kind, PageKind::Category);
  EXPECT_EQ(page.address, "");
  EXPECT_TRUE(StartsWith(page.bytes, builder.Template().head));
  EXPECT_NE(page.bytes.find("'宋体'"), std::string::npos);
}

TEST_F(CategoryPageTest, MissingCategoryStillListsWhatPointsToIt) {
  library.AddEntry("孤儿", 77);
  const std::string page = Show(77);
  EXPECT_TRUE(StartsWith(TrailOf(page), kSpan));
  EXPECT_NE(page.find("孤儿"), std::string::npos);
}

}  // namespace
}  // namespace mivrel::testing
