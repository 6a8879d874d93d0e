// The category editor's logic: the form when it opens (the parent list with
// the edited category and its subtree marked "*", priority and icon with the
// stored values marked), the refusal of a parent inside the own subtree, the
// write of the row with the optional unify update of its siblings, and the
// page shown afterwards.  The window (desktop/) copies a CategoryForm into
// its controls and back and shows the messages.
//
// The automatic backup check is the caller's: after Validate, before Save.
//
// Borrows the database; user-interface thread only.
#pragma once

#include <string>

#include "editors/choice_list.h"
#include "editors/editor_page.h"

namespace mivrel {

class Database;

struct CategoryForm {
  ChoiceList parent;    // 类别
  ChoiceList priority;  // 优先
  ChoiceList icon;
  std::string name;     // GB18030
};

struct CategoryValues {
  int parent = 0;
  int priority = kDefaultPriority;
  int icon = 0;
  std::string name;  // trimmed, GB18030, quotes not doubled
};

constexpr const char* kParentInOwnSubtree = "分类是不可以设置到自己的子分类中的";

class CategoryEditor {
 public:
  CategoryEditor(Database& db, EditorMode mode, EditorPage current_page);

  EditorMode Mode() const { return m_mode; }

  // Fills `form`.  New mode: the parent is the current category page's
  // category or the current entry's main category; priority 100; the icon
  // `random_icon`.  Edit mode: the stored row; false when it is not there
  // ("查无此物").
  [[nodiscard]] bool Load(CategoryForm& form, int random_icon);

  // The message that keeps the form from being saved, empty when it may be:
  // the parent inside the edited category's own subtree (its item is marked
  // "*"), or "必须要有个名字".
  std::string Validate(const CategoryForm& form) const;
  static CategoryValues Collect(const CategoryForm& form);

  // Runs the unify update asked for (every category under the chosen parent
  // takes the icon), then inserts or updates the row.  A failed unify update
  // is not undone.
  SaveReport Save(const CategoryValues& values, UnifyIcon unify_icon);

  // After a successful save: in new mode the newest category of the saved
  // name (the home page when none is found), in edit mode the edited one.
  EditorPage PageAfterSave(const CategoryValues& values);

 private:
  Database& m_db;
  EditorMode m_mode;
  EditorPage m_page;
};

}  // namespace mivrel
