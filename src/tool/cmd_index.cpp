// Placeholder until the command is built; reports that it is not available.
#include "tool/commands.h"

namespace mivrel {

int RunIndexCommand(const ToolContext&) {
  PrintError("index: not available in this build");
  return 2;
}

}  // namespace mivrel
