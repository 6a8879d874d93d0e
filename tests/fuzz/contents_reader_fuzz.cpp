// Help-book tables of contents come from anyone: any bytes must parse, with
// parents before their children and memory linear in the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "interchange/contents_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<mivrel::ContentsItem> items = mivrel::ParseContents(text);
  size_t bytes = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const mivrel::ContentsItem& item = items[i];
    MIVREL_FUZZ_CHECK(item.parent >= -1 && item.parent < static_cast<int>(i));
    MIVREL_FUZZ_CHECK(item.parent < 0 || items[static_cast<size_t>(item.parent)].kind == mivrel::ContentsKind::Book);
    MIVREL_FUZZ_CHECK(item.name.size() <= mivrel::kMaxContentsLabelBytes);
    MIVREL_FUZZ_CHECK(item.kind == mivrel::ContentsKind::Page || item.local.empty());
    bytes += item.name.size() + item.local.size();
  }
  // Each item needs at least a four-byte tag and carries at most one cut name.
  MIVREL_FUZZ_CHECK(bytes <= (size / 4 + 1) * (mivrel::kMaxContentsLabelBytes + 1) + size);
  return 0;
}
