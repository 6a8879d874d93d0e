// The delete command (删, the tree menu's 删除, the Delete key in the tree):
// refuses the home page, then moves the selected item into the recycle bin,
// or (with 使用回收站 off, or for an item already in the bin) asks and removes
// the current page's entry or category for good under the progress window,
// tells the counts and takes the item out of the tree.  A removal that fails
// changes nothing, says why and leaves the item in the tree.
//
// Borrows everything; user-interface thread only.
#pragma once

#include <functional>
#include <string>

namespace mivrel {

class Database;
class DirectoryTree;
class History;
class JobRunner;
class Ui;
struct Settings;

constexpr const char* kHomePageDeleteRefusal = "亲，主页是不可以删除的哦！";

// The confirmations of a removal for good.
std::string CategoryDeleteQuestion(const std::string& gb_name);
std::string EntryDeleteQuestion(const std::string& gb_name);

class DeleteCommand {
 public:
  // `automatic_backup_check` runs before rows are removed for good; the
  // removal itself runs under `jobs` (the progress window).
  DeleteCommand(Database& db, Ui& ui, DirectoryTree& tree, History& history,
                const Settings& settings, JobRunner& jobs,
                std::function<void()> automatic_backup_check);

  // Runs the command.  Nothing happens without a current page or without a
  // selected tree item.
  void Run();

 private:
  void Recycle();
  void DeleteCategoryForGood(int id);
  void DeleteEntryForGood(int id, const std::string& name);
  // Removes the selected item from the tree and selects its neighbour (which
  // shows that page).
  void RemoveSelectedItem();

  Database& m_db;
  Ui& m_ui;
  DirectoryTree& m_tree;
  History& m_history;
  const Settings& m_settings;
  JobRunner& m_jobs;
  std::function<void()> m_automatic_backup_check;
};

}  // namespace mivrel
