// mivrel-tool search TEXT [--scope ROW]: the full-text search's hits.
#include "tool/commands.h"
#include "tool/hit_listing.h"

namespace mivrel {

int RunSearchCommand(const ToolContext& context) {
  return RunHitListing(context, ResultPane::Search, "search");
}

}  // namespace mivrel
