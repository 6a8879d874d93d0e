#include "shell/open_library.h"

#include "ports/ui.h"

namespace mivrel {

OpenResult OpenLibrary(Database& db, const std::string& folder, Ui& ui) {
  std::string failure;
  const OpenResult result = OpenReferenceDatabase(db, folder, failure);
  if (result != OpenResult::Opened)
    ui.ShowMessage(failure, MessageIcon::Stop, MessageButtons::Ok, MessageOwner::None);
  return result;
}

}  // namespace mivrel
