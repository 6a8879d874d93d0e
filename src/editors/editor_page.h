// What both editors are opened for: the mode the caller chose (the editors'
// shared mode flag) and the current page (the last record of the history).
#pragma once

#include <string>
#include <vector>

#include "ports/page_kinds.h"

namespace mivrel {

enum class EditorMode { New, Edit };

// A page the editors start from or show after saving.  The home page is the
// category page of id 0.
struct EditorPage {
  PageKind kind = PageKind::Category;
  int id = 0;
};

// The outcome of a save: whether the row was written, the message of the
// failure that kept it from being written, and the messages of failed
// statements that did not stop it (the unify updates).  Texts are GB18030.
struct SaveReport {
  bool saved = false;
  std::string failure;
  std::vector<std::string> side_failures;
};

enum class UnifyIcon { No, Yes };
enum class UnifyKeyword { No, Yes };

constexpr const char* kNameMissing = "必须要有个名字";
constexpr const char* kNotFound = "查无此物";

}  // namespace mivrel
