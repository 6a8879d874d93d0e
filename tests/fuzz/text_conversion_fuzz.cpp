// Text crosses between GB18030 (memory) and UTF-8 (database, files) on every
// read and write: any bytes must convert, the results must be well-formed,
// and well-formed text must survive the round trip.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = mivrel::GbToUtf8(bytes);
  MIVREL_FUZZ_CHECK(mivrel::IsValidUtf8(utf8));
  const std::string gb = mivrel::Utf8ToGb(bytes);
  MIVREL_FUZZ_CHECK(mivrel::IsValidUtf8(mivrel::GbToUtf8(gb)));
  if (mivrel::IsValidUtf8(bytes)) MIVREL_FUZZ_CHECK(mivrel::GbToUtf8(mivrel::Utf8ToGb(bytes)) == bytes);

  const size_t limit = size == 0 ? 0 : data[0];
  const std::string cut = mivrel::CutAtCharBoundary(bytes, limit);
  MIVREL_FUZZ_CHECK(cut.size() <= limit && bytes.substr(0, cut.size()) == cut);

  const std::string quoted = mivrel::QuoteSql(bytes);
  MIVREL_FUZZ_CHECK(mivrel::ReplacedAll(quoted, "''", "'") == bytes);
  (void)mivrel::LeadingNumber(bytes);
  MIVREL_FUZZ_CHECK(mivrel::UpperAscii(bytes).size() == size && mivrel::LowerAscii(bytes).size() == size);
  return 0;
}
