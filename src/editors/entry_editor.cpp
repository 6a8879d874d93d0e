#include "editors/entry_editor.h"

#include "editors/editor_text.h"
#include "store/database.h"
#include "store/records_edit.h"
#include "store/store_failure.h"

namespace mivrel {

namespace {

constexpr size_t kSecondaryFixedItems = 2;  // "不使用次分类", "顶级分类"
constexpr size_t kMainFixedItems = 1;       // "顶级分类"
constexpr int kKeywordKinds = 5;

EntryRecord RecordOf(const EntryValues& values, long long id) {
  EntryRecord entry;
  entry.id = id;
  entry.category = values.category;
  entry.category2 = values.category2;
  entry.category3 = values.category3;
  entry.name = values.name;
  entry.brief = values.brief;
  entry.content = values.content;
  entry.icon = values.icon;
  entry.priority = values.priority;
  entry.keyword = values.keyword;
  entry.page_name = values.page_name;
  return entry;
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
  } else if (const std::optional<EntryRecord> entry = ReadEntryById(m_db, m_page.id)) {
    category = static_cast<int>(entry->category);
    icon = Clamp(entry->icon, 0, kIconCount - 1);
  }
  form.main_category.SelectData(category);
  form.priority = NumberList(kPriorityCount, kDefaultPriority, NumberMark::None);
  form.icon = NumberList(kIconCount, icon, NumberMark::None);
  form.text_view = true;
}

bool EntryEditor::LoadEdit(EntryForm& form) {
  const std::optional<EntryRecord> entry = ReadEntryById(m_db, m_page.id);
  if (!entry) return false;
  MarkStoredCategory(form.main_category, static_cast<int>(entry->category), kMainFixedItems);
  MarkStoredCategory(form.category2, static_cast<int>(entry->category2), kSecondaryFixedItems);
  MarkStoredCategory(form.category3, static_cast<int>(entry->category3), kSecondaryFixedItems);
  form.priority = NumberList(kPriorityCount, Clamp(entry->priority, 0, kPriorityCount - 1),
                             NumberMark::StarAfter);
  form.icon = NumberList(kIconCount, Clamp(entry->icon, 0, kIconCount - 1), NumberMark::StarAfter);
  form.keyword = KeywordKindList(Clamp(entry->keyword, 0, kKeywordKinds - 1));
  form.name = entry->name;
  form.brief = entry->brief;
  form.page_name = entry->page_name;
  form.content_text = BoxTextFromStored(entry->content);
  form.web_document = WebDocumentFor(entry->content);
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
  if (unify_icon == UnifyIcon::Yes && SetEntryIconsIn(m_db, values.category, values.icon) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());
  if (unify_keyword == UnifyKeyword::Yes &&
      SetEntryKeywordsIn(m_db, values.category, values.keyword) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());

  const int rc = m_mode == EditorMode::New ? InsertEntry(m_db, RecordOf(values, 0))
                                           : UpdateEntry(m_db, RecordOf(values, m_page.id));
  report.saved = rc == kSqliteDone;
  if (!report.saved) report.failure = FailedStatement(m_db).Message();
  return report;
}

EditorPage EntryEditor::PageAfterSave(const EntryValues& values) {
  if (m_mode == EditorMode::Edit) return EditorPage{PageKind::Entry, m_page.id};
  const long long id = FindNewestEntryByName(m_db, values.name);
  if (id > 0) return EditorPage{PageKind::Entry, static_cast<int>(id)};
  return EditorPage{PageKind::Category, 0};
}

}  // namespace mivrel
