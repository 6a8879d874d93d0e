// The shared generators' folder (mkbook.py, mkmarked.py, ...):
// $MIVREL_SHARED_TOOLS (a worktree lies elsewhere than the main checkout),
// else the one beside the sources that the test target was built with.
#pragma once

#include <cstdlib>
#include <string>

namespace mivrel::testing {

inline std::string SharedTools() {
  const char* env = std::getenv("MIVREL_SHARED_TOOLS");
  return env != nullptr && *env != '\0' ? std::string(env) : std::string(MIVREL_SHARED_TOOLS);
}

}  // namespace mivrel::testing
