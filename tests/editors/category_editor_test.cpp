#include "editors/category_editor.h"

#include "editors_fixture.h"

namespace mivrel::testing {
namespace {

class CategoryEditorTest : public EditorsFixture {
 protected:
  CategoryForm Open(EditorMode mode, EditorPage page, int random_icon = 6) {
    CategoryEditor editor(db(), mode, page);
    CategoryForm form;
    EXPECT_TRUE(editor.Load(form, random_icon));
    return form;
  }
  // The refusal (or "") when the edited category `id` gets `parent`.
  std::string RefusalForParent(int id, int parent) {
    CategoryEditor editor(db(), EditorMode::Edit, EditorPage{PageKind::Category, id});
    CategoryForm form;
    EXPECT_TRUE(editor.Load(form, 0));
    Choose(form.parent, parent);
    return editor.Validate(form);
  }
};

TEST_F(CategoryEditorTest, EditMarksItselfAndItsSubtreeOnly) {
  const int sibling = lib.AddCategory("兄弟", tools);
  const CategoryForm form = Open(EditorMode::Edit, EditorPage{PageKind::Category, files});
  EXPECT_EQ(TextOf(form.parent, files), "*...文件");
  EXPECT_EQ(TextOf(form.parent, low), "*.....底层");
  EXPECT_EQ(TextOf(form.parent, sibling), "....兄弟");
  EXPECT_EQ(TextOf(form.parent, tools), "..工具");
  EXPECT_EQ(TextOf(form.parent, 0), "顶级分类");
  EXPECT_EQ(form.parent.SelectedData(-9), tools);
  EXPECT_EQ(SelectedText(form.priority), "* 100");
  EXPECT_EQ(SelectedText(form.icon), "* 2");
  EXPECT_EQ(form.name, "文件");
}

TEST_F(CategoryEditorTest, AParentInsideTheOwnSubtreeIsRefused) {
  const int grandchild = lib.AddCategory("孙", low);
  const int sibling = lib.AddCategory("兄弟", tools);
  EXPECT_EQ(RefusalForParent(files, files), "分类是不可以设置到自己的子分类中的");
  EXPECT_EQ(RefusalForParent(files, low), "分类是不可以设置到自己的子分类中的");
  EXPECT_EQ(RefusalForParent(files, grandchild), "分类是不可以设置到自己的子分类中的");
  EXPECT_EQ(RefusalForParent(files, sibling), "");
  EXPECT_EQ(RefusalForParent(files, tools), "");
  EXPECT_EQ(RefusalForParent(files, 0), "");
}

TEST_F(CategoryEditorTest, ANameStartingWithDotsIsNotTakenForADescendant) {
  const int dotted = lib.AddCategory("..点", tools);
  EXPECT_EQ(RefusalForParent(files, dotted), "");
}

TEST_F(CategoryEditorTest, NewFromAnEntryPageTakesItsCategoryAsParent) {
  const int entry = lib.AddEntry("e", low);
  CategoryForm form = Open(EditorMode::New, EditorPage{PageKind::Entry, entry}, 13);
  EXPECT_EQ(form.parent.SelectedData(-9), low);
  EXPECT_EQ(SelectedText(form.icon), " 13");
  EXPECT_EQ(SelectedText(form.priority), " 100");
  for (const ChoiceItem& item : form.parent.items) EXPECT_NE(item.text[0], '*');
  form = Open(EditorMode::New, EditorPage{PageKind::Category, other});
  EXPECT_EQ(form.parent.SelectedData(-9), other);
}

TEST_F(CategoryEditorTest, SaveWithQuotesFindsTheNewestAndBlankNamesAreRefused) {
  const EditorPage page{PageKind::Category, tools};
  CategoryEditor editor(db(), EditorMode::New, page);
  CategoryForm form;
  ASSERT_TRUE(editor.Load(form, 1));
  form.name = "   ";
  EXPECT_EQ(editor.Validate(form), "必须要有个名字");
  form.name = " O'Brien ";
  ASSERT_EQ(editor.Validate(form), "");
  const CategoryValues values = CategoryEditor::Collect(form);
  ASSERT_TRUE(editor.Save(values, UnifyIcon::No).saved);
  const EditorPage first = editor.PageAfterSave(values);
  ASSERT_TRUE(editor.Save(values, UnifyIcon::No).saved);
  const EditorPage second = editor.PageAfterSave(values);
  EXPECT_GT(second.id, first.id);
  EXPECT_GT(first.id, other);
  ResultGrid row;
  ASSERT_EQ(db().Query("Select * From [class] where ID=" + std::to_string(second.id), row), 1);
  EXPECT_EQ(row.At(1, 1), "O'Brien");
  EXPECT_EQ(row.Number(1, 2), tools);
}

TEST_F(CategoryEditorTest, EditMovesAndUnifiesTheSiblingsIcons) {
  const EditorPage page{PageKind::Category, low};
  CategoryEditor editor(db(), EditorMode::Edit, page);
  CategoryForm form;
  ASSERT_TRUE(editor.Load(form, 0));
  Choose(form.parent, 0);
  form.icon.selected = 12;
  form.priority.selected = 5;
  const CategoryValues values = CategoryEditor::Collect(form);
  const SaveReport report = editor.Save(values, UnifyIcon::Yes);
  ASSERT_TRUE(report.saved) << report.failure;
  EXPECT_EQ(editor.PageAfterSave(values).id, low);
  ResultGrid grid;
  ASSERT_EQ(db().Query("Select [ID],[父类别],[优先] From [class] where [图标]=12 ORDER BY ID", grid), 3);
  EXPECT_EQ(grid.Number(1, 0), tools);
  EXPECT_EQ(grid.Number(2, 0), low);
  EXPECT_EQ(grid.Number(2, 1), 0);
  EXPECT_EQ(grid.Number(2, 2), 5);
  EXPECT_EQ(grid.Number(3, 0), other);
}

TEST_F(CategoryEditorTest, AMissingCategoryIsNotFoundAndAFailedSaveKeepsTheUnify) {
  CategoryEditor missing(db(), EditorMode::Edit, EditorPage{PageKind::Category, 404});
  CategoryForm form;
  EXPECT_FALSE(missing.Load(form, 0));

  ASSERT_EQ(db().Run("CREATE TRIGGER no_insert BEFORE INSERT ON class BEGIN "
                     "SELECT RAISE(ABORT,'refused'); END"),
            kSqliteOk);
  CategoryEditor editor(db(), EditorMode::New, EditorPage{PageKind::Category, 0});
  ASSERT_TRUE(editor.Load(form, 14));
  form.name = "x";
  const SaveReport report = editor.Save(CategoryEditor::Collect(form), UnifyIcon::Yes);
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.failure, "执行失败，原因见下面信息：\r\nrefused");
  ResultGrid grid;
  EXPECT_EQ(db().Query("Select [ID] From [class] where [图标]=14", grid), 2);  // tools, other
}

}  // namespace
}  // namespace mivrel::testing
