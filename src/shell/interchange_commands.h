// The commands 导入 and 导出 (after the command table's refusals).
//
// 导出 writes the current page (the last history record) to a marked-text
// file chosen in the save dialog: an entry page as that entry, a category page
// (the home page included) as the whole category, on the worker under the
// progress window.  Afterwards "保存到文件完成" or "写文件出错！！" with the
// path; nothing after a stop (and nothing written).
//
// 导入 takes its target from the current page: a category page's category, or
// an entry page's main category; the top level shows as "根目录".  The chosen
// file is checked (refusals shown with the stop icon), a web page below a
// category asks whether to take its whole folder, the automatic backup check
// runs, and the import runs on the worker (the clash question is asked
// through the job).  Whatever the outcome, the notice is shown, the tree is
// reloaded and the target's page shown.
//
// Borrows everything; user-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "shell/commands.h"

namespace mivrel {

class Database;
class DirectoryTree;
class FileDialogs;
class History;
class JobRunner;
class PageOpener;
class Ui;

constexpr const char* kExportFilter = "带标记的文本格式文件 (*.xml)|*.xml";
constexpr const char* kExportCategoryCaption = "导出整个分类的所有资料";

// The open dialog's filter, its first entry labelled with the target.  The
// web-page patterns take ".html" as well: the import accepts both.
std::string ImportFilter(const std::string& gb_target_name);

class InterchangeCommands final : public InterchangeActions {
 public:
  // `automatic_backup_check` runs before an import writes anything; the
  // export and import jobs run under `jobs` (the progress window).
  InterchangeCommands(Database& db, Ui& ui, FileDialogs& dialogs, History& history,
                      DirectoryTree& tree, PageOpener& pages, JobRunner& jobs,
                      std::function<void()> automatic_backup_check);

  // Nothing happens without a current page or when a dialog is cancelled.
  void ExportCurrentPage() override;
  void ImportIntoCurrentPage() override;

 private:
  struct Target {
    long long id = 0;
    std::string name;  // as shown to the user; empty: no target
  };
  Target ImportTarget();

  Database& m_db;
  Ui& m_ui;
  FileDialogs& m_dialogs;
  History& m_history;
  DirectoryTree& m_tree;
  PageOpener& m_pages;
  JobRunner& m_jobs;
  std::function<void()> m_automatic_backup_check;
};

}  // namespace mivrel
