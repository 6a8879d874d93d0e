// mivrel-tool index PREFIX [--scope ROW]: the name index's hits for a prefix.
#include "tool/commands.h"
#include "tool/hit_listing.h"

namespace mivrel {

int RunIndexCommand(const ToolContext& context) {
  return RunHitListing(context, ResultPane::Index, "index");
}

}  // namespace mivrel
