#include "editors/entry_editor.h"

#include "base/text.h"
#include "editors/editor_text.h"
#include "store/database.h"
#include "store/store_failure.h"

namespace mivrel {

namespace {

// Columns of `fun` as `Select *` returns them.
enum FunColumn : int {
  kFunId = 0,
  kFunCategory = 1,
  kFunCategory2 = 2,
  kFunCategory3 = 3,
  kFunName = 4,
  kFunBrief = 5,
  kFunContent = 6,
  kFunIcon = 7,
  kFunPriority = 8,
  kFunKeyword = 9,
  kFunPageName = 10,
};

constexpr size_t kSecondaryFixedItems = 2;  // "不使用次分类", "顶级分类"
constexpr size_t kMainFixedItems = 1;       // "顶级分类"
constexpr int kKeywordKinds = 5;

constexpr const char* kInsertEntry =
    "INSERT INTO fun ([类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],[关键词],[网页名]) "
    "VALUES(?,?,?,?,?,?,?,?,?,?)";
constexpr const char* kUpdateEntry =
    "UPDATE fun SET [类别]=?,[类别2]=?,[类别3]=?,[名字]=?,[简介]=?,[注解]=?,[图标]=?,[优先]=?,"
    "[关键词]=?,[网页名]=? WHERE id=";

long long SecondaryCategory(const Statement& row, int column) {
  return row.ColumnIsNull(column) ? -1 : row.ColumnInt(column);
}


// Binds the values in column order, each only while every earlier bind
// succeeded; true when all did.
bool BindEntry(Statement& st, const EntryValues& values) {
  const std::string name = GbToUtf8(values.name);
  const std::string brief = GbToUtf8(values.brief);
  const std::string content = GbToUtf8(values.content);
  return st.BindInt(1, values.category) == kSqliteOk &&
         st.BindInt(2, values.category2) == kSqliteOk &&
         st.BindInt(3, values.category3) == kSqliteOk && st.BindText(4, name) == kSqliteOk &&
         st.BindText(5, brief) == kSqliteOk && st.BindText(6, content) == kSqliteOk &&
         st.BindInt(7, values.icon) == kSqliteOk && st.BindInt(8, values.priority) == kSqliteOk &&
         st.BindInt(9, values.keyword) == kSqliteOk &&
         st.BindText(10, values.page_name) == kSqliteOk;
}

}  // namespace

EntryEditor::EntryEditor(Database& db, const PageTemplate& page_template, EditorMode mode,
                         EditorPage current_page)
    : m_db(db), m_template(page_template), m_mode(mode), m_page(current_page) {}

bool EntryEditor::Load(EntryForm& form, int random_icon) {
  form = EntryForm();
  form.keyword = KeywordKindList(0);
  const std::vector<ChoiceItem> categories = ReadCategoryItems(m_db);
  form.main_category = MainCategoryList(categories);
  form.category2 = SecondaryCategoryList(categories);
  form.category3 = form.category2;
  if (m_mode == EditorMode::New) {
    LoadNew(form, random_icon);
    return true;
  }
  return LoadEdit(form);
}

void EntryEditor::LoadNew(EntryForm& form, int random_icon) {
  int category = 0;
  int icon = random_icon;
  if (m_page.kind == PageKind::Category) {
    category = m_page.id;
  } else {
    ResultGrid grid;
    if (m_db.Query("Select [类别],[图标] From [fun] where [id]=" + std::to_string(m_page.id), grid) >
        0) {
      category = static_cast<int>(grid.Number(1, 0));
      icon = static_cast<int>(grid.Number(1, 1));
    }
  }
  form.main_category.SelectData(category);
  form.priority = NumberList(kPriorityCount, kDefaultPriority, NumberMark::None);
  form.icon = NumberList(kIconCount, icon, NumberMark::None);
  form.text_view = true;
}

bool EntryEditor::LoadEdit(EntryForm& form) {
  Statement row(m_db, "Select * From [fun] where [id]=" + std::to_string(m_page.id));
  if (!row.Ok() || row.Step() != kSqliteRow) return false;
  MarkStoredCategory(form.main_category, static_cast<int>(row.ColumnInt(kFunCategory)),
                     kMainFixedItems);
  MarkStoredCategory(form.category2, static_cast<int>(SecondaryCategory(row, kFunCategory2)),
                     kSecondaryFixedItems);
  MarkStoredCategory(form.category3, static_cast<int>(SecondaryCategory(row, kFunCategory3)),
                     kSecondaryFixedItems);
  form.priority = NumberList(kPriorityCount, Clamp(row.ColumnInt(kFunPriority), 0, kPriorityCount - 1),
                             NumberMark::StarAfter);
  form.icon = NumberList(kIconCount, Clamp(row.ColumnInt(kFunIcon), 0, kIconCount - 1),
                         NumberMark::StarAfter);
  form.keyword = KeywordKindList(Clamp(row.ColumnInt(kFunKeyword), 0, kKeywordKinds - 1));
  form.name = row.ColumnGb(kFunName);
  form.brief = row.ColumnGb(kFunBrief);
  form.page_name = row.ColumnBytes(kFunPageName);
  const std::string content = row.ColumnGb(kFunContent);
  form.content_text = BoxTextFromStored(content);
  form.web_document = WebDocumentFor(content);
  form.text_view = form.page_name.empty();
  return true;
}

std::string EntryEditor::WebDocumentFor(const std::string& html) const {
  return WebDocument(m_template, html);
}

EntryValues EntryEditor::Collect(const EntryForm& form, const std::string& web_inner_html) {
  EntryValues values;
  values.category = form.main_category.SelectedData(0);
  values.category2 = form.category2.SelectedData(-1);
  values.category3 = form.category3.SelectedData(-1);
  values.priority = form.priority.selected < 0 ? kDefaultPriority : form.priority.selected;
  values.icon = form.icon.selected < 0 ? 0 : form.icon.selected;
  values.keyword = form.keyword.selected < 0 ? 0 : form.keyword.selected;
  values.name = TrimBlanks(form.name);
  values.brief = TrimBlanks(form.brief);
  values.page_name = TrimBlanks(form.page_name);
  values.content = form.text_view ? TrimBlanks(StoredTextFromBox(form.content_text))
                                  : BodyFromInnerHtml(web_inner_html);
  return values;
}

std::string EntryEditor::Validate(const EntryValues& values) {
  if (values.name.empty()) return kNameMissing;
  if (values.content.empty()) return kContentMissing;
  return std::string();
}

SaveReport EntryEditor::Save(const EntryValues& values, UnifyIcon unify_icon,
                             UnifyKeyword unify_keyword) {
  SaveReport report;
  const std::string where = " WHERE [类别]=" + std::to_string(values.category);
  if (unify_icon == UnifyIcon::Yes &&
      m_db.Run("UPDATE fun SET [图标]=" + std::to_string(values.icon) + where) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());
  if (unify_keyword == UnifyKeyword::Yes &&
      m_db.Run("UPDATE fun SET [关键词]=" + std::to_string(values.keyword) + where) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());

  Statement st(m_db, m_mode == EditorMode::New
                         ? std::string(kInsertEntry)
                         : kUpdateEntry + std::to_string(m_page.id));
  report.saved = st.Ok() && BindEntry(st, values) && st.Step() == kSqliteDone;
  if (!report.saved) report.failure = FailedStatement(m_db).Message();
  return report;
}

EditorPage EntryEditor::PageAfterSave(const EntryValues& values) {
  if (m_mode == EditorMode::Edit) return EditorPage{PageKind::Entry, m_page.id};
  ResultGrid grid;
  if (m_db.Query("Select id From [fun] where [名字]='" + QuoteSql(values.name) + "' ORDER BY ID DESC",
                 grid) > 0)
    return EditorPage{PageKind::Entry, static_cast<int>(grid.Number(1, 0))};
  return EditorPage{PageKind::Category, 0};
}

}  // namespace mivrel
