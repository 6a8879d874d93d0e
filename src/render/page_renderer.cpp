// PageRenderer's set-up: the borrowed ports, the template and keyword sets it
// owns, and the page temp folder its entry pages write images into.
#include "base/files.h"
#include "render/pages.h"

namespace mivrel {

PageRenderer::PageRenderer(Database& db, const Settings& settings, BrowserPane& pane, Ui& ui,
                           PageHooks& hooks, Clock& clock)
    : db_(db), settings_(settings), pane_(pane), ui_(ui), hooks_(hooks), clock_(clock) {}

void PageRenderer::BuildPageTemplate() { template_ = ::mivrel::BuildPageTemplate(settings_); }

void PageRenderer::LoadKeywordSets() { keywords_.Load(db_); }

void PageRenderer::SetPageTempFolder(const std::string& gb_folder) {
  temp_folder_ = gb_folder.empty() ? std::string() : WithTrailingSeparator(gb_folder);
}

}  // namespace mivrel
