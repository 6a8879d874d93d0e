#include "interchange/marked_text_export.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "interchange/marked_text_format.h"
#include "interchange/replacing_file.h"
#include "ports/job_context.h"
#include "store/database.h"
#include "store/records.h"
#include "store/records_scan.h"

namespace mivrel {
namespace {

// Writes lines joined by CR LF, none after the last.
class LineWriter {
 public:
  explicit LineWriter(ReplacingFile& file) : m_file(file) {}
  void Line(std::string_view text) {
    if (m_lines++ > 0) m_file.Append(kLineBreak);
    m_file.Append(text);
  }
  void Element(const MarkedElement& element, std::string_view value) {
    if (m_lines++ > 0) m_file.Append(kLineBreak);
    m_file.Append(element.open);
    m_file.Append(value);
    m_file.Append(element.close);
  }

 private:
  ReplacingFile& m_file;
  size_t m_lines = 0;
};

// Entry blocks with their image lines.  Only entries known to own images are
// asked for them: the image table has no index by entry.
class EntryBlockWriter {
 public:
  EntryBlockWriter(Database& db, LineWriter& out)
      : m_db(db), m_out(out), m_owners(ReadImageOwners(db)) {}

  void Write(const EntryRecord& entry) {
    m_out.Line(kEntryOpen);
    m_out.Element(kNameTag, entry.name);
    m_out.Element(kIconTag, std::to_string(entry.icon));
    m_out.Element(kPriorityTag, std::to_string(entry.priority));
    m_out.Element(kKeywordTag, std::to_string(entry.keyword));
    m_out.Element(kBriefTag, entry.brief);
    m_out.Element(kContentTag, entry.content);
    m_out.Element(kPageNameTag, entry.page_name);
    if (m_owners.count(entry.id) != 0) {
      for (const ImageRecord& image : ReadImagesOf(m_db, entry.id)) {
        std::string line(kImageTag.open);
        line += '[';
        line += image.file_name;
        line += ']';
        line += image.data;
        line += kImageTag.close;
        m_out.Line(line);
      }
    }
    m_out.Line(kEntryClose);
  }

 private:
  Database& m_db;
  LineWriter& m_out;
  std::unordered_set<long long> m_owners;
};

// The number of categories and entries a category export writes, for the
// progress range.  A category that is its own ancestor is counted once (the
// export writes it once too).
long long CountItemsBelow(Database& db, long long category_id) {
  std::unordered_map<long long, std::vector<long long>> children;
  for (const CategoryRecord& c : ReadCategoriesByParent(db)) children[c.parent].push_back(c.id);
  std::unordered_map<long long, long long> entries = CountEntriesByCategory(db);

  long long total = 0;
  std::unordered_set<long long> seen{category_id};
  std::vector<long long> pending{category_id};
  while (!pending.empty()) {
    const long long id = pending.back();
    pending.pop_back();
    total += entries[id];
    for (long long child : children[id]) {
      if (!seen.insert(child).second) continue;
      ++total;
      pending.push_back(child);
    }
  }
  return total;
}

ExportOutcome Finish(ReplacingFile& file) {
  return file.Commit() ? ExportOutcome::Written : ExportOutcome::WriteFailed;
}

}  // namespace

ExportOutcome ExportEntry(Database& db, long long entry_id, const std::string& gb_path,
                          JobContext& job) {
  const std::optional<EntryRecord> entry = ReadEntryById(db, entry_id);
  if (!entry) return ExportOutcome::NotFound;
  ReplacingFile file(gb_path);
  if (!file.Ok()) return ExportOutcome::WriteFailed;
  LineWriter out(file);
  out.Line(MarkedTextHeader());
  EntryBlockWriter(db, out).Write(*entry);
  return Finish(file);
}

ExportOutcome ExportCategory(Database& db, long long category_id, const std::string& gb_path,
                             JobContext& job) {
  job.SetRange(CountItemsBelow(db, category_id));
  long long done = 0;
  ReplacingFile file(gb_path);
  if (!file.Ok()) return ExportOutcome::WriteFailed;
  LineWriter out(file);
  out.Line(MarkedTextHeader());
  EntryBlockWriter entry_writer(db, out);

  // Depth-first without recursion: a library may nest categories deeper than
  // any call stack.  Each frame is a category whose subcategories are being
  // written; its entries follow when the last subcategory is done.
  struct Frame {
    long long id;
    std::vector<CategoryRecord> children;
    size_t next = 0;
  };
  std::unordered_set<long long> entered{category_id};
  std::vector<Frame> stack;
  stack.push_back({category_id, ReadSubcategoryRecords(db, category_id)});
  while (!stack.empty()) {
    if (job.StopRequested()) return ExportOutcome::Stopped;
    Frame& frame = stack.back();
    if (frame.next < frame.children.size()) {
      const CategoryRecord& row = frame.children[frame.next++];
      if (!entered.insert(row.id).second) continue;
      out.Line(kCategoryOpen);
      out.Element(kCategoryNameTag, row.name);
      out.Element(kIconTag, std::to_string(row.icon));
      out.Element(kPriorityTag, std::to_string(row.priority));
      job.SetPosition(++done);
      const long long id = row.id;
      stack.push_back({id, ReadSubcategoryRecords(db, id)});
      continue;
    }
    const bool finished = ForEachEntryIn(db, frame.id, [&](const EntryRecord& entry) {
      if (job.StopRequested()) return false;
      entry_writer.Write(entry);
      job.SetPosition(++done);
      return true;
    });
    if (!finished) return ExportOutcome::Stopped;
    stack.pop_back();
    if (!stack.empty()) out.Line(kCategoryClose);
  }
  if (job.StopRequested()) return ExportOutcome::Stopped;
  return Finish(file);
}

std::string ExportMessage(ExportOutcome outcome, const std::string& gb_path) {
  switch (outcome) {
    case ExportOutcome::Written:
      return "保存到文件完成\r\n" + gb_path;
    case ExportOutcome::WriteFailed:
      return "写文件出错！！\r\n" + gb_path;
    case ExportOutcome::NotFound:
    case ExportOutcome::Stopped:
      break;
  }
  return std::string();
}

}  // namespace mivrel
