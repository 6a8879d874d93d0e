#include "shell/interchange_commands.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "base/files.h"
#include "interchange/import_file.h"
#include "interchange/marked_text_export.h"
#include "ports/file_dialogs.h"
#include "ports/job_runner.h"
#include "ports/page_opener.h"
#include "ports/ui.h"
#include "shell/directory_tree.h"
#include "shell/history.h"
#include "store/records.h"

namespace mivrel {
namespace {

// The home page's name; TargetDisplayName shows it as "根目录".
constexpr const char* kHomePageName = "全部内容";

// Reading and checking a file takes about 2 ms per MB; from this size on it
// is done under the progress window, so that the main window keeps answering.
constexpr std::uintmax_t kReadUnderProgressBytes = 8u << 20;

bool LargeFile(const std::string& gb_path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(NativePath(gb_path), error);
  return !error && size >= kReadUnderProgressBytes;
}

}  // namespace

std::string ImportFilter(const std::string& gb_target_name) {
  return "导入到:" + gb_target_name +
         ",所支持的文件(*.xml,*.hhc,*.htm)|*.xml;*.hhc;*.htm;*.html|"
         "格式化文本文件 (*.xml)|*.xml|CHM电子书反编译后文件(*.hhc)|*.hhc|"
         "网页文件(*.htm)|*.htm;*.html";
}

InterchangeCommands::InterchangeCommands(Database& db, Ui& ui, FileDialogs& dialogs,
                                         History& history, DirectoryTree& tree, PageOpener& pages,
                                         JobRunner& jobs,
                                         std::function<void()> automatic_backup_check)
    : m_db(db), m_ui(ui), m_dialogs(dialogs), m_history(history), m_tree(tree), m_pages(pages),
      m_jobs(jobs), m_automatic_backup_check(std::move(automatic_backup_check)) {}

void InterchangeCommands::ExportCurrentPage() {
  const HistoryRecord* current = m_history.CurrentPage();
  if (current == nullptr) return;
  // The page may be replaced while the dialog is open; keep what it names.
  const HistoryRecord page = *current;
  const bool category = page.kind == PageKind::Category;
  FileDialogRequest request;
  request.title = (category ? "导出分类:" : "导出:") + page.title;
  request.filter = kExportFilter;
  request.proposed_name = page.title;
  const std::string path = m_dialogs.ChooseSavePath(request);
  if (path.empty()) return;
  m_ui.SetBusyCursor(true);
  ExportOutcome outcome = ExportOutcome::NotFound;
  const JobSpec job_request{category ? std::string(kExportCategoryCaption) : "导出:" + page.title, 0};
  m_jobs.Run(job_request, [&](JobContext& job) {
    outcome = category ? ExportCategory(m_db, page.id, path, job)
                       : ExportEntry(m_db, page.id, path, job);
    return outcome == ExportOutcome::Written ? 0 : 1;
  });
  m_ui.SetBusyCursor(false);
  const std::string message = ExportMessage(outcome, path);
  if (message.empty()) return;
  m_ui.ShowMessage(message, outcome == ExportOutcome::Written ? MessageIcon::Information
                                                              : MessageIcon::Stop);
}

InterchangeCommands::Target InterchangeCommands::ImportTarget() {
  const HistoryRecord* page = m_history.CurrentPage();
  if (page == nullptr) return Target{};
  if (page->kind == PageKind::Category) {
    const std::string name = page->id == 0 ? std::string(kHomePageName) : page->title;
    return Target{page->id, TargetDisplayName(name)};
  }
  const std::optional<EntryCategories> entry = ReadEntryCategories(m_db, page->id);
  if (!entry) return Target{};
  // An entry at the top level imports into the top level, which has no row.
  if (entry->category == 0) return Target{0, TargetDisplayName(kHomePageName)};
  const std::optional<CategoryRecord> category = ReadCategory(m_db, entry->category);
  if (!category) return Target{};
  return Target{category->id, TargetDisplayName(category->name)};
}

void InterchangeCommands::ImportIntoCurrentPage() {
  const Target target = ImportTarget();
  if (target.name.empty()) return;
  FileDialogRequest request;
  request.title = "导入到:" + target.name;
  request.filter = ImportFilter(target.name);
  const std::string path = m_dialogs.ChooseOpenPath(request);
  if (path.empty()) return;
  const std::string caption = ImportCaption(ImportKindOf(path), target.name);
  PreparedImport prepared;
  if (LargeFile(path)) {
    bool read = false;
    const JobOutcome reading = m_jobs.Run(JobSpec{caption, 0}, [&](JobContext&) {
      prepared = PrepareImport(path);
      read = true;
      return 0;
    });
    // Stopped while reading (or another job held the window): nothing to import.
    if (!read || reading.stopped) return;
  } else {
    prepared = PrepareImport(path);
  }
  if (!prepared.refusal.empty()) {
    m_ui.ShowMessage(prepared.refusal, MessageIcon::Stop);
    return;
  }
  if (prepared.nothing_to_do) return;
  PageScope scope = PageScope::ThisPage;
  if (prepared.kind == ImportKind::WebPage && AsksFolderQuestion(target.id)) {
    const MessageAnswer answer =
        m_ui.ShowMessage(FolderQuestion(path), MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel) return;
    if (answer == MessageAnswer::Yes) scope = PageScope::WholeFolder;
  }
  m_ui.SetBusyCursor(true);
  if (m_automatic_backup_check) m_automatic_backup_check();
  ImportReport report;
  ClashMode clash = ClashMode::Ask;
  m_jobs.Run(JobSpec{caption, 0}, [&](JobContext& job) {
    report = RunImport(m_db, prepared, target.id, clash, scope, job);
    return report.outcome == ImportOutcome::Completed ? 0 : 1;
  });
  m_ui.SetBusyCursor(false);
  // What was written before a stop or an error stays: show it in any case.
  m_tree.LoadDirectoryTree();
  m_pages.ShowCategoryPage(static_cast<int>(target.id), Record::Yes, SyncTree::Yes);
  m_ui.ShowMessage(ImportNotice(report), report.outcome == ImportOutcome::Failed
                                             ? MessageIcon::Stop
                                             : MessageIcon::Information);
}

}  // namespace mivrel
