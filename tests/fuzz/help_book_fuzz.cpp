// Help-book tables of contents come from anyone: any bytes import without a
// crash or a database error, nesting of any depth without recursion, one
// category per recognised list and names no longer than the reader's limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "fuzz_check.h"
#include "quiet_job.h"
#include "interchange/contents_reader.h"
#include "interchange/web_import.h"
#include "store/database.h"
#include "store/schema.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mivrel;
  const std::string text(reinterpret_cast<const char*>(data), size);
  Database db;
  MIVREL_FUZZ_CHECK(db.Open(":memory:", OpenMode::ReadWriteCreate) == kSqliteOk);
  MIVREL_FUZZ_CHECK(CreateLibrarySchema(db) == kSqliteOk);
  fuzzing::QuietJob job;
  // Pages are looked for in a folder that does not exist: only the contents count.
  const ImportReport report = ImportHelpBook(db, text, "/nonexistent-mivrel-book/", 0, job);
  MIVREL_FUZZ_CHECK(report.outcome == ImportOutcome::Completed);
  size_t lists = 0;
  ContentsReader reader(text);
  ContentsEvent event;
  while (reader.Next(event)) lists += event.tag == ContentsTag::ListOpen;
  MIVREL_FUZZ_CHECK(static_cast<size_t>(report.counts.categories) <= lists);
  Statement names(db, "Select [类别名] From class");
  while (names.Step() == kSqliteRow)
    // Bytes that are no GB18030 character come back as U+FFFD (four bytes in
    // GB18030), so a stored name is at most four times the reader's limit.
    MIVREL_FUZZ_CHECK(names.ColumnGb(0).size() <= 4 * (kMaxContentsNameBytes + 8));
  return 0;
}
