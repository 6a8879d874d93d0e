// The entry editor's logic: what the form shows when it opens (preset from
// the current page in new mode, the stored row in edit mode, with the stored
// choices marked "*"), the values read back, their validation, the write of
// the row (with the optional unify updates of the whole main category) and
// the page shown afterwards.  The window (desktop/) copies an EntryForm into
// its controls and back and shows the messages; it holds no rules.
//
// The automatic backup check is the caller's: it runs after Validate and
// before Save, so that a backup is taken before any row changes.
//
// Borrows the database and the page template; user-interface thread only.
#pragma once

#include <string>

#include "editors/choice_list.h"
#include "editors/editor_page.h"

namespace mivrel {

class Database;
struct PageTemplate;

// The form's contents.  Texts are GB18030.
struct EntryForm {
  ChoiceList main_category;  // 主分类
  ChoiceList category2;      // first 次分类
  ChoiceList category3;      // second 次分类
  ChoiceList priority;       // 优先级
  ChoiceList icon;
  ChoiceList keyword;        // 关键词
  std::string name;
  std::string brief;
  std::string page_name;     // 网页名
  std::string content_text;  // the text box's text ("\n" line ends)
  std::string web_document;  // the document the web view is given (edit mode)
  bool text_view = true;     // the text-mode box "htm/代码文本" ticked
};

// The values of one entry row as written.  Texts are GB18030; the store
// converts name, brief and content to UTF-8, the page name is written as is.
struct EntryValues {
  int category = 0;
  int category2 = -1;
  int category3 = -1;
  std::string name;
  std::string brief;
  std::string content;
  int icon = 0;
  int priority = kDefaultPriority;
  int keyword = 0;
  std::string page_name;
};

constexpr const char* kContentMissing = "无内容，请输入内容";

class EntryEditor {
 public:
  // Borrows both; they must outlive the editor.
  EntryEditor(Database& db, const PageTemplate& page_template, EditorMode mode,
              EditorPage current_page);

  EditorMode Mode() const { return m_mode; }

  // Fills `form`.  New mode: the category is the current category page's, or
  // the current entry's main category (with its icon); otherwise the top
  // level; the icon is `random_icon` (see RandomIcon) unless taken over.
  // Edit mode: the stored row; false when it is not there ("查无此物").
  [[nodiscard]] bool Load(EntryForm& form, int random_icon);

  // The web view's document for a body's HTML.
  std::string WebDocumentFor(const std::string& html) const;

  // Reads the values back: in the text view the text box's text, in the web
  // view `web_inner_html` (the body's inner HTML); names and texts trimmed.
  static EntryValues Collect(const EntryForm& form, const std::string& web_inner_html);
  // The message that keeps the values from being saved, empty when they may
  // be: "必须要有个名字" or "无内容，请输入内容".
  static std::string Validate(const EntryValues& values);

  // Runs the unify updates asked for, then inserts (new mode) or updates
  // (edit mode) the row with the ten values bound in column order.  A failed
  // unify update does not stop the write and is not undone.
  SaveReport Save(const EntryValues& values, UnifyIcon unify_icon, UnifyKeyword unify_keyword);

  // After a successful save: in new mode the newest entry of the saved name
  // (the home page when none is found), in edit mode the edited entry.
  EditorPage PageAfterSave(const EntryValues& values);

 private:
  void LoadNew(EntryForm& form, int random_icon);
  bool LoadEdit(EntryForm& form);

  Database& m_db;
  const PageTemplate& m_template;
  EditorMode m_mode;
  EditorPage m_page;
};

}  // namespace mivrel
