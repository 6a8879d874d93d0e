#include "desktop/library_maintenance.h"

#include "jobs/backup_commands.h"
#include "jobs/maintenance.h"
#include "ports/ui.h"

namespace mivrel {

LibraryMaintenance::LibraryMaintenance(wxWindow* main_window, LibraryMaintenanceContext context)
    : main_window_(main_window),
      context_(std::move(context)),
      backups_(context_.db, context_.library_folder),
      jobs_(main_window, context_.ui) {}

void LibraryMaintenance::OpenOptions() {
  OptionsWindow dialog(main_window_, OptionsWindowContext{context_.settings, context_.ini, context_.db,
                                                          backups_, context_.ui, *this,
                                                          context_.library_folder});
  dialog.ShowModal();
}

void LibraryMaintenance::RestylePages() {
  context_.rebuild_style();
  context_.show_page_again();
}

void LibraryMaintenance::ShowPageAgain() { context_.show_page_again(); }

void LibraryMaintenance::ShowLibraryAgain() { context_.show_library_again(); }

void LibraryMaintenance::RestoreBackup(int n) {
  const RestoreReport report = RestoreLibrary(context_.db, backups_, n, context_.ui);
  switch (report.end) {
    case RestoreEnd::Restored:
      jobs_.Questions().PostNotice(kSuccessText, MessageIcon::Information);
      context_.show_library_again();
      return;
    case RestoreEnd::Failed:
      context_.ui.ShowMessage(report.text, MessageIcon::Stop, MessageButtons::Ok, MessageOwner::None);
      return;
    case RestoreEnd::NoDatabase:
      context_.end_program();
      return;
    case RestoreEnd::Nothing:
      return;
  }
}

}  // namespace mivrel
