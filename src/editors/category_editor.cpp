#include "editors/category_editor.h"

#include "base/text.h"
#include "editors/editor_text.h"
#include "store/database.h"
#include "store/store_failure.h"

namespace mivrel {

namespace {

// Columns of `class` as `Select *` returns them.
enum ClassColumn : int {
  kClassId = 0,
  kClassName = 1,
  kClassParent = 2,
  kClassIcon = 3,
  kClassPriority = 4,
};



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
    } else {
      ResultGrid grid;
      if (m_db.Query("Select [类别] From [fun] where [id]=" + std::to_string(m_page.id), grid) > 0)
        parent = static_cast<int>(grid.Number(1, 0));
    }
    form.parent.SelectData(parent);
    form.priority = NumberList(kPriorityCount, kDefaultPriority, NumberMark::None);
    form.icon = NumberList(kIconCount, random_icon, NumberMark::None);
    return true;
  }

  ResultGrid row;
  if (m_db.Query("Select * From [class] where [id]=" + std::to_string(m_page.id), row) == 0)
    return false;
  MarkSubtree(form.parent, m_page.id);
  form.parent.SelectData(static_cast<int>(row.Number(1, kClassParent)));
  form.priority =
      NumberList(kPriorityCount, Clamp(row.Number(1, kClassPriority), 0, kPriorityCount - 1),
                 NumberMark::StarBefore);
  form.icon = NumberList(kIconCount, Clamp(row.Number(1, kClassIcon), 0, kIconCount - 1),
                         NumberMark::StarBefore);
  form.name = row.At(1, kClassName);
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
  const std::string parent = std::to_string(values.parent);
  const std::string icon = std::to_string(values.icon);
  const std::string priority = std::to_string(values.priority);
  if (unify_icon == UnifyIcon::Yes &&
      m_db.Run("UPDATE class SET [图标]=" + icon + " WHERE [父类别]=" + parent) != kSqliteOk)
    report.side_failures.push_back(FailedStatement(m_db).Message());
  const std::string name = QuoteSql(values.name);
  const std::string sql =
      m_mode == EditorMode::New
          ? "INSERT INTO class ([类别名],[父类别],[图标],[优先]) VALUES('" + name + "'," + parent +
                "," + icon + "," + priority + ")"
          : "UPDATE class SET [类别名]='" + name + "',[父类别]=" + parent + ",[图标]=" + icon +
                ",[优先]=" + priority + " WHERE id=" + std::to_string(m_page.id);
  report.saved = m_db.Run(sql) == kSqliteOk;
  if (!report.saved) report.failure = FailedStatement(m_db).Message();
  return report;
}

EditorPage CategoryEditor::PageAfterSave(const CategoryValues& values) {
  if (m_mode == EditorMode::Edit) return EditorPage{PageKind::Category, m_page.id};
  ResultGrid grid;
  if (m_db.Query("Select id From [class] where [类别名]='" + QuoteSql(values.name) +
                     "' ORDER BY ID DESC",
                 grid) > 0)
    return EditorPage{PageKind::Category, static_cast<int>(grid.Number(1, 0))};
  return EditorPage{PageKind::Category, 0};
}

}  // namespace mivrel
