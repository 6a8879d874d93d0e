#include <string>

#include "page_doubles.h"

namespace mivrel::testing {
namespace {

using namespace std::string_literals;

class CategoryTrailTest : public PageTest {
 protected:
  void SetParent(int id, int parent) {
    ASSERT_EQ(library.Db().Run("UPDATE [class] SET [父类别]=" + std::to_string(parent) +
                               " WHERE [ID]=" + std::to_string(id)),
              kSqliteOk);
  }
};

TEST_F(CategoryTrailTest, ReadsFromTopLevelDownWithEscapedNames) {
  const int top = library.AddCategory("系统 <API>");
  const int child = library.AddCategory("文件&目录", top);
  const std::string trail = builder.CategoryTrail(child);
  EXPECT_EQ(trail, "<a href=\".r." + std::to_string(top) + "\">系统 &lt;API&gt;</a>  &gt; " +
                       "<a href=\".r." + std::to_string(child) + "\">文件&amp;目录</a>  &gt; ");
  EXPECT_EQ(builder.CategoryPath(), std::to_string(top) + "\0"s + std::to_string(child) + "\0"s);
}

TEST_F(CategoryTrailTest, HomeAndMissingCategoryGiveEmptyTrailAndPath) {
  const int top = library.AddCategory("甲");
  builder.CategoryTrail(top);
  EXPECT_EQ(builder.CategoryTrail(0), "");
  EXPECT_EQ(builder.CategoryPath(), "");
  EXPECT_EQ(builder.CategoryTrail(9999), "");
  EXPECT_EQ(builder.CategoryPath(), "");
}

TEST_F(CategoryTrailTest, MissingAncestorEndsTrailEarly) {
  const int top = library.AddCategory("甲");
  const int child = library.AddCategory("乙", top);
  ASSERT_EQ(library.Db().Run("DELETE FROM [class] WHERE [ID]=" + std::to_string(top)), kSqliteOk);
  EXPECT_EQ(builder.CategoryTrail(child), "<a href=\".r." + std::to_string(child) + "\">乙</a>  &gt; ");
  EXPECT_EQ(builder.CategoryPath(), std::to_string(child) + "\0"s);
}

TEST_F(CategoryTrailTest, ParentCycleStopsWhereACategoryWouldRepeat) {
  const int a = library.AddCategory("甲");
  const int b = library.AddCategory("乙", a);
  const int c = library.AddCategory("丙", b);
  SetParent(a, c);  // a -> c -> b -> a
  const std::string trail = builder.CategoryTrail(c);
  EXPECT_EQ(trail, "<a href=\".r." + std::to_string(a) + "\">甲</a>  &gt; " + "<a href=\".r." +
                       std::to_string(b) + "\">乙</a>  &gt; " + "<a href=\".r." +
                       std::to_string(c) + "\">丙</a>  &gt; ");
  SetParent(b, b);  // its own parent
  EXPECT_EQ(builder.CategoryTrail(b), "<a href=\".r." + std::to_string(b) + "\">乙</a>  &gt; ");
}

TEST_F(CategoryTrailTest, DeepChainIsWalkedCompletely) {
  int parent = 0;
  {
    TransactionBracket bracket(library.Db());
    for (int level = 0; level < 3000; ++level) parent = library.AddCategory("层", parent);
  }
  const std::string trail = builder.CategoryTrail(parent);
  size_t links = 0;
  for (size_t at = trail.find("<a "); at != std::string::npos; at = trail.find("<a ", at + 1))
    ++links;
  EXPECT_EQ(links, 3000u);
  EXPECT_EQ(builder.CategoryPath().substr(0, 2), "1\0"s);
}

TEST_F(CategoryTrailTest, ParentHoldingTextEndsAtTopLevel) {
  const int top = library.AddCategory("甲");
  const int child = library.AddCategory("乙", top);
  ASSERT_EQ(library.Db().Run("UPDATE [class] SET [父类别]='abc' WHERE [ID]=" + std::to_string(child)),
            kSqliteOk);
  EXPECT_EQ(builder.CategoryTrail(child), "<a href=\".r." + std::to_string(child) + "\">乙</a>  &gt; ");
}

}  // namespace
}  // namespace mivrel::testing
