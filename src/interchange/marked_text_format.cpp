#include "interchange/marked_text_format.h"

#include "base/text.h"

namespace mivrel {

std::string MarkedTextHeader() {
  // The first number carries the blank that separates it from the product name.
  return "<?xml version=\"1.1\" OsterkMivrel" + WithBlank(MIVREL_VERSION_MAJOR) + "." +
         std::to_string(MIVREL_VERSION_MINOR) + "." + std::to_string(MIVREL_VERSION_PATCH) + "." +
         std::to_string(MIVREL_VERSION_TWEAK) + " ?>";
}

}  // namespace mivrel
