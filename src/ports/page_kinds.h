// The words the page operations are asked with: whether a shown page goes into
// the history, whether the directory tree follows it, and which kind of page
// it is.  Shared by the page builders, the presenter and every caller.
#pragma once

#include <cstdint>

namespace mivrel {

enum class Record { Yes, No };
enum class SyncTree { Yes, No };
enum class PageKind : uint8_t { Entry = 0, Category = 1 };

}  // namespace mivrel
