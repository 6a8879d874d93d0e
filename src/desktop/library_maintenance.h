// The main window's side of backups and maintenance: it owns the library's
// backup rotation and the job runner whose progress window disables the main
// window, opens the options dialog, and restores backup n (the restore menu's
// commands 8701-8711): the database is replaced and reopened, "执行成功" posted,
// the tree reloaded and the home page shown.  The main window hands it the
// page and tree operations as functions, so it needs nothing of the main
// window's inner objects.
//
// One per main window; user-interface thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "desktop/options_window.h"
#include "desktop/progress_window.h"
#include "store/backups.h"

class wxWindow;

namespace mivrel {

class Database;
class IniFile;
class Ui;
struct Settings;

struct LibraryMaintenanceContext {
  Database& db;
  Settings& settings;
  const IniFile& ini;
  Ui& ui;
  std::string library_folder;  // GB18030, ends with a separator
  // Rebuilds the page style sheet from the settings.
  std::function<void()> rebuild_style;
  // Shows the current page again without recording it.
  std::function<void()> show_page_again;
  // Forgets cached pages, reloads the directory tree, shows the home page
  // without recording it.
  std::function<void()> show_library_again;
  // Ends the program (the database could not be reopened after a restore).
  std::function<void()> end_program;
};

class LibraryMaintenance final : public OptionsWindowHost {
 public:
  LibraryMaintenance(wxWindow* main_window, LibraryMaintenanceContext context);

  // The 选项 command: the options dialog, modal.
  void OpenOptions();

  // For the commands that change data: the automatic backup check (call it
  // first) and the job runner whose progress window disables the main window.
  LibraryBackups& Backups() { return backups_; }
  JobRunner& Jobs() { return jobs_; }

  // OptionsWindowHost
  void RestylePages() override;
  void ShowPageAgain() override;
  void RestoreBackup(int n) override;
  void ShowLibraryAgain() override;

 private:
  wxWindow* main_window_;
  LibraryMaintenanceContext context_;
  LibraryBackups backups_;
  WindowJobRunner jobs_;
};

}  // namespace mivrel
