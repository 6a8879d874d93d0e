#include "editors/entry_editor.h"

#include "base/text.h"
#include "editors/editor_text.h"
#include "editors_fixture.h"

namespace mivrel::testing {
namespace {

class EntryEditorTest : public EditorsFixture {
 protected:
  EntryForm Open(EditorMode mode, EditorPage page, int random_icon = 7) {
    EntryEditor editor(db(), page_template, mode, page);
    EntryForm form;
    EXPECT_TRUE(editor.Load(form, random_icon));
    return form;
  }
  // Saves the form in text view; the page shown afterwards.
  EditorPage SaveText(EditorMode mode, EditorPage page, const EntryForm& form) {
    EntryEditor editor(db(), page_template, mode, page);
    const EntryValues values = EntryEditor::Collect(form, "");
    EXPECT_EQ(EntryEditor::Validate(values), "");
    const SaveReport report = editor.Save(values, UnifyIcon::No, UnifyKeyword::No);
    EXPECT_TRUE(report.saved) << report.failure;
    return editor.PageAfterSave(values);
  }
};

TEST_F(EntryEditorTest, CategoryListsReadDotsByDepthInPriorityOrder) {
  const EntryForm form = Open(EditorMode::New, EditorPage{PageKind::Category, 0});
  std::vector<std::string> texts;
  for (const ChoiceItem& item : form.main_category.items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"顶级分类", "..其他", "..工具", "....文件", "......底层"}));
  EXPECT_EQ(form.category2.items[0].text, "不使用次分类");
  EXPECT_EQ(form.category2.items[0].data, -1);
  EXPECT_EQ(form.category3.items[1].text, "顶级分类");
  EXPECT_EQ(form.category2.selected, 0);
  EXPECT_EQ(form.keyword.items.size(), 5u);
  EXPECT_EQ(SelectedText(form.keyword), "无");
}

TEST_F(EntryEditorTest, NewFromACategoryPageTakesItsCategoryAndARandomIcon) {
  const EntryForm form = Open(EditorMode::New, EditorPage{PageKind::Category, files}, 11);
  EXPECT_EQ(form.main_category.SelectedData(-9), files);
  EXPECT_EQ(form.icon.selected, 11);
  EXPECT_EQ(SelectedText(form.icon), " 11");
  EXPECT_EQ(SelectedText(form.priority), " 100");
  EXPECT_EQ(form.priority.items.size(), 256u);
  EXPECT_TRUE(form.text_view);
}

TEST_F(EntryEditorTest, NewFromAnEntryPageTakesItsCategoryAndIcon) {
  EntrySpec entry_row;
  entry_row.name = "ReadFile";
  entry_row.category = low;
  entry_row.icon = 4;
  const int entry = lib.AddEntry(entry_row);
  EntryForm form = Open(EditorMode::New, EditorPage{PageKind::Entry, entry}, 11);
  EXPECT_EQ(form.main_category.SelectedData(-9), low);
  EXPECT_EQ(form.icon.selected, 4);
  // A vanished entry gives the top level and the random icon.
  form = Open(EditorMode::New, EditorPage{PageKind::Entry, entry + 100}, 11);
  EXPECT_EQ(form.main_category.SelectedData(-9), 0);
  EXPECT_EQ(form.icon.selected, 11);
}

