#include "interchange/web_import.h"

#include <algorithm>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "interchange/contents_reader.h"
#include "interchange/import_rules.h"
#include "interchange/page_transform.h"
#include "ports/job_context.h"
#include "base/gb_chars.h"
#include "store/database.h"
#include "store/records_writer.h"

namespace mivrel {
namespace {

constexpr long long kPageIcon = 2;
constexpr long long kPagePriority = 100;

// Help books write Windows paths; a backslash inside a double-byte character
// is no separator.
std::string PortablePath(std::string_view gb_path) {
  std::string path(gb_path);
  ReplaceAllAtCharStarts(path, "\\", "/");
  return path;
}

bool IsPageFileName(const std::string& gb_name) {
  const std::string lower = LowerAscii(gb_name);
  return EndsWith(lower, ".htm") || EndsWith(lower, ".html");
}

// Imports pages into the library and keeps the counts.
class PageImporter {
 public:
  PageImporter(Database& db, long long target)
      : m_db(db), m_writer(db), m_prefix(PagePrefix(target)) {}

  // False when the entry could not be written (report().error says why).
  // `gb_name` empty: the page's title.
  [[nodiscard]] bool Import(const std::string& gb_name, const std::string& gb_path,
                            long long category) {
    const std::string path = PortablePath(gb_path);
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.empty()) return true;
    TransformedPage page = TransformPage(bytes, m_prefix);
    EntryRecord entry;
    entry.category = category;
    entry.name = gb_name.empty() ? page.title : DecodeBasicEntities(gb_name);
    entry.brief = std::move(page.brief);
    entry.content = std::move(page.content);
    entry.icon = kPageIcon;
    entry.priority = kPagePriority;
    entry.keyword = 0;
    entry.page_name = m_prefix + LowerAscii(FileNamePart(path));
    if (m_writer.InsertEntry(ImportedEntry(std::move(entry))) != kSqliteDone)
      return Fail("执行失败，原因见下面信息：");
    const long long id = m_db.LastInsertId();
    ++m_report.counts.entries;
    const std::string folder = FolderOf(path);
    for (const std::string& source : page.image_sources) {
      ImageRecord image;
      image.file_name = ImageFileName(source);
      image.entry_id = id;
      if (!ReadWholeFile(folder + PortablePath(source), image.data)) image.data.clear();
      if (m_writer.InsertImage(image) == kSqliteDone) ++m_report.counts.images;
    }
    return true;
  }

  // A category for a nested list; 0 when it could not be made.
  long long AddCategory(long long parent, const std::string& gb_name) {
    const long long id = AddImportedCategory(m_db, m_writer, parent, DecodeBasicEntities(gb_name));
    if (id == 0) {
      Fail("新增类加失败，原因见下面信息：");
    } else {
      ++m_report.counts.categories;
    }
    return id;
  }

  void Stopped() { m_report.outcome = ImportOutcome::Stopped; }
  const ImportReport& report() const { return m_report; }

 private:
  bool Fail(const std::string& first_line) {
    m_report.outcome = ImportOutcome::Failed;
    m_report.error = first_line + "\r\n" + m_db.LastError();
    return false;
  }

  Database& m_db;
  RecordWriter m_writer;
  std::string m_prefix;
  ImportReport m_report;
};

}  // namespace

std::string FolderOf(const std::string& gb_path) {
  const std::string path = PortablePath(gb_path);
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string PagePrefix(long long target) { return std::to_string(target) + "_"; }

ImportReport ImportHelpBook(Database& db, const std::string& contents,
                            const std::string& gb_book_folder, long long target,
                            JobContext& job) {
  TransactionBracket transaction(db);
  PageImporter pages(db, target);
  ContentsReader reader(contents);
  job.SetRange(static_cast<std::int64_t>(contents.size()));

  // One level per open list: its category and its current name.
  struct Level {
    long long category;
    std::string name;
  };
  std::vector<Level> levels{{target, std::string()}};
  ContentsEvent event;
  while (!levels.empty() && reader.Next(event)) {
    job.SetPosition(static_cast<std::int64_t>(reader.Position()));
    if (job.StopRequested()) {
      pages.Stopped();
      break;
    }
    Level& level = levels.back();
    if (event.tag == ContentsTag::ListOpen) {
      const long long id = pages.AddCategory(level.category, level.name);
      if (id == 0) break;
      levels.push_back({id, std::string()});
    } else if (event.tag == ContentsTag::ListClose) {
      levels.pop_back();
    } else if (event.tag == ContentsTag::Name) {
      level.name = CutAtCharBoundary(event.value, kMaxContentsNameBytes);
    } else {
      const std::string_view local = event.value.substr(0, event.value.find('#'));
      if (!pages.Import(level.name, gb_book_folder + std::string(local), level.category)) break;
    }
  }
  return pages.report();
}

ImportReport ImportSinglePage(Database& db, const std::string& gb_page_path, long long target,
                              JobContext& job) {
  TransactionBracket transaction(db);
  PageImporter pages(db, target);
  (void)pages.Import(std::string(), gb_page_path, target);
  return pages.report();
}

ImportReport ImportPageFolder(Database& db, const std::string& gb_folder, long long target,
                              JobContext& job) {
  std::vector<std::string> names = ListFolder(gb_folder, false);
  names.erase(std::remove_if(names.begin(), names.end(),
                             [&](const std::string& name) {
                               return !IsPageFileName(name) || !IsRegularFile(gb_folder + name);
                             }),
              names.end());
  std::sort(names.begin(), names.end());

  TransactionBracket transaction(db);
  PageImporter pages(db, target);
  job.SetRange(static_cast<std::int64_t>(names.size()));
  std::int64_t done = 0;
  for (const std::string& name : names) {
    if (job.StopRequested()) {
      pages.Stopped();
      break;
    }
    if (!pages.Import(std::string(), gb_folder + name, target)) break;
    job.SetPosition(++done);
  }
  return pages.report();
}

}  // namespace mivrel
