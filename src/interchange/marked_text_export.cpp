#include "interchange/marked_text_export.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "interchange/marked_text_format.h"
#include "interchange/replacing_file.h"
#include "jobs/job_context.h"
#include "store/database.h"

namespace mivrel {
namespace {

constexpr std::string_view kEntryColumns =
    "Select [id],[名字],[图标],[优先],[关键词],[简介],[注解],[网页名] From [fun] where ";

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
      : m_images(db, "Select [文件名],[数据] From [img] where [资料ID]=?"), m_out(out) {
    Statement owners(db, "Select DISTINCT [资料ID] From [img]");
    while (owners.Step() == kSqliteRow) m_owners.insert(owners.ColumnInt(0));
  }

  // `row` holds the columns of kEntryColumns.
  void Write(const Statement& row) {
    m_out.Line(kEntryOpen);
    m_out.Element(kNameTag, row.ColumnGb(1));
    m_out.Element(kIconTag, row.ColumnBytes(2));
    m_out.Element(kPriorityTag, row.ColumnBytes(3));
    m_out.Element(kKeywordTag, row.ColumnBytes(4));
    m_out.Element(kBriefTag, row.ColumnGb(5));
    m_out.Element(kContentTag, row.ColumnGb(6));
    m_out.Element(kPageNameTag, row.ColumnBytes(7));
    const long long id = row.ColumnInt(0);
    if (m_owners.count(id) != 0) WriteImages(id);
    m_out.Line(kEntryClose);
  }

 private:
  void WriteImages(long long id) {
    m_images.Reset();
    m_images.BindInt(1, id);
    while (m_images.Step() == kSqliteRow) {
      std::string line(kImageTag.open);
      line += '[';
      line += m_images.ColumnGb(0);
      line += ']';
      line += m_images.ColumnBytes(1);
      line += kImageTag.close;
      m_out.Line(line);
    }
  }

  Statement m_images;
  LineWriter& m_out;
  std::unordered_set<long long> m_owners;
};

struct CategoryRow {
  long long id;
  std::string name;
  std::string icon;
  std::string priority;
};

std::vector<CategoryRow> ChildCategories(Statement& children, long long parent) {
  std::vector<CategoryRow> rows;
  children.Reset();
  children.BindInt(1, parent);
  while (children.Step() == kSqliteRow)
    rows.push_back({children.ColumnInt(0), children.ColumnGb(1), children.ColumnBytes(2),
                    children.ColumnBytes(3)});
  return rows;
}

// The number of categories and entries a category export writes, for the
// progress range.  A category that is its own ancestor is counted once (the
// export writes it once too).
long long CountItemsBelow(Database& db, long long category_id) {
  std::unordered_map<long long, std::vector<long long>> children;
  Statement links(db, "Select [ID],[父类别] From [class]");
  while (links.Step() == kSqliteRow) children[links.ColumnInt(1)].push_back(links.ColumnInt(0));
  std::unordered_map<long long, long long> entries;
  Statement counts(db, "Select [类别],count(*) From [fun] GROUP BY [类别]");
  while (counts.Step() == kSqliteRow) entries[counts.ColumnInt(0)] = counts.ColumnInt(1);

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
  Statement row(db, std::string(kEntryColumns) + "[id]=?");
  row.BindInt(1, entry_id);
  if (row.Step() != kSqliteRow) return ExportOutcome::NotFound;
  ReplacingFile file(gb_path);
  if (!file.Ok()) return ExportOutcome::WriteFailed;
  LineWriter out(file);
  out.Line(MarkedTextHeader());
  EntryBlockWriter(db, out).Write(row);
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
  Statement children(db, "Select [ID],[类别名],[图标],[优先] From [class] where [父类别]=?");
  Statement entries(db, std::string(kEntryColumns) + "[类别]=?");

  // Depth-first without recursion: a library may nest categories deeper than
  // any call stack.  Each frame is a category whose subcategories are being
  // written; its entries follow when the last subcategory is done.
  struct Frame {
    long long id;
    std::vector<CategoryRow> children;
    size_t next = 0;
  };
  std::unordered_set<long long> entered{category_id};
  std::vector<Frame> stack;
  stack.push_back({category_id, ChildCategories(children, category_id)});
  while (!stack.empty()) {
    if (job.StopRequested()) return ExportOutcome::Stopped;
    Frame& frame = stack.back();
    if (frame.next < frame.children.size()) {
      CategoryRow row = std::move(frame.children[frame.next++]);
      if (!entered.insert(row.id).second) continue;
      out.Line(kCategoryOpen);
      out.Element(kCategoryNameTag, row.name);
      out.Element(kIconTag, row.icon);
      out.Element(kPriorityTag, row.priority);
      job.SetPosition(++done);
      stack.push_back({row.id, ChildCategories(children, row.id)});
      continue;
    }
    entries.Reset();
    entries.BindInt(1, frame.id);
    while (entries.Step() == kSqliteRow) {
      if (job.StopRequested()) return ExportOutcome::Stopped;
      entry_writer.Write(entries);
      job.SetPosition(++done);
    }
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
