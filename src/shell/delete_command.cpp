#include "shell/delete_command.h"

#include <optional>

#include "ports/ui.h"
#include "ports/job_runner.h"
#include "settings/settings.h"
#include "shell/directory_tree.h"
#include "shell/history.h"
#include "store/database.h"
#include "store/deletion.h"
#include "store/records.h"

namespace mivrel {

std::string CategoryDeleteQuestion(const std::string& gb_name) {
  return "你确定要删除这个分类吗？\r\n" + gb_name +
         "\r\n将一同删除此类中所有子分类，子分类\r\n中的子分类和所属于上面任意分类的资料档。";
}

std::string EntryDeleteQuestion(const std::string& gb_name) {
  return "你确定要删除这个资料吗？\r\n" + gb_name;
}

DeleteCommand::DeleteCommand(Database& db, Ui& ui, DirectoryTree& tree, History& history,
                             const Settings& settings, JobRunner& jobs,
                             std::function<void()> automatic_backup_check)
    : m_db(db), m_ui(ui), m_tree(tree), m_history(history), m_settings(settings), m_jobs(jobs),
      m_automatic_backup_check(std::move(automatic_backup_check)) {}

void DeleteCommand::Run() {
  const HistoryRecord* page = m_history.CurrentPage();
  if (page == nullptr) return;
  if (page->kind == PageKind::Category && page->id == 0) {
    m_ui.ShowMessage(kHomePageDeleteRefusal, MessageIcon::Exclamation);
    return;
  }
  const TreeItem selected = m_tree.View().SelectedItem();
  if (selected == kNoTreeItem) return;
  if (m_settings.use_recycle_bin && !m_tree.InRecycleBin(selected)) {
    Recycle();
    return;
  }
  // The page may be replaced while the command runs; keep what it names.
  const HistoryRecord current = *page;
  if (current.kind == PageKind::Category)
    DeleteCategoryForGood(current.id);
  else
    DeleteEntryForGood(current.id, current.title);
}

void DeleteCommand::Recycle() {
  const TreeItem selected = m_tree.View().SelectedItem();
  StoreFailure failure;
  const int bin = EnsureRecycleBin(m_db, m_tree.RecycleBinId(), failure);
  if (bin == 0) {
    m_ui.ShowMessage(failure.Message(), MessageIcon::Stop);
    return;
  }
  if (m_tree.RecycleBinId() != bin) m_tree.AddRecycleBinNode(bin);
  const TreeItem neighbour = m_tree.NeighbourOf(selected);
  if (!m_tree.MoveIntoRecycleBin(selected)) return;
  m_tree.View().SelectItem(neighbour);
}

void DeleteCommand::DeleteCategoryForGood(int id) {
  const std::optional<CategoryRecord> category = ReadCategory(m_db, id);
  if (!category) return;
  if (m_ui.ShowMessage(CategoryDeleteQuestion(category->name), MessageIcon::Question,
                       MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  m_ui.SetBusyCursor(true);
  if (m_automatic_backup_check) m_automatic_backup_check();
  bool done = false;
  DeletionCounts counts;
  StoreFailure failure;
  m_jobs.Run(JobSpec{kDeletingCaption, 0}, [&](JobContext& job) {
    done = mivrel::DeleteCategoryForGood(m_db, id, job, counts, failure);
    return done ? 1 : 0;
  });
  m_ui.SetBusyCursor(false);
  if (!done) {
    m_ui.ShowMessage(failure.Message(), MessageIcon::Stop);
    return;
  }
  m_ui.ShowMessage(CategoryDeletedText(counts), MessageIcon::Information);
  RemoveSelectedItem();
}

void DeleteCommand::DeleteEntryForGood(int id, const std::string& name) {
  if (name.empty()) return;
  if (m_ui.ShowMessage(EntryDeleteQuestion(name), MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return;
  m_ui.SetBusyCursor(true);
  if (m_automatic_backup_check) m_automatic_backup_check();
  bool done = false;
  StoreFailure failure;
  m_jobs.Run(JobSpec{kDeletingCaption, 0}, [&](JobContext& job) {
    done = mivrel::DeleteEntryForGood(m_db, id, job, failure);
    return done ? 1 : 0;
  });
  m_ui.SetBusyCursor(false);
  if (!done) {
    m_ui.ShowMessage(failure.Message(), MessageIcon::Stop);
    return;
  }
  m_ui.ShowMessage(kEntryDeletedText, MessageIcon::Information);
  RemoveSelectedItem();
}

void DeleteCommand::RemoveSelectedItem() {
  const TreeItem selected = m_tree.View().SelectedItem();
  if (selected == kNoTreeItem) return;
  const TreeItem neighbour = m_tree.RemoveDeletedItem(selected);
  if (neighbour != kNoTreeItem) m_tree.View().SelectItem(neighbour);
}

}  // namespace mivrel