TEST_F(EntryEditorTest, EditMarksTheStoredChoicesOfEveryList) {
  EntrySpec entry_row;
  entry_row.name = "WriteFile";
  entry_row.brief = "写文件";
  entry_row.content = "line 1\r\nline 2";
  entry_row.category = files;
  entry_row.category2 = 0;
  entry_row.category3 = -1;
  entry_row.icon = 99;      // clamped to 15
  entry_row.priority = 42;
  entry_row.keyword = 3;
  const int entry = lib.AddEntry(entry_row);
  const EntryForm form = Open(EditorMode::Edit, EditorPage{PageKind::Entry, entry});
  EXPECT_EQ(SelectedText(form.main_category), "*...文件");
  EXPECT_EQ(form.main_category.SelectedData(-9), files);
  EXPECT_EQ(SelectedText(form.category2), "*顶级分类");
  EXPECT_EQ(SelectedText(form.category3), "*不使用次分类");
  EXPECT_EQ(SelectedText(form.priority), " 42*");
  EXPECT_EQ(SelectedText(form.icon), " 15*");
  EXPECT_EQ(SelectedText(form.keyword), "常数");
  EXPECT_EQ(form.name, "WriteFile");
  EXPECT_EQ(form.brief, "写文件");
  EXPECT_EQ(form.content_text, "line 1\nline 2");
  EXPECT_NE(form.web_document.find("<body>"), std::string::npos);
  EXPECT_NE(form.web_document.find("line 1\r\nline 2" + page_template.tail), std::string::npos);
  EXPECT_TRUE(form.text_view);
}

TEST_F(EntryEditorTest, EditOfAMissingEntryOrDeletedCategoriesLeavesNothingSelected) {
  EntryEditor missing(db(), page_template, EditorMode::Edit, EditorPage{PageKind::Entry, 999});
  EntryForm form;
  EXPECT_FALSE(missing.Load(form, 0));

  EntrySpec entry_row;
  entry_row.name = "orphan";
  entry_row.category = 500;
  entry_row.category2 = 501;
  const int entry = lib.AddEntry(entry_row);
  form = Open(EditorMode::Edit, EditorPage{PageKind::Entry, entry});
  EXPECT_EQ(form.main_category.selected, -1);
  EXPECT_EQ(form.category2.selected, -1);
}

TEST_F(EntryEditorTest, BlanksOnlyNameOrContentIsRefused) {
  EntryForm form = Open(EditorMode::New, EditorPage{PageKind::Category, tools});
  form.name = "   ";
  form.content_text = "text";
  EXPECT_EQ(EntryEditor::Validate(EntryEditor::Collect(form, "")), "必须要有个名字");
  form.name = " x ";
  form.content_text = "    ";
  EXPECT_EQ(EntryEditor::Validate(EntryEditor::Collect(form, "")), "无内容，请输入内容");
}

TEST_F(EntryEditorTest, NewEntryIsInsertedInColumnOrderAndItsPageShown) {
  EntryForm form = Open(EditorMode::New, EditorPage{PageKind::Category, tools}, 5);
  form.name = "  Open  ";
  form.brief = " 打开 ";
  form.page_name = "   ";  // blanks only: text format
  form.content_text = "  a\nb  ";
  Choose(form.category2, other);
  form.keyword.selected = 1;
  form.priority.selected = 7;
  const EditorPage shown = SaveText(EditorMode::New, EditorPage{PageKind::Category, tools}, form);
  ASSERT_EQ(shown.kind, PageKind::Entry);

  Statement row(db(), "Select * From [fun] where id=" + std::to_string(shown.id));
  ASSERT_EQ(row.Step(), kSqliteRow);
  EXPECT_EQ(row.ColumnInt(1), tools);
  EXPECT_EQ(row.ColumnInt(2), other);
  EXPECT_EQ(row.ColumnInt(3), -1);
  EXPECT_EQ(row.ColumnGb(4), "Open");
  EXPECT_EQ(row.ColumnGb(5), "打开");
  EXPECT_EQ(row.ColumnGb(6), "a\r\nb");
  EXPECT_EQ(row.ColumnInt(7), 5);
  EXPECT_EQ(row.ColumnInt(8), 7);
  EXPECT_EQ(row.ColumnInt(9), 1);
  EXPECT_EQ(row.ColumnBytes(10), "");
}

