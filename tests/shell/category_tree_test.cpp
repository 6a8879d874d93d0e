// The category tree model: the scope rows and the recycle bin without a view,
// the same as the directory tree's full load makes them.
#include <gtest/gtest.h>

#include "shell/category_tree.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

using CategoryTreeTest = TreeFixture;

TEST_F(CategoryTreeTest, ScopeRowsAndTheBinMatchTheFullTreeLoad) {
  const int a = lib.AddCategory("A", 0, 0, 2);
  const int b = lib.AddCategory("B", a);
  lib.AddCategory("C", b);
  lib.AddCategory("D", 0, 0, 1);
  const int bin = lib.AddCategory("回收站", 0, 34);
  lib.AddCategory("删掉的", bin);
  lib.AddCategory("回收站", a);  // a second one, met first: skipped, the last one met is the bin
  // Two categories that are each other's parent: reachable from nowhere.
  const int x = lib.AddCategory("X", 0);
  const int y = lib.AddCategory("Y", x);
  ASSERT_EQ(lib.Db().Run("UPDATE [class] SET [父类别]=" + std::to_string(y) + " WHERE id=" + std::to_string(x)),
            kSqliteOk);
  Load();

  const CategoryTreeModel model = CategoryTreeModel::Read(lib.Db());
  const ScopeList scopes = model.Scopes();
  EXPECT_EQ(scopes.rows, tree.Scopes().rows);
  EXPECT_EQ(scopes.id_lists, tree.Scopes().id_lists);
  EXPECT_EQ(model.RecycleBinId(), tree.RecycleBinId());
  EXPECT_EQ(scopes.rows, (std::vector<std::string>{"显示全部分类", "D", "A", "..B", "....C", "删掉的"}));
  EXPECT_EQ(model.RecycleBinId(), bin);
  EXPECT_EQ(scopes.id_lists[2], "[" + std::to_string(a) + "][" + std::to_string(b) + "]");
}

}  // namespace
}  // namespace mivrel::testing
