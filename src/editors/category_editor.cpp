#include "editors/category_editor.h"

#include "base/text.h"
#include "editors/editor_text.h"
#include "store/database.h"
#include "store/records_edit.h"
#include "store/store_failure.h"

namespace mivrel {

namespace {

CategoryRecord RecordOf(const CategoryValues& values, long long id) {
  CategoryRecord category;
  category.id = id;
  category.name = values.name;
  category.parent = values.parent;
  category.icon = values.icon;
  category.priority = values.priority;
  return category;
}

}  // namespace

CategoryEditor::CategoryEditor(Database& db, EditorMode mode, EditorPage current_page)
    : m_db(db), m_mode(mode), m_page(current_page) {}

bool CategoryEditor::Load(CategoryForm& form, int random_icon) {
  form = CategoryForm();
  form.parent = MainCategoryList(ReadCategoryItems(m_db));
  if (m_mode == EditorMode::New) {
    int parent = 0;
    if (m_page.kind == PageKind::Category) {
      parent = m_page.id;
    } else if (const std::optional<EntryCategories> entry = ReadEntryCategories(m_db, m_page.id)) {
      parent = static_cast<int>(entry->category);
    }
    form.parent.SelectData(parent);
    form.priority = NumberList(kPriorityCount, kDefaultPriority, NumberMark::None);
    form.icon = NumberList(kIconCount, random_icon, NumberMark::None);
    return true;
  }

  const std::optional<CategoryRecord> row = ReadCategory(m_db, m_page.id);
  if (!row) return false;
  MarkSubtree(form.parent, m_page.id);
  form.parent.SelectData(static_cast<int>(row->parent));
  form.priority = NumberList(kPriorityCount, Clamp(row->priority, 0, kPriorityCount - 1),
                             NumberMark::StarBefore);
  form.icon = NumberList(kIconCount, Clamp(row->icon, 0, kIconCount - 1), NumberMark::StarBefore);
  form.name = row->name;
  return true;
}

std::string CategoryEditor::Validate(const CategoryForm& form) const {
  if (m_mode == EditorMode::Edit && form.parent.selected >= 0) {
    const std::string& text = form.parent.items[static_cast<size_t>(form.parent.selected)].text;
    if (StartsWith(text, "*")) return kParentInOwnSubtree;
  }
  if (TrimBlanks(form.name).empty()) return kNameMissing;
  return std::string();
}

CategoryValues CategoryEditor::Collect(const CategoryForm& form) {
  CategoryValues values;
  values.parent = form.parent.SelectedData(0);
  values.priority = form.priority.selected < 0 ? kDefaultPriority : form.priority.selected;
  values.icon = form.icon.selected < 0 ? 0 : form.icon.selected;
  values.name = TrimBlanks(form.name);
  return values;
}

SaveReport CategoryEditor::Save(const CategoryValues& values, UnifyIcon unify_icon) {
  SaveReport report;
  if (unify_icon == UnifyIcon::Yes &&
      SetCategoryIconsUnder(m_db, values.parent, values.icon) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());
  report.saved = m_mode == EditorMode::New
                     ? InsertCategory(m_db, RecordOf(values, 0)) == kSqliteDone
                     : UpdateCategory(m_db, RecordOf(values, m_page.id)) == kSqliteOk;
  if (!report.saved) report.failure = FailedStatement(m_db).Message();
  return report;
}

EditorPage CategoryEditor::PageAfterSave(const CategoryValues& values) {
  if (m_mode == EditorMode::Edit) return EditorPage{PageKind::Category, m_page.id};
  const long long id = FindNewestCategoryByName(m_db, values.name);
  return EditorPage{PageKind::Category, static_cast<int>(id > 0 ? id : 0)};
}

}  // namespace mivrel