TEST_F(EntryEditorTest, TwoEntriesOfOneNameShowTheNewestAndQuotesAreFound) {
  const EditorPage category{PageKind::Category, tools};
  EntryForm form = Open(EditorMode::New, category);
  form.name = "it's";
  form.content_text = "one";
  const EditorPage first = SaveText(EditorMode::New, category, form);
  form.content_text = "two";
  const EditorPage second = SaveText(EditorMode::New, category, form);
  EXPECT_EQ(first.kind, PageKind::Entry);
  EXPECT_GT(second.id, first.id);
}

TEST_F(EntryEditorTest, EditWritesTheWebViewBodyAndKeepsCharactersOutsideGbk) {
  const int entry = lib.AddEntry("page", tools, "old");
  const EditorPage page{PageKind::Entry, entry};
  EntryForm form = Open(EditorMode::Edit, page);
  form.page_name = "page.htm";
  form.text_view = false;
  const std::string emoji = Utf8ToGb("\xF0\x9F\x98\x80 \xF0\xA0\x80\x80");  // U+1F600, U+20000
  EntryEditor editor(db(), page_template, EditorMode::Edit, page);
  const EntryValues values =
      EntryEditor::Collect(form, "<head></head><body><b>粗 " + emoji + "</b></body>");
  EXPECT_EQ(values.content, "<b>粗 " + emoji + "</b>");
  ASSERT_TRUE(editor.Save(values, UnifyIcon::No, UnifyKeyword::No).saved);
  EXPECT_EQ(editor.PageAfterSave(values).id, entry);

  const EntryForm again = Open(EditorMode::Edit, page);
  EXPECT_EQ(again.content_text, "<b>粗 " + emoji + "</b>");
  EXPECT_EQ(again.page_name, "page.htm");
  EXPECT_FALSE(again.text_view);
}

TEST_F(EntryEditorTest, UnifyIconStaysWhenTheSaveFails) {
  const int a = lib.AddEntry("a", files);
  const int b = lib.AddEntry("b", files);
  lib.AddEntry("c", other);
  ASSERT_EQ(db().Run("CREATE TRIGGER no_insert BEFORE INSERT ON fun BEGIN "
                     "SELECT RAISE(ABORT,'refused'); END"),
            kSqliteOk);
  EntryEditor editor(db(), page_template, EditorMode::New, EditorPage{PageKind::Category, files});
  EntryForm form;
  ASSERT_TRUE(editor.Load(form, 9));
  form.name = "new";
  form.content_text = "x";
  const SaveReport report = editor.Save(EntryEditor::Collect(form, ""), UnifyIcon::Yes, UnifyKeyword::Yes);
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.failure, "执行失败，原因见下面信息：\r\nrefused");
  EXPECT_TRUE(report.side_failures.empty());
  ResultGrid grid;
  ASSERT_EQ(db().Query("Select [id] From [fun] where [图标]=9 ORDER BY id", grid), 2);
  EXPECT_EQ(grid.Number(1, 0), a);
  EXPECT_EQ(grid.Number(2, 0), b);
}

TEST(EditorTextTest, PlainTextSwitchedToTheWebViewKeepsItsLayout) {
  EXPECT_EQ(TextToWebHtml("  a  b & <c> \r\nd\ne  "),
            "a  b & <c> \r\nd\ne");  // holds "<": taken as HTML
  EXPECT_EQ(TextToWebHtml(" if (a && b)  x > 1\r\n\r\nend\nlast "),
            "if (a &amp;&amp; b)&nbsp;&nbsp;x &gt; 1<br>\r\n<br>\r\nend<br>\nlast");
}

TEST(EditorTextTest, BodyLineEndsAndLengthLabel) {
  EXPECT_EQ(BodyFromInnerHtml("x<body>in</body>y"), "in");
  EXPECT_EQ(BodyFromInnerHtml("<p>plain</p>"), "<p>plain</p>");
  EXPECT_EQ(StoredTextFromBox("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(BoxTextFromStored("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(LengthLabel("ab\n中"), "文本长度： 6，最大长度： 9999999");
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace mivrel::testing
