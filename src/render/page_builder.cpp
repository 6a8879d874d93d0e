// PageBuilder's set-up: the template and keyword sets it owns, and the page
// temp folder its entry pages write images into.
#include "base/files.h"
#include "render/pages.h"

namespace mivrel {

PageBuilder::PageBuilder(Database& db, const Settings& settings) : db_(db), settings_(settings) {}

void PageBuilder::BuildPageTemplate() { template_ = ::mivrel::BuildPageTemplate(settings_); }

void PageBuilder::LoadKeywordSets() { keywords_.Load(db_); }

void PageBuilder::SetPageTempFolder(const std::string& gb_folder) {
  temp_folder_ = gb_folder.empty() ? std::string() : WithTrailingSeparator(gb_folder);
}

}  // namespace mivrel
