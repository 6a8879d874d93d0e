// Marked-text files come from anyone: any bytes import without a crash and
// without a database error (every value is bound), create no more entries or
// categories than the file has opening tags, and store only valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "fuzz_check.h"
#include "quiet_job.h"
#include "interchange/marked_text_format.h"
#include "interchange/marked_text_import.h"
#include "store/database.h"
#include "store/schema.h"

namespace {

size_t Occurrences(std::string_view text, std::string_view tag) {
  size_t count = 0;
  for (size_t at = text.find(tag); at != std::string_view::npos; at = text.find(tag, at + 1)) ++count;
  return count;
}

long long Number(mivrel::Database& db, const char* sql) {
  mivrel::Statement st(db, sql);
  return st.Step() == mivrel::kSqliteRow ? st.ColumnInt(0) : -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mivrel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const MarkedTextStart start = CheckMarkedText(text);
  if (start.check != MarkedTextCheck::Ok) return 0;
  Database db;
  MIVREL_FUZZ_CHECK(db.Open(":memory:", OpenMode::ReadWriteCreate) == kSqliteOk);
  MIVREL_FUZZ_CHECK(CreateLibrarySchema(db) == kSqliteOk);
  EnsureSpeedIndexes(db);
  ClashMode mode = ClashMode::Ask;
  fuzzing::QuietJob job;
  const ImportReport report = ImportMarkedText(db, text, start.body, 0, mode, job);
  MIVREL_FUZZ_CHECK(report.outcome != ImportOutcome::Failed);
  const long long entries = Number(db, "Select count(*) From fun");
  const long long categories = Number(db, "Select count(*) From class");
  MIVREL_FUZZ_CHECK(entries == report.counts.entries);
  MIVREL_FUZZ_CHECK(categories == report.counts.categories);
  MIVREL_FUZZ_CHECK(static_cast<size_t>(entries) <= Occurrences(text, kEntryOpen));
  MIVREL_FUZZ_CHECK(static_cast<size_t>(categories) <= Occurrences(text, kCategoryOpen));
  Statement texts(db, "Select [名字]||[简介]||[注解] From fun");
  while (texts.Step() == kSqliteRow) MIVREL_FUZZ_CHECK(IsValidUtf8(texts.ColumnBytes(0)));
  return 0;
}
