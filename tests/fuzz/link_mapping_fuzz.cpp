// Link addresses come from pages, and pages from shared libraries and help
// books: any URL must map without fault, and folder URLs must stay inside the
// characters a URL may carry.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/file_urls.h"
#include "framework/link_address.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  static const std::string base = mivrel::FolderFileUrl("/tmp/tk0.25/");

  const mivrel::LinkTarget target = mivrel::MapLinkUrl(bytes, base);
  MIVREL_FUZZ_CHECK(target.kind == mivrel::LinkKind::Generated || target.address.empty());
  MIVREL_FUZZ_CHECK(mivrel::MapLinkUrl(base, base).kind == mivrel::LinkKind::OwnPage);
  MIVREL_FUZZ_CHECK(mivrel::PercentDecode(bytes).size() <= size);

  const std::string url = mivrel::FolderFileUrl(bytes + "/");
  MIVREL_FUZZ_CHECK(url.rfind("file://", 0) == 0);
  for (const char c : url.substr(7)) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       std::string("-._~/%").find(c) != std::string::npos;
    MIVREL_FUZZ_CHECK(plain);
  }
  return 0;
}
