// Web pages come from anyone: any bytes give a brief of at most 50 characters,
// a content without NUL bytes, and image sources that are plain file names once
// reduced.  (A malformed link tag may swallow a rewritten image tag, so sources
// are not counted against the tags left in the content.)
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "fuzz_check.h"
#include "interchange/page_transform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mivrel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TransformedPage page = TransformPage(bytes, "12_");
  // 50 characters of at most 4 bytes each.
  MIVREL_FUZZ_CHECK(page.brief.size() <= 200);
  MIVREL_FUZZ_CHECK(page.content.find('\0') == std::string::npos);
  for (const std::string& source : page.image_sources) {
    MIVREL_FUZZ_CHECK(!source.empty());
    const std::string name = ImageFileName(source);
    MIVREL_FUZZ_CHECK(name.find('/') == std::string::npos);
  }
  return 0;
}
