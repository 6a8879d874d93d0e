// What `mivrel-tool index` and `mivrel-tool search` share: the arguments
// (TEXT [--scope ROW]), the panes run over in-memory controls, and the listing
// of the hits, one "id<TAB>name" + LF line each (GB18030) in list order.
#pragma once

#include "shell/search_panes.h"
#include "tool/tool_context.h"

namespace mivrel {

// Runs the pane's query for the command's text and prints the listed hits; the
// status text goes to standard error.  `command` names the command in errors.
// Returns the process exit code.
int RunHitListing(const ToolContext& context, ResultPane pane, const char* command);

}  // namespace mivrel
