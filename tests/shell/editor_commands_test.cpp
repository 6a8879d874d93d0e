#include "shell/editor_commands.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "editors/category_editor.h"
#include "editors/entry_editor.h"
#include "shell/history.h"
#include "ports/page_opener.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

// Fills in a name and content and saves, or closes without saving.
class ScriptedWindows final : public EditorWindows {
 public:
  bool ShowEntryEditor(EntryEditor& editor, EntryForm& form, EditorPage& saved) override {
    ++opened;
    mode = editor.Mode();
    if (!save) return false;
    form.name = name;
    form.content_text = "text";
    const EntryValues values = EntryEditor::Collect(form, "");
    if (!editor.Save(values, UnifyIcon::No, UnifyKeyword::No).saved) return false;
    saved = editor.PageAfterSave(values);
    return true;
  }
  bool ShowCategoryEditor(CategoryEditor& editor, CategoryForm& form, EditorPage& saved) override {
    ++opened;
    mode = editor.Mode();
    if (!save) return false;
    form.name = name;
    const CategoryValues values = CategoryEditor::Collect(form);
    if (!editor.Save(values, UnifyIcon::No).saved) return false;
    saved = editor.PageAfterSave(values);
    return true;
  }
  bool save = true;
  std::string name = "新的";
  int opened = 0;
  EditorMode mode = EditorMode::New;
};

class RecordingOpener final : public PageOpener {
 public:
  void ShowEntryPage(int id, const std::string&, Record, SyncTree, const std::string&) override {
    shown.push_back({PageKind::Entry, id});
  }
  void ShowCategoryPage(int id, Record, SyncTree) override { shown.push_back({PageKind::Category, id}); }
  std::vector<EditorPage> shown;
};

class EditorCommandsTest : public TreeFixture {
 protected:
  EditorCommandsTest()
      : history(session.history()),
        commands(lib.Db(), ui, history, tree, opener, pane, pages.Template(), windows) {}
  History& history;
  ScriptedWindows windows;
  RecordingOpener opener;
  EditorCommands commands;
};

TEST_F(EditorCommandsTest, ASavedEntryReloadsTheTreeAndShowsItsPage) {
  const int cat = lib.AddCategory("工具");
  Load();
  history.Record(PageKind::Category, cat, "工具");
  lib.AddCategory("后来");  // shows in the tree only after a reload
  commands.NewEntry();
  ASSERT_EQ(opener.shown.size(), 1u);
  EXPECT_EQ(opener.shown[0].kind, PageKind::Entry);
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(opener.shown[0].id)), cat);
  EXPECT_TRUE(HasItem("后来"));
}

TEST_F(EditorCommandsTest, AnEntryEditorClosedWithoutSavingShowsTheCurrentPageAgain) {
  const int entry = lib.AddEntry("e", 0);
  Load();
  history.Record(PageKind::Entry, entry, "e");
  windows.save = false;
  const size_t written = pane.pages.size();
  commands.EditCurrentPage();
  EXPECT_EQ(windows.mode, EditorMode::Edit);
  ASSERT_EQ(pane.pages.size(), written + 1);
  EXPECT_EQ(pane.LastPage().rfind("<html><body>", 0), 0u);
  ASSERT_EQ(opener.shown.size(), 1u);
  EXPECT_EQ(opener.shown[0].id, entry);
}

TEST_F(EditorCommandsTest, AVanishedRowIsNotFoundAndNoWindowOpens) {
  Load();
  history.Record(PageKind::Category, 77, "gone");
  commands.EditCurrentPage();
  history.Record(PageKind::Entry, 78, "gone");
  commands.EditCurrentPage();
  EXPECT_EQ(windows.opened, 0);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "查无此物");
  EXPECT_EQ(ui.messages[1].icon, MessageIcon::Stop);
}

TEST_F(EditorCommandsTest, ANewCategoryUnderTheCurrentOneIsShownAfterTheReload) {
  const int cat = lib.AddCategory("上");
  Load();
  history.Record(PageKind::Category, cat, "上");
  windows.name = "下";
  commands.NewCategory();
  ASSERT_EQ(opener.shown.size(), 1u);
  EXPECT_EQ(opener.shown[0].kind, PageKind::Category);
  EXPECT_EQ(Number("Select [父类别] From [class] where id=" + std::to_string(opener.shown[0].id)), cat);
  EXPECT_TRUE(HasItem("下"));
}

}  // namespace
}  // namespace mivrel::testing
